#include "gui/shell/folder_titles.h"

#include "graphs/account_pages.h"

namespace finplan::gui {

std::vector<std::string> folderTitles(bool summaryShown, int accountCount) {
    std::vector<std::string> titles = {summaryShown ? "Summary" : "Tarvel Software",
                                       "Accounts",
                                       "Scenario",
                                       "Results",
                                       "Net Worth",
                                       "Incoming/Outgoing",
                                       "Incoming",
                                       "Outgoing",
                                       "Groups"};
    for (const AccountPage& page : accountPages(accountCount)) {
        titles.push_back(page.label);
    }
    return titles;
}

} // namespace finplan::gui
