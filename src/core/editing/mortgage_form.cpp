// The Mortgage editor: a property with its appreciation, taxes, sale and accelerated payments.
#include "editing/field_check.h"
#include "editing/form_context.h"
#include "editing/form_support.h"
#include "finance/debt_math.h"
#include "results/money_text.h"

#include <cmath>

namespace finplan {

namespace {

const char* const kRateFormat = "%-6.2f";
const char* const kAmountFormat = "%-12.2f";

std::string box(bool checked) {
    return checked ? "on" : "";
}

// Reads one real field into `target`; false after its refusal.
bool readReal(FieldReader& in, std::string_view key, double min, double max, std::string_view title,
              int message, float& target) {
    const auto value = in.real(key, min, max, title, validationMessage(message));
    if (value) {
        target = *value;
    }
    return value.has_value();
}

bool readWholeAge(FieldReader& in, std::string_view key, std::string_view title, float& target) {
    const auto age = wholeAge(in, key, title);
    if (age) {
        target = *age;
    }
    return age.has_value();
}

// Every check of OK and Calculate, in the dialog's order, storing as it goes.
bool readMortgage(FieldReader& in, const FieldTexts& fields, EventRecord& event) {
    storeName(event, textOf(fields, "description"));
    if (!readWholeAge(in, "start-age", "START AGE ERROR", event.startAge) ||
        !readWholeAge(in, "payoff-age", "PAYOFF AGE ERROR", event.endAge) ||
        !readReal(in, "rate", 1.0, 1000.0, "RATE ERROR", 6, event.rate) ||
        !readReal(in, "amount", 1.0, kMaxAmount, "AMOUNT ERROR", 2, event.amount) ||
        !readReal(in, "taxes", 0.0, kMaxAmount, "AMOUNT ERROR", 2, event.propertyTax) ||
        !readReal(in, "closing-costs", 0.0, kMaxAmount, "AMOUNT ERROR", 2, event.closingCosts)) {
        return false;
    }
    const auto down =
        in.real("down-payment", 0.0, kMaxAmount, "DOWN PAYMENT ERROR", validationMessage(2));
    if (!down) {
        return false;
    }
    // A larger down payment would give a negative payment.
    if (*down > event.amount) {
        in.refuse("down-payment", "DOWN PAYMENT ERROR",
                  "The down payment must not be greater than the amount.");
        return false;
    }
    event.downPayment = *down;
    const auto years =
        in.whole("no-of-years", 1.0, 100.0, "NO OF YEARS ERROR", validationMessage(5));
    if (!years) {
        return false;
    }
    event.years = static_cast<std::int16_t>(*years);
    float sellAge = 0.0f;
    if (!readReal(in, "appreciation-rate", -1000.0, 1000.0, "RATE ERROR", 6,
                  event.appreciationRate) ||
        !readReal(in, "sell-age", 0.0, 120.0, "AGE ERROR", 3, sellAge)) {
        return false;
    }
    event.adjustRate = std::trunc(sellAge);
    if (!readReal(in, "percent-of-selling-price", -1000.0, 1000.0, "RATE ERROR", 6,
                  event.sellingExpenses)) {
        return false;
    }
    event.inflationAdjust = in.checked("apply-inflation-to-taxes") ? 1 : 0;
    event.extraPrincipalMode() = in.checked("accelerate-from-mortgage-start")  ? 1
                                 : in.checked("accelerate-from-initial-start") ? 2
                                                                               : 0;
    event.accountId = in.checked("do-not-withdraw-down-payment") ? 1 : 0;
    const double extra = in.number("accelerated-amount");
    if (extra < 0.0 || extra > 100000.0) {
        in.refuse("accelerated-amount", "Additional Monthly Amount Error",
                  "This amount must be greater than or equal to  0.00 and less than 99999.99");
        return false;
    }
    event.extraPrincipal = static_cast<float>(extra);
    event.payment =
        loanPayment(event.amount - event.downPayment, monthlyRate(event.rate), event.years * 12);
    return true;
}

} // namespace

void loadMortgage(FormContext& context, FormLoad& load) {
    const EventRecord& event = context.event();
    FieldTexts& t = load.texts;
    t["description"] = shownName(event);
    t["start-age"] = shown(kRateFormat, static_cast<double>(event.startAge));
    t["payoff-age"] = shown(kRateFormat, static_cast<double>(event.endAge));
    t["amount"] = shown(kAmountFormat, static_cast<double>(event.amount));
    t["down-payment"] = shown(kAmountFormat, static_cast<double>(event.downPayment));
    t["rate"] = shown(kRateFormat, static_cast<double>(event.rate));
    t["no-of-years"] = shownWhole("%-2d", event.years);
    t["monthly-payment"] = moneyText(event.payment);
    t["appreciation-rate"] = shown(kRateFormat, static_cast<double>(event.appreciationRate));
    t["sell-age"] = shown(kRateFormat, static_cast<double>(event.adjustRate));
    t["percent-of-selling-price"] = shown(kRateFormat, static_cast<double>(event.sellingExpenses));
    t["taxes"] = shown(kAmountFormat, static_cast<double>(event.propertyTax));
    t["closing-costs"] = shown(kAmountFormat, static_cast<double>(event.closingCosts));
    t["accelerated-amount"] = shown(kAmountFormat, static_cast<double>(event.extraPrincipal));
    t["do-not-withdraw-down-payment"] = box(event.accountId == 1);
    t["apply-inflation-to-taxes"] = box(event.inflationAdjust != 0);
    t["accelerate-from-mortgage-start"] = box(event.extraPrincipalMode() == 1);
    t["accelerate-from-initial-start"] = box(event.extraPrincipalMode() == 2);
    load.choices["payments-account"] = accountChoices(context.scenario, true);
    t["payments-account"] = pickerText(context.scenario, event.payAccountId,
                                       event.payFromAccountFlag == kAccountChosenMarker, true);
}

CalcResult submitMortgage(FormContext& context, const FieldTexts& fields, SubmitStage stage) {
    EventRecord& event = context.event();
    FieldReader in(fields, MessageIcon::Stop);
    if (!readMortgage(in, fields, event)) {
        return in.result();
    }
    OutputBuilder out;
    out.money("monthly-payment", static_cast<double>(event.payment));
    if (stage == SubmitStage::Store) {
        event.type = static_cast<std::int16_t>(EventType::Mortgage);
        if (!storePaymentsAccount(context.scenario, in, fields, event.payAccountId,
                                  event.payFromAccountFlag)) {
            return in.result();
        }
    }
    return out.finish(MessageIcon::Stop);
}

} // namespace finplan
