#pragma once

#include "model/event_record.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

inline constexpr std::string_view kMortgageScheduleFile = "psched.tmp";

inline constexpr std::array<std::string_view, 10> kMortgageScheduleColumns = {
    "Age",           "Principal", "Interest",        "Total Principal", "Total Interest",
    "Total Payment", "Equity",    "Inflated Equity", "Property Value",  "Property Liability"};

// One row of a mortgage's year-by-year table: the age, then the nine amounts of the columns
// after "Age".
struct MortgageScheduleRow {
    int age = 0;
    std::array<double, 9> values{};
};

struct MortgageSchedule {
    bool valid = false; // false: the mortgage's data were refused and the table is empty
    std::vector<MortgageScheduleRow> rows;
};

// The mortgage year by year from its start age, with appreciation, accelerated payments and
// the stop at a sell or payoff age. `scenarioStartAge` is where accelerated payments of mode 2
// begin.
MortgageSchedule buildMortgageSchedule(const EventRecord& mortgage, float scenarioStartAge);

// The bytes of "psched.tmp": the column titles, the rows and the end marker. An invalid
// mortgage gives the titles and the end marker only, so nothing older is printed.
std::string mortgageScheduleFileText(const MortgageSchedule& schedule);

} // namespace finplan
