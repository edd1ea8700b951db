#pragma once

#include "model/account_slot_arrays.h"
#include "model/account_table.h"
#include "model/budget.h"
#include "model/event_record.h"
#include "model/group_table.h"
#include "model/pref_info.h"
#include "model/print_font.h"
#include "model/report_titles.h"
#include "model/scenario_header.h"

#include <array>
#include <string>

namespace finplan {

inline constexpr int kEventCapacity = 150;
// The record past the last event is the editors' scratch record, so one fewer can be used.
inline constexpr int kMaxEvents = kEventCapacity - 1;

// Everything one scenario is: every block of the scenario file and the live state beside it.
// Whoever runs the program owns one and passes it by reference; nothing here is global.
struct Scenario {
    ScenarioHeader header;
    std::array<EventRecord, kEventCapacity> events{};
    AccountTable accounts;
    GroupTable groups;
    ReportTitles titles;
    AccountSlotArrays slots;
    PrintFonts fonts{};
    PrefInfo prefs;
    std::array<Budget, kBudgetCount> budgets{};

    // Live state, not stored in the file.
    int liveEventCount = 0;
    std::string fileName;      // shown in the window title
    std::string saveName;      // the file Save writes
    bool modified = false;     // changed since the last Open or Save
    bool resultsStale = false; // changed since the last run

    // The live event count clamped to the table, for loops that must never leave it.
    int usedEventCount() const {
        return liveEventCount < 0 ? 0 : (liveEventCount > kMaxEvents ? kMaxEvents : liveEventCount);
    }
};

} // namespace finplan
