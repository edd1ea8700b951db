// The Withdrawal, Deposit and Transfer editors: money moved once or every year.
#include "editing/field_check.h"
#include "editing/form_context.h"
#include "editing/form_support.h"

namespace finplan {

namespace {

const char* const kAgeFormat = "%-6.2f";

std::string box(bool checked) {
    return checked ? "on" : "";
}

// Description, start age, end age (unchecked for a one-time event) and, unless `skipAmount`,
// amount and apply rate: the steps every money-flow editor takes on OK.
bool commonSteps(FieldReader& in, EventRecord& event, const FieldTexts& fields, bool oneTime,
                 bool checkEndAge, bool skipAmount) {
    storeName(event, textOf(fields, "description"));
    const auto start = wholeAge(in, "start-age", "START AGE ERROR");
    if (!start) {
        return false;
    }
    event.startAge = *start;
    if (oneTime || !checkEndAge) {
        event.endAge = uncheckedWhole(in, "end-age");
    } else {
        const auto end = wholeAge(in, "end-age", "END AGE ERROR");
        if (!end) {
            return false;
        }
        event.endAge = *end;
    }
    if (skipAmount) {
        return true;
    }
    const auto amount = in.real("amount", 1.0, kMaxAmount, "AMOUNT ERROR", validationMessage(2));
    if (!amount) {
        return false;
    }
    event.amount = *amount;
    const auto rate = in.real("apply-rate", -20.0, 20.0, "APPLY RATE ERROR", validationMessage(8));
    if (!rate) {
        return false;
    }
    event.adjustRate = *rate;
    return true;
}

void loadFlowNumbers(const EventRecord& event, const char* amountFormat, FieldTexts& texts) {
    texts["description"] = shownName(event);
    texts["amount"] = shown(amountFormat, static_cast<double>(event.amount));
    texts["start-age"] = shown(kAgeFormat, static_cast<double>(event.startAge));
    texts["end-age"] = shown(kAgeFormat, static_cast<double>(event.endAge));
    texts["apply-rate"] = shown(kAgeFormat, static_cast<double>(event.adjustRate));
    texts["one-time"] = box(event.oneTime != 0);
    texts["apply-inflation"] = box(event.inflationAdjust != 0);
}

bool budgetDriven(const EventRecord& event) {
    return event.budgetFlag == 1;
}

Budget* budgetOf(Scenario& scenario, const EventRecord& event) {
    if (event.budgetNumber < 1 || event.budgetNumber > kBudgetCount) {
        return nullptr;
    }
    return &scenario.budgets[static_cast<std::size_t>(event.budgetNumber - 1)];
}

// A budget-driven withdrawal changes only the account its budget draws from.
CalcResult submitBudgetAccount(FormContext& context, const FieldTexts& fields) {
    FieldReader in(fields, MessageIcon::Stop);
    const PickedAccount picked =
        pickedAccount(context.scenario, textOf(fields, "withdrawal-account"));
    if (picked.accountId && inAssetAllocation(context.scenario, *picked.accountId)) {
        refuseAssetAllocationAccount(in, "withdrawal-account");
        return in.result();
    }
    if (Budget* budget = budgetOf(context.scenario, context.event())) {
        budget->sourceAccountId = picked.accountId.value_or(kNoAccount);
    }
    return in.result();
}

} // namespace

void loadWithdrawal(FormContext& context, FormLoad& load) {
    const EventRecord& event = context.event();
    loadFlowNumbers(event, "%-11.2f", load.texts);
    load.choices["withdrawal-account"] = accountChoices(context.scenario, true);
    if (budgetDriven(event)) {
        const Budget* budget = budgetOf(context.scenario, event);
        const int source = budget != nullptr ? budget->sourceAccountId : kNoAccount;
        load.texts["withdrawal-account"] = pickerText(context.scenario, source, true, true);
    } else {
        load.texts["withdrawal-account"] =
            pickerText(context.scenario, event.accountId,
                       event.fromAccountFlag() == kAccountChosenMarker, true);
    }
}

CalcResult submitWithdrawal(FormContext& context, const FieldTexts& fields, SubmitStage) {
    EventRecord& event = context.event();
    if (budgetDriven(event)) {
        return submitBudgetAccount(context, fields);
    }
    FieldReader in(fields, MessageIcon::Stop);
    const bool oneTime = in.checked("one-time");
    if (!commonSteps(in, event, fields, oneTime, true, false)) {
        return in.result();
    }
    event.oneTime = oneTime ? 1 : 0;
    event.inflationAdjust = in.checked("apply-inflation") ? 1 : 0;
    event.type = static_cast<std::int16_t>(EventType::Withdrawal);
    const PickedAccount picked =
        pickedAccount(context.scenario, textOf(fields, "withdrawal-account"));
    if (!picked.accountId) {
        event.accountId = kNoAccount;
        event.fromAccountFlag() = 0;
        return in.result();
    }
    if (inAssetAllocation(context.scenario, *picked.accountId)) {
        refuseAssetAllocationAccount(in, "withdrawal-account");
        return in.result();
    }
    event.accountId = static_cast<std::int16_t>(*picked.accountId);
    event.fromAccountFlag() = kAccountChosenMarker;
    return in.result();
}

void loadDeposit(FormContext& context, FormLoad& load) {
    const EventRecord& event = context.event();
    loadFlowNumbers(event, "%-12.2f", load.texts);
    load.texts["tax-deposit"] = box(event.beforeTax() == 1);
    load.choices["deposit-to"] = accountChoices(context.scenario, false);
    load.texts["deposit-to"] = pickerText(context.scenario, event.accountId, true, false);
}

CalcResult submitDeposit(FormContext& context, const FieldTexts& fields, SubmitStage) {
    EventRecord& event = context.event();
    FieldReader in(fields, MessageIcon::Stop);
    const bool oneTime = in.checked("one-time");
    if (!commonSteps(in, event, fields, oneTime, true, false)) {
        return in.result();
    }
    event.oneTime = oneTime ? 1 : 0;
    event.inflationAdjust = in.checked("apply-inflation") ? 1 : 0;
    event.beforeTax() = in.checked("tax-deposit") ? 1 : 0;
    event.type = static_cast<std::int16_t>(EventType::Deposit);
    // Without a choice the event keeps the account it names.
    if (const auto id = pickedAccount(context.scenario, textOf(fields, "deposit-to")).accountId) {
        event.accountId = static_cast<std::int16_t>(*id);
    }
    return in.result();
}

void loadTransfer(FormContext& context, FormLoad& load) {
    const EventRecord& event = context.event();
    loadFlowNumbers(event, "%-12.2f", load.texts);
    load.texts["transfer-all-funds"] = box(event.allFunds == 1);
    load.choices["from-account"] = accountChoices(context.scenario, false);
    load.choices["to-account"] = load.choices["from-account"];
    load.texts["from-account"] = pickerText(context.scenario, event.fromAccountId, true, false);
    load.texts["to-account"] = pickerText(context.scenario, event.accountId, true, false);
}

CalcResult submitTransfer(FormContext& context, const FieldTexts& fields, SubmitStage) {
    EventRecord& event = context.event();
    FieldReader in(fields, MessageIcon::Stop);
    const bool oneTime = in.checked("one-time");
    const bool allFunds = in.checked("transfer-all-funds");
    if (!commonSteps(in, event, fields, oneTime, !allFunds, allFunds)) {
        return in.result();
    }
    event.oneTime = oneTime ? 1 : 0;
    event.inflationAdjust = in.checked("apply-inflation") ? 1 : 0;
    event.allFunds = allFunds ? 1 : 0;
    event.type = static_cast<std::int16_t>(EventType::Transfer);
    if (const auto id = pickedAccount(context.scenario, textOf(fields, "from-account")).accountId) {
        event.fromAccountId = static_cast<std::int16_t>(*id);
    }
    if (const auto id = pickedAccount(context.scenario, textOf(fields, "to-account")).accountId) {
        event.accountId = static_cast<std::int16_t>(*id);
    }
    return in.result();
}

} // namespace finplan
