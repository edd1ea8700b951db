#include "engine/event_accounts.h"

#include "model/account_lookup.h"
#include "model/text_field.h"

namespace finplan {

std::string eventName(const EventRecord& event) {
    return std::string(fieldText(event.name));
}

AccountRecord* accountById(RunContext& run, int accountId) {
    const int index = run.accountIndex(accountId);
    return index < 0 ? nullptr : &run.scenario.accounts.accounts[static_cast<std::size_t>(index)];
}

void reportMissingAccount(RunContext& run, int eventIndex) {
    const EventRecord& event = run.scenario.events[static_cast<std::size_t>(eventIndex)];
    run.line(
        [&] {
            return "  " + eventName(event) +
                   " - The account of this event no longer exists; nothing was booked.";
        },
        eventIndex);
}

} // namespace finplan
