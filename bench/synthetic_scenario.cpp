#include "synthetic_scenario.h"

#include "model/derived_totals.h"
#include "model/event_order.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"

#include <string>

namespace finplan::bench {

namespace {

void addAccounts(Scenario& s, int count) {
    for (int i = 0; i < count; ++i) {
        AccountRecord& a = s.accounts.accounts[static_cast<std::size_t>(i)];
        setFieldText(a.name, "Account " + std::to_string(i));
        setFieldText(a.accessOrder, std::to_string(count - i));
        a.kind = static_cast<std::uint16_t>(i % kAccountKindCount);
        a.initialAmount = 10000.0f + static_cast<float>(i) * 1000.0f;
        a.rate = static_cast<float>(i % 9) - 2.0f;
        a.accountId = static_cast<std::uint16_t>(i);
        a.group = static_cast<std::uint16_t>(i % kGroupCount);
    }
    s.accounts.accountCount = static_cast<std::int16_t>(count);
    s.accounts.nextAccountId = count;
}

void addEvents(Scenario& s, const ScenarioShape& shape) {
    for (int i = 0; i < shape.events; ++i) {
        EventRecord& e = s.events[static_cast<std::size_t>(i)];
        const EventType kind = shape.kinds[static_cast<std::size_t>(i) % shape.kinds.size()];
        e.type = static_cast<std::int16_t>(kind);
        e.startAge = shape.startAge + static_cast<float>(i % shape.startSpread);
        e.endAge = shape.eventYears > 0.0f ? e.startAge + shape.eventYears : shape.endAge;
        // A rate change's amount is its tax rate, which must stay a percentage.
        e.amount = kind == EventType::Fundamentals ? 15.0f + static_cast<float>(i % 20)
                                                   : 1000.0f + static_cast<float>(i);
        e.accountId = static_cast<std::int16_t>(i % shape.accounts);
        e.fromAccountId = static_cast<std::int16_t>((i + 7) % shape.accounts);
        setFieldText(e.name, "Event " + std::to_string(i));
    }
    s.liveEventCount = shape.events;
    s.header.eventCount = static_cast<std::int16_t>(shape.events);
}

} // namespace

Scenario syntheticScenario(const ScenarioShape& shape) {
    Scenario s;
    resetScenario(s);
    s.header.startAge = shape.startAge;
    s.header.endAge = shape.endAge;
    addAccounts(s, shape.accounts);
    addEvents(s, shape);
    sortEventsByName(s);
    sortEvents(s);
    deriveTotals(s);
    return s;
}

} // namespace finplan::bench
