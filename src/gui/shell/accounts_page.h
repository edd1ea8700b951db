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

// The Accounts page: the account table with its sorting, the number of accounts and their
// total.
class AccountsPage : public QWidget {
    Q_OBJECT
public:
    AccountsPage(Planner& planner, AccountSortState& sort, QWidget* parent = nullptr);

    AccountTableModel* model() const { return m_model; }

private:
    void headerClicked(int column);
    void updateTotals();

    Planner& m_planner;
    AccountTableModel* m_model;
    QTreeView* m_view;
    QCheckBox* m_withdrawalOrder;
    QLabel* m_count;
    QLabel* m_total;
};

} // namespace finplan::gui
