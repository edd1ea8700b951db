#pragma once

#include "results/result_tables.h"
#include "results/schedule_line.h"

#include <array>
#include <iosfwd>
#include <string_view>
#include <vector>

namespace finplan {

// Lines past this many are still shown but describe no event.
inline constexpr int kMaxLineKinds = 6000;

// The schedule as the results page shows it: its lines, and the line of each age's totals
// for "Go To".
struct ScheduleList {
    std::vector<ScheduleLine> lines;
    std::array<int, kAgeSlots> ageToLine{};
};

// The one way schedule lines leave a run: to the list of the results page, or to an open
// results or print file, or nowhere when the caller wants neither.
class ScheduleSink {
public:
    ScheduleSink(ScheduleList* list, std::ostream* file)
        : m_list(list)
        , m_file(list == nullptr ? file : nullptr) {}

    // Whether lines go anywhere; a run without text need not build them.
    bool active() const { return m_list != nullptr || m_file != nullptr; }

    // `age` is the run's current age; `shown` says whether it is a shown year (or the opening
    // block of the run, which is always shown).
    void add(std::string_view text, int kind, float age, bool shown);

    int lineCount() const { return m_lineCount; }

private:
    void addToList(std::string_view text, int kind, float age);
    void addToFile(std::string_view text, bool shown);

    ScheduleList* m_list;
    std::ostream* m_file;
    bool m_listEmptied = false;
    int m_lineCount = 0;
};

} // namespace finplan
