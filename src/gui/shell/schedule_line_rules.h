#pragma once

#include <array>
#include <string>
#include <string_view>

namespace finplan::gui {

inline constexpr int kScheduleColumns = 8;

// How the results list draws a schedule line.

// Warnings, penalties, depletions and negative amounts are drawn in red.
bool isRedScheduleLine(std::string_view text);

// A totals line begins with its age, a digit from 1 to 9, and is drawn in eight columns.
bool isTotalsLine(std::string_view text);

// The eight fields of a totals line, split at blanks and tabs; missing ones are empty.
std::array<std::string, kScheduleColumns> splitTotalsLine(std::string_view text);

} // namespace finplan::gui
