#pragma once

#include "model/account_sort.h"
#include "model/scenario.h"

#include <array>

namespace finplan {

// The order the account list is kept in while the program runs: the current key and one
// ascending switch per key. Names start ascending, every other key descending. The list, the
// update from a bank file and the pickers all sort by it.
struct AccountSortState {
    static constexpr int kSortableColumns = 7;

    AccountSortKey key = AccountSortKey::Name;
    std::array<bool, 9> ascending = {true, false, false, false, false, false, false, false, false};

    bool ascendingFor(AccountSortKey k) const { return ascending[static_cast<std::size_t>(k)]; }

    // A click on the header of a list column: columns 0 to 6 flip their key's switch and make
    // it the current key; false (nothing changed) for the other columns.
    bool clickColumn(int column);
    // "Sort by withdrawal order": access order ascending, or names ascending when cleared.
    void sortByWithdrawalOrder(bool on);
};

// Sorts the used accounts by the current key and its switch.
void sortAccounts(Scenario& scenario, const AccountSortState& state);

} // namespace finplan
