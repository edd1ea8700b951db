#pragma once

#include "model/scenario.h"

#include <string_view>

namespace finplan {

// What an account sort orders by.
enum class AccountSortKey {
    Name = 0,
    GroupName = 1,
    Penalty = 2,
    RmdTable = 3,
    AssetAllocation = 4,
    Kind = 5,
    Rate = 6,
    InitialAmount = 7,
    AccessOrder = 8,
};

// Stable bubble sort of the used accounts, whole records moving (their slots with them).
void sortAccounts(Scenario& scenario, AccountSortKey key, bool ascending);

// Text comparison of the account sorts: characters mapped to upper case, compared as
// unsigned bytes; negative, zero or positive like strcmp.
int compareUpperCase(std::string_view a, std::string_view b);

} // namespace finplan
