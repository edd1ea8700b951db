#include "editing/event_table_edits.h"

#include "editing/editor_kind.h"
#include "model/scenario_reset.h"

namespace finplan {

bool mayCopyEvent(const Scenario& scenario, int index) {
    const auto kind = editorForEvent(scenario, index);
    if (!kind) {
        return false;
    }
    const EventRecord& event = scenario.events[static_cast<std::size_t>(index)];
    const bool budgetDriven = event.is(EventType::Withdrawal) && event.budgetFlag == 1;
    return !budgetDriven && *kind != EditorKind::Budget && *kind != EditorKind::AssetAllocation &&
           *kind != EditorKind::Rmd;
}

bool copyEventPastLast(Scenario& scenario, int index) {
    const int count = scenario.usedEventCount();
    if (!mayCopyEvent(scenario, index) || count >= kMaxEvents) {
        return false;
    }
    scenario.events[static_cast<std::size_t>(count)] =
        scenario.events[static_cast<std::size_t>(index)];
    scenario.liveEventCount = count + 1;
    return true;
}

bool deleteEventAt(Scenario& scenario, int index) {
    const int count = scenario.usedEventCount();
    if (index < 0 || index >= count) {
        return false;
    }
    const EventRecord& event = scenario.events[static_cast<std::size_t>(index)];
    if (event.is(EventType::Rmd)) {
        return false;
    }
    if (event.is(EventType::Withdrawal) && event.budgetFlag == 1) {
        if (const auto budget = budgetOfEvent(scenario, index)) {
            scenario.budgets[static_cast<std::size_t>(*budget - 1)].active = 0;
        }
    }
    if (event.is(EventType::AssetAllocation)) {
        scenario.accounts.assetAllocationMode = 0;
    }
    for (int i = index; i + 1 < count; ++i) {
        scenario.events[static_cast<std::size_t>(i)] =
            scenario.events[static_cast<std::size_t>(i + 1)];
    }
    scenario.liveEventCount = count - 1;
    clearEvent(scenario, count - 1);
    return true;
}

} // namespace finplan
