#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <vector>

class QTableView;

namespace finplan::gui {

// A year-by-year table of a calculator (the mortgage schedule, the refinance comparison and
// its details): the banded rows fill the window above a centred row of buttons.
class TableWindow : public QDialog {
    Q_OBJECT
public:
    struct Button {
        QString key; // the object name
        QString label;
        std::function<void()> action; // empty: OK, which closes
    };

    TableWindow(const QString& name, const QString& title, QWidget* parent);

    // `widths` are the columns' shares of the table's width.
    void setTable(const QStringList& columns, std::vector<QStringList> rows,
                  std::vector<int> widths);
    void setHeading(const QString& heading);
    void addButtons(const std::vector<Button>& buttons);

    QTableView* table() const { return m_table; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitColumns();

    QTableView* m_table;
    std::vector<int> m_widths;
};

} // namespace finplan::gui
