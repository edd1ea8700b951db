#pragma once

#include "model/scenario.h"
#include "platform/user_dialogs.h"

#include <vector>

namespace finplan::bench {

// The shape of a made-up scenario for the benchmarks: how many accounts and events, over which
// ages, and of which kinds (taken in turn).
struct ScenarioShape {
    float startAge = 21.0f;
    float endAge = 120.0f;
    int accounts = kMaxAccounts;
    int events = kMaxEvents;
    std::vector<EventType> kinds = {EventType::Deposit, EventType::Transfer, EventType::Withdrawal};
    int startSpread = 60;     // events start in the first this many years
    float eventYears = 30.0f; // each lasts this long; 0: to the end age
};

// Accounts of every kind and group with growing amounts, events in turn of the given kinds,
// sorted and with derived totals, as a loaded scenario is.
Scenario syntheticScenario(const ScenarioShape& shape);

// Questions are answered No and messages vanish: a benchmark has nobody to ask.
class SilentDialogs : public UserDialogs {
public:
    Answer show(const Message&) override { return Answer::No; }
};

} // namespace finplan::bench
