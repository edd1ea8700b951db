#include "engine/event_step.h"

namespace finplan {

void applyEventForYear(RunContext& run, int eventIndex) {
    // The event types act here as they are built; until then an event does nothing.
    (void)run;
    (void)eventIndex;
}

} // namespace finplan
