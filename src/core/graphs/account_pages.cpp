#include "graphs/account_pages.h"

#include <string>

namespace finplan {

std::vector<AccountPage> accountPages(int accountCount) {
    std::vector<AccountPage> pages;
    for (int first = 0; first < accountCount; first += kAccountsPerPage) {
        const int end =
            first + kAccountsPerPage < accountCount ? first + kAccountsPerPage : accountCount;
        // Numbers on the tabs count from 1.
        std::string label =
            end - first == 1 ? "Account " + std::to_string(first + 1)
                             : "Accounts " + std::to_string(first + 1) + "-" + std::to_string(end);
        pages.push_back({first, end, std::move(label)});
    }
    return pages;
}

} // namespace finplan
