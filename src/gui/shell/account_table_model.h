#pragma once

#include "editing/account_sort_state.h"
#include "model/scenario.h"

#include <QAbstractTableModel>

namespace finplan::gui {

// The account table as the Accounts page lists it, one row per used account in table order,
// eleven columns and the "ID" column with the IDON switch. Filling it sorts the table.
class AccountTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kSortableColumns = AccountSortState::kSortableColumns;
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
    Scenario& m_scenario;
    AccountSortState& m_sort;
    bool m_showIds;
    int m_rows = 0;
};

} // namespace finplan::gui
