#pragma once

#include <string>

namespace finplan {

// Kinds of schedule lines that describe no event.
inline constexpr int kPlainLine = -1;
inline constexpr int kScenarioRateLine = 7000;
inline constexpr int kAccountRateLine = 8000;

// One line of the financial schedule and what it describes: the index of its event, or one
// of the kinds above.
struct ScheduleLine {
    std::string text;
    int kind = kPlainLine;
    bool operator==(const ScheduleLine&) const = default;
};

} // namespace finplan
