#pragma once

#include <QDialog>

class QRadioButton;

namespace finplan::gui {

// How New creates the accounts of the new scenario.
enum class NewAccountsWay { FromTabFile, FromCommaFile, ByHand };

// The "Create New Accounts" choice of New; the tab-delimited file is chosen at the start.
class NewAccountsDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewAccountsDialog(QWidget* parent = nullptr);

    NewAccountsWay chosenWay() const;

private:
    QRadioButton* m_tab;
    QRadioButton* m_comma;
    QRadioButton* m_byHand;
};

} // namespace finplan::gui
