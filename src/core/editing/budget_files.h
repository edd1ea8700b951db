#pragma once

#include "model/budget.h"

#include <optional>
#include <string>
#include <string_view>

namespace finplan {

// The three text files of the Budget dialog: "budout.tmp" (Copy All, Paste All), "pbudout.tmp"
// (what the budget report reads; the same layout) and "rpage1" (the printed item list). Other
// programs and the report pages read them, so their bytes are fixed.

inline constexpr std::string_view kBudgetCopyFile = "budout.tmp";
inline constexpr std::string_view kBudgetReportFile = "pbudout.tmp";
inline constexpr std::string_view kBudgetSheetFile = "rpage1";

// The budout layout: count, name in 30 columns, the two ages, one tab-separated line per item,
// "Dooone" without a line feed.
std::string budgetCopyText(const Budget& budget);

// The item sheet: header, one line per item, the total, "Dooone".
std::string budgetSheetText(const Budget& budget);

// Paste All: the text of a budout file read over `current`, or empty when the text is no
// valid budget file. The inflation flags, the active flag and the source account are
// `current`'s. Refused: a count outside 1..30, ages outside 16 bits, an item line of fewer
// than five fields or with numbers no item takes, no end marker.
std::optional<Budget> parseBudgetCopy(std::string_view text, const Budget& current);

} // namespace finplan
