// The Loan editor: something bought on credit, its price deposited into an account.
#include "editing/field_check.h"
#include "editing/form_context.h"
#include "editing/form_support.h"
#include "finance/debt_math.h"
#include "model/account_lookup.h"

#include <cmath>

namespace finplan {

namespace {

const char* const kAgeFormat = "%-6.2f";
const char* const kAmountFormat = "%-12.2f";
const char* const kPaymentFormat = "%-11.2f";

} // namespace

void loadLoan(FormContext& context, FormLoad& load) {
    const EventRecord& event = context.event();
    FieldTexts& t = load.texts;
    t["description"] = shownName(event);
    t["start-age"] = shown(kAgeFormat, static_cast<double>(event.startAge));
    t["payoff-age"] = shown(kAgeFormat, static_cast<double>(event.endAge));
    t["amount"] = shown(kAmountFormat, static_cast<double>(event.amount));
    t["down-payment"] = shown(kAmountFormat, static_cast<double>(event.downPayment));
    t["rate"] = shown(kAgeFormat, static_cast<double>(event.rate));
    t["no-of-years"] = shownWhole("%-2d", event.years);
    t["monthly-payment"] = shown(kPaymentFormat, static_cast<double>(event.payment));
    t["sell-asset-age"] = shown(kAgeFormat, static_cast<double>(event.adjustRate));
    load.choices["deposit-to"] = accountChoices(context.scenario, false);
    load.choices["payments-account"] = accountChoices(context.scenario, true);
    t["deposit-to"] = pickerText(context.scenario, event.accountId, true, false);
    t["payments-account"] = pickerText(context.scenario, event.payAccountId,
                                       event.payFromAccountFlag == kAccountChosenMarker, true);
}

CalcResult submitLoan(FormContext& context, const FieldTexts& fields, SubmitStage stage) {
    EventRecord& event = context.event();
    FieldReader in(fields, MessageIcon::Stop);
    storeName(event, textOf(fields, "description"));
    const auto start = wholeAge(in, "start-age", "START AGE ERROR");
    if (!start) {
        return in.result();
    }
    event.startAge = *start;
    const auto payoff = wholeAge(in, "payoff-age", "PAYOFF AGE ERROR");
    if (!payoff) {
        return in.result();
    }
    event.endAge = *payoff;
    const auto rate = in.real("rate", 1.0, 1000.0, "RATE ERROR", validationMessage(6));
    if (!rate) {
        return in.result();
    }
    event.rate = *rate;
    const auto amount = in.real("amount", 1.0, kMaxAmount, "AMOUNT ERROR", validationMessage(2));
    if (!amount) {
        return in.result();
    }
    event.amount = *amount;
    const auto down =
        in.real("down-payment", 0.0, kMaxAmount, "AMOUNT ERROR", validationMessage(2));
    if (!down) {
        return in.result();
    }
    // A larger down payment would give a negative payment.
    if (*down > *amount) {
        in.refuse("down-payment", "AMOUNT ERROR",
                  "The down payment must not be greater than the amount.");
        return in.result();
    }
    event.downPayment = *down;
    const auto sell = in.real("sell-asset-age", 0.0, 120.0, "SELL AGE ERROR", validationMessage(3));
    if (!sell) {
        return in.result();
    }
    event.adjustRate = std::trunc(*sell);
    const auto years =
        in.whole("no-of-years", 1.0, 100.0, "NO OF YEARS ERROR", validationMessage(5));
    if (!years) {
        return in.result();
    }
    event.years = static_cast<std::int16_t>(*years);
    event.payment = loanPayment(*amount - *down, monthlyRate(*rate), *years * 12);
    // Without a found account the loan keeps the account and rate it has.
    if (const auto id = pickedAccount(context.scenario, textOf(fields, "deposit-to")).accountId) {
        const int index = findAccountIndex(context.scenario.accounts, *id);
        event.accountId = static_cast<std::int16_t>(*id);
        event.appreciationRate =
            context.scenario.accounts.accounts[static_cast<std::size_t>(index)].rate;
    }
    OutputBuilder out;
    out.number("monthly-payment", kPaymentFormat, static_cast<double>(event.payment));
    if (stage == SubmitStage::Store) {
        event.type = static_cast<std::int16_t>(EventType::Loan);
        if (!storePaymentsAccount(context.scenario, in, fields, event.payAccountId,
                                  event.payFromAccountFlag)) {
            return in.result();
        }
    }
    return out.finish(MessageIcon::Stop);
}

} // namespace finplan
