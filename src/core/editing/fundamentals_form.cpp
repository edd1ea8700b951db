// The Fundamentals editor: a change of the tax rate, the inflation rate or one account's rate.
#include "editing/field_check.h"
#include "editing/form_context.h"
#include "editing/form_support.h"
#include "model/account_lookup.h"

namespace finplan {

namespace {

const char* const kFormat = "%-6.2f";

// The latest Fundamentals event before `index`, searching back from the end of the events.
const EventRecord* latestRateChange(const Scenario& scenario, int index) {
    for (int i = scenario.usedEventCount() - 1; i >= 0; --i) {
        const EventRecord& event = scenario.events[static_cast<std::size_t>(i)];
        if (i != index && event.is(EventType::Fundamentals)) {
            return &event;
        }
    }
    return nullptr;
}

} // namespace

void loadFundamentals(FormContext& context, FormLoad& load) {
    EventRecord& event = context.event();
    if (context.isNew) {
        event.accountId = kNoAccount;
        if (const EventRecord* earlier = latestRateChange(context.scenario, context.index)) {
            event.amount = earlier->amount;
            event.downPayment = earlier->downPayment;
            event.rate = earlier->rate;
        } else {
            event.amount = context.scenario.header.taxRate;
            event.downPayment = context.scenario.header.inflationRate;
        }
    }
    load.texts["description"] = shownName(event);
    load.texts["start-age"] = shown(kFormat, static_cast<double>(event.startAge));
    load.texts["tax-rate"] = shown(kFormat, static_cast<double>(event.amount));
    load.texts["inflation-rate"] = shown(kFormat, static_cast<double>(event.downPayment));
    load.choices["change-account-rate"] = accountChoices(context.scenario, true);
    load.texts["change-account-rate"] = pickerText(context.scenario, event.accountId, true, true);
}

CalcResult submitFundamentals(FormContext& context, const FieldTexts& fields, SubmitStage) {
    EventRecord& event = context.event();
    FieldReader in(fields, MessageIcon::Stop);
    const PickedAccount picked =
        pickedAccount(context.scenario, textOf(fields, "change-account-rate"));
    if (!picked.accountId) {
        event.accountId = kNoAccount;
    } else if (const auto typed = context.state.accountRates.find(*picked.accountId);
               typed != context.state.accountRates.end()) {
        event.accountId = static_cast<std::int16_t>(*picked.accountId);
        event.rate = typed->second;
    }
    storeName(event, textOf(fields, "description"));
    const auto start = wholeAge(in, "start-age", "START AGE ERROR");
    if (!start) {
        return in.result();
    }
    event.startAge = *start;
    const auto tax = in.real("tax-rate", 0.0, 1000.0, "TAX RATE ERROR", validationMessage(4));
    if (!tax) {
        return in.result();
    }
    event.amount = *tax;
    const auto inflation =
        in.real("inflation-rate", 0.0, 1000.0, "INFLATION RATE ERROR", validationMessage(4));
    if (!inflation) {
        return in.result();
    }
    event.downPayment = *inflation;
    event.type = static_cast<std::int16_t>(EventType::Fundamentals);
    event.endAge = event.startAge;
    // The rates typed in this editor become the accounts' current rates with the OK.
    for (const auto& [id, rate] : context.state.accountRates) {
        const int account = findAccountIndex(context.scenario.accounts, id);
        if (account >= 0) {
            context.scenario.accounts.accounts[static_cast<std::size_t>(account)].currentRate =
                rate;
        }
    }
    return in.result();
}

} // namespace finplan
