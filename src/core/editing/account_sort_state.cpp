#include "editing/account_sort_state.h"

namespace finplan {

namespace {

// The key each sortable column of the list sorts by.
constexpr std::array<AccountSortKey, AccountSortState::kSortableColumns> kColumnKeys = {
    AccountSortKey::Name,       AccountSortKey::GroupName, AccountSortKey::Penalty,
    AccountSortKey::Kind,       AccountSortKey::Rate,      AccountSortKey::InitialAmount,
    AccountSortKey::AccessOrder};

} // namespace

bool AccountSortState::clickColumn(int column) {
    if (column < 0 || column >= kSortableColumns) {
        return false;
    }
    key = kColumnKeys[static_cast<std::size_t>(column)];
    auto& flag = ascending[static_cast<std::size_t>(key)];
    flag = !flag;
    return true;
}

void AccountSortState::sortByWithdrawalOrder(bool on) {
    key = on ? AccountSortKey::AccessOrder : AccountSortKey::Name;
    ascending[static_cast<std::size_t>(key)] = true;
}

void sortAccounts(Scenario& scenario, const AccountSortState& state) {
    sortAccounts(scenario, state.key, state.ascendingFor(state.key));
}

} // namespace finplan
