#pragma once

#include <string>
#include <vector>

namespace finplan::gui {

inline constexpr int kFirstGraphFolder = 4;
inline constexpr int kFirstAccountFolder = 9;

// The texts of the folder tabs in order: the summary (or, before it is shown, the title page),
// the accounts, scenario and results pages, the five graphs, then one tab per block of ten
// accounts.
std::vector<std::string> folderTitles(bool summaryShown, int accountCount);

} // namespace finplan::gui
