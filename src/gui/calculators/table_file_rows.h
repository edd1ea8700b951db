#pragma once

#include <QStringList>

#include <string_view>
#include <vector>

namespace finplan::gui {

// The rows of a table file the calculators write for printing (tab-separated, a title line
// first, an end marker last), each cell trimmed, so the window shows what is printed.
std::vector<QStringList> tableFileRows(std::string_view text);

} // namespace finplan::gui
