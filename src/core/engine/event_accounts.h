#pragma once

#include "engine/run_context.h"

#include <string>

namespace finplan {

// The event's name as its schedule lines begin with it.
std::string eventName(const EventRecord& event);

// The used account with this id, or none.
AccountRecord* accountById(RunContext& run, int accountId);

// An event whose account was deleted or re-indexed away books nothing; the schedule says so.
void reportMissingAccount(RunContext& run, int eventIndex);

} // namespace finplan
