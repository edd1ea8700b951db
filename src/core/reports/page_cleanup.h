#pragma once

#include <string_view>

namespace finplan {

// Whether a file name is one of the page files the reports and the schedule leave: "rpage",
// "spage" or "page" followed by digits alone, in any letter case.
bool isPageFileName(std::string_view name);

} // namespace finplan
