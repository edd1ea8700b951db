#pragma once

#include "gui/shell/account_table_model.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QTreeView;

namespace finplan {
class Planner;
}

namespace finplan::gui {

class AccountActions;

// The Accounts page: the account table with its sorting, the number of accounts and their
// total, and the buttons that add, edit, import and delete accounts.
class AccountsPage : public QWidget {
    Q_OBJECT
public:
    AccountsPage(Planner& planner, AccountActions& actions, QWidget* parent = nullptr);

    AccountTableModel* model() const { return m_model; }
    // The selected row; -1 when none is.
    int selectedRow() const;

private:
    void headerClicked(int column);
    void updateTotals();
    void editSelected();

    Planner& m_planner;
    AccountActions& m_actions;
    AccountTableModel* m_model;
    QTreeView* m_view;
    QCheckBox* m_withdrawalOrder;
    QLabel* m_count;
    QLabel* m_total;
};

} // namespace finplan::gui
