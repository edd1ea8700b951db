#include "model/event_order.h"

#include "model/text_field.h"

#include <utility>

namespace finplan {

namespace {

// Bubble sort that swaps neighbours only when the left one must come after the right one,
// so equal records keep their order.
template <class After>
void stableBubbleSort(Scenario& scenario, After after) {
    const int count = scenario.usedEventCount();
    for (int pass = 0; pass + 1 < count; ++pass) {
        bool swapped = false;
        for (int i = 0; i + 1 < count - pass; ++i) {
            auto& left = scenario.events[static_cast<std::size_t>(i)];
            auto& right = scenario.events[static_cast<std::size_t>(i + 1)];
            if (after(left, right)) {
                std::swap(left, right);
                swapped = true;
            }
        }
        if (!swapped) {
            return;
        }
    }
}

} // namespace

void sortEvents(Scenario& scenario) {
    stableBubbleSort(scenario, [](const EventRecord& a, const EventRecord& b) {
        if (a.startAge != b.startAge) {
            return a.startAge > b.startAge;
        }
        return a.type > b.type;
    });
}

void sortEventsByName(Scenario& scenario) {
    stableBubbleSort(scenario, [](const EventRecord& a, const EventRecord& b) {
        // Compared as C strings of unsigned bytes: what follows the NUL does not count.
        return fieldText(a.name).compare(fieldText(b.name)) > 0;
    });
}

} // namespace finplan
