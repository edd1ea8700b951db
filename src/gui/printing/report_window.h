#pragma once

#include "reports/page_reader.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <string>

class QLineEdit;
class QPushButton;
class QTableView;

namespace finplan::gui {

class ReportTableModel;

// What the window's print buttons do.
struct ReportActions {
    std::function<void()> print;
    // Only the account-flow report has it: prints the selected row's two-page report.
    std::function<void(const std::string& rowLabel)> printSelectedAge;
};

// A report on screen: its on-screen page as a banded list, OK, Print and the selected age.
class ReportWindow : public QDialog {
    Q_OBJECT
public:
    ReportWindow(QWidget* parent, const QString& title, PageText page, ReportActions actions);

private:
    void rowSelected();

    ReportActions m_actions;
    ReportTableModel* m_model;
    QTableView* m_list;
    QLineEdit* m_selectedAge;
    QPushButton* m_printSelected = nullptr;
    std::string m_selectedRow;
};

} // namespace finplan::gui
