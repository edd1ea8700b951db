#pragma once

#include <string>
#include <vector>

namespace finplan {

// A block of accounts the accounts graph shows: positions first .. end - 1 of the account
// result list, and the tab text that names the block.
struct AccountPage {
    int first = 0;
    int end = 0;
    std::string label;

    int count() const { return end - first; }
};

inline constexpr int kAccountsPerPage = 10;

// The pages of ten accounts for a list of accountCount accounts: "Account 1" or
// "Accounts 1-7", then "Account 11" or "Accounts 11-20", ... as far as there are accounts.
std::vector<AccountPage> accountPages(int accountCount);

} // namespace finplan
