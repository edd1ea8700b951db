#pragma once

#include "model/account_sort.h"
#include "model/scenario.h"

#include <QAbstractTableModel>

#include <array>

namespace finplan::gui {

// The sort order of the account list, kept while the program runs: the current key and one
// ascending switch per key. Names start ascending, every other key descending.
struct AccountSortState {
    AccountSortKey key = AccountSortKey::Name;
    std::array<bool, 9> ascending = {true, false, false, false, false, false, false, false, false};
};

// The account table as the Accounts page lists it, one row per used account in table order,
// eleven columns and the "ID" column with the IDON switch. Filling it sorts the table.
class AccountTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kSortableColumns = 7;
    static constexpr int kIdColumn = 11;

    AccountTableModel(Scenario& scenario, AccountSortState& sort, bool showIds,
                      QObject* parent = nullptr);

    // Sorts the table by the current key and shows it again.
    void fill();
    // A header click: columns 0 to 6 flip their key's switch and sort by it.
    void sortByColumn(int column);
    // "Sort by withdrawal order": access order ascending, or names ascending when cleared.
    void sortByWithdrawalOrder(bool on);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text of a cell, as drawn.
    QString cellText(int row, int column) const;

private:
    void sortByKey(AccountSortKey key);

    Scenario& m_scenario;
    AccountSortState& m_sort;
    bool m_showIds;
    int m_rows = 0;
};

} // namespace finplan::gui
