// The Credit Card Debt editor: a balance paid off monthly while purchases are added.
#include "calculators/card_payoff_calculator.h"
#include "editing/field_check.h"
#include "editing/form_context.h"
#include "editing/form_support.h"
#include "finance/card_payoff.h"

#include <cmath>

namespace finplan {

namespace {

const char* const kRateFormat = "%-6.2f";
const char* const kPaymentFormat = "%-11.2f";

bool readCard(FieldReader& in, const Scenario& scenario, const FieldTexts& fields,
              EventRecord& event) {
    storeName(event, textOf(fields, "company"));
    const auto start = wholeAge(in, "start-age", "START AGE ERROR");
    if (!start) {
        return false;
    }
    event.startAge = *start;
    if (*start < std::trunc(scenario.header.startAge)) {
        in.refuse("start-age", "START AGE ERROR",
                  "The Start Age must be equal or greater than the Initial Values Start Age!");
        return false;
    }
    const auto payoff = wholeAge(in, "payoff-age", "PAYOFF AGE ERROR");
    if (!payoff) {
        return false;
    }
    event.endAge = *payoff;
    const auto rate = in.real("rate", 1.0, 1000.0, "RATE ERROR", validationMessage(6));
    if (!rate) {
        return false;
    }
    event.rate = *rate;
    const auto balance = in.real("balance", 1.0, kMaxAmount, "AMOUNT ERROR", validationMessage(2));
    if (!balance) {
        return false;
    }
    event.amount = *balance;
    const auto payment =
        in.real("monthly-payments", 0.0, kMaxAmount, "AMOUNT ERROR", validationMessage(2));
    if (!payment) {
        return false;
    }
    event.payment = *payment;
    const auto purchases =
        in.real("monthly-purchases", 0.0, kMaxAmount, "AMOUNT ERROR", validationMessage(2));
    if (!purchases) {
        return false;
    }
    event.extraPurchases() = *purchases;
    return true;
}

} // namespace

void loadCreditCard(FormContext& context, FormLoad& load) {
    const EventRecord& event = context.event();
    FieldTexts& t = load.texts;
    t["company"] = shownName(event);
    t["start-age"] = shown(kRateFormat, static_cast<double>(event.startAge));
    t["payoff-age"] = shown(kRateFormat, static_cast<double>(event.endAge));
    t["balance"] = shown("%-12.2f", static_cast<double>(event.amount));
    t["rate"] = shown(kRateFormat, static_cast<double>(event.rate));
    t["monthly-payments"] = shown(kPaymentFormat, static_cast<double>(event.payment));
    t["monthly-purchases"] = shown(kPaymentFormat, static_cast<double>(event.extraPurchases()));
    t["years"] = shown("%-5.2f", static_cast<double>(event.appreciationRate));
    const float months = event.adjustRate;
    t["months"] = shownWhole("%-3d", std::fabs(months) < 1e9f ? static_cast<int>(months) : 0);
    t["total-interest"] = shown("%13.2f", static_cast<double>(event.downPayment));
    load.choices["payments-account"] = accountChoices(context.scenario, true);
    t["payments-account"] =
        pickerText(context.scenario, event.accountId, event.years == kAccountChosenMarker, true);
}

CalcResult submitCreditCard(FormContext& context, const FieldTexts& fields, SubmitStage stage) {
    EventRecord& event = context.event();
    FieldReader in(fields, MessageIcon::Stop);
    if (!readCard(in, context.scenario, fields, event)) {
        return in.result();
    }
    const CardPayoff payoff =
        cardPayoff(event.amount, event.rate, event.payment, event.extraPurchases());
    event.appreciationRate = payoff.years;
    event.adjustRate = static_cast<float>(payoff.months);
    event.downPayment = payoff.interest;
    OutputBuilder out;
    out.number("years", "%-5.2f", static_cast<double>(payoff.years));
    out.text("months", shownWhole("%3d", payoff.months));
    out.number("total-interest", "%13.2f", static_cast<double>(payoff.interest));
    if (stage == SubmitStage::Store) {
        event.type = static_cast<std::int16_t>(EventType::Loan);
        event.inflationAdjust = kCreditCardMark;
        if (!storePaymentsAccount(context.scenario, in, fields, event.accountId, event.years)) {
            return in.result();
        }
    }
    return out.finish(MessageIcon::Stop);
}

CalcResult calculateCardPayoffFields(const FieldTexts& fields) {
    const FieldTexts calculator = {
        {"balance", std::string(textOf(fields, "balance"))},
        {"rate", std::string(textOf(fields, "rate"))},
        {"payment", std::string(textOf(fields, "monthly-payments"))},
        {"purchases", std::string(textOf(fields, "monthly-purchases"))},
    };
    CalcResult result = calculateCardPayoff(calculator);
    if (result.refusal) {
        // The calculator names its own fields; the dialog names the card editor's.
        const std::string& key = result.refusal->field;
        result.refusal->field = key == "payment"     ? "monthly-payments"
                                : key == "purchases" ? "monthly-purchases"
                                                     : key;
    }
    return result;
}

std::set<std::string> cardCalculatorDisabledFields() {
    return {"company", "start-age", "payoff-age", "payments-account"};
}

} // namespace finplan
