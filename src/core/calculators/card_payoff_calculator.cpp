#include "calculators/card_payoff_calculator.h"

#include "editing/field_check.h"
#include "finance/card_payoff.h"
#include "results/text_format.h"

namespace finplan {

CalcResult calculateCardPayoff(const FieldTexts& fields) {
    FieldReader in(fields, MessageIcon::Stop);
    const auto rate = in.real("rate", 1.0, 1000.0, "RATE ERROR", validationMessage(6));
    if (!rate) {
        return in.result();
    }
    const auto balance = in.real("balance", 1.0, 100000000.0, "AMOUNT ERROR", validationMessage(2));
    if (!balance) {
        return in.result();
    }
    const auto payment = in.real("payment", 0.0, 100000000.0, "AMOUNT ERROR", validationMessage(2));
    if (!payment) {
        return in.result();
    }
    const auto purchases =
        in.real("purchases", 0.0, 100000000.0, "AMOUNT ERROR", validationMessage(2));
    if (!purchases) {
        return in.result();
    }
    const CardPayoff payoff = cardPayoff(*balance, *rate, *payment, *purchases);
    OutputBuilder out;
    out.number("years", "%-5.2f", payoff.years);
    out.text("months", formatText("%3d", payoff.months));
    out.number("total-interest", "%13.2f", payoff.interest);
    out.text("paid-off", payoff.paidOff ? "yes" : "no");
    CalcResult result = out.finish(MessageIcon::Stop);
    if (result.accepted() && !payoff.paidOff) {
        result.notice = "This payment does not pay off the debt: after 100 years of payments "
                        "a balance is still owed.";
    }
    return result;
}

} // namespace finplan
