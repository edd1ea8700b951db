#include "calculators/mortgage_calculator.h"

#include "editing/field_check.h"
#include "finance/debt_math.h"

namespace finplan {

CalcResult calculateMortgage(const FieldTexts& fields) {
    FieldReader in(fields, MessageIcon::Stop);
    const auto rate = in.real("rate", 1.0, 1000.0, "RATE ERROR", validationMessage(6));
    if (!rate) {
        return in.result();
    }
    const auto amount = in.real("amount", 1.0, 100000000.0, "AMOUNT ERROR", validationMessage(2));
    if (!amount) {
        return in.result();
    }
    const auto down =
        in.real("down-payment", 0.0, 100000000.0, "DOWN PAYMENT ERROR", validationMessage(2));
    if (!down) {
        return in.result();
    }
    // A larger down payment would give a negative payment.
    if (*down > *amount) {
        in.refuse("down-payment", "DOWN PAYMENT ERROR",
                  "The down payment must not be greater than the amount.");
        return in.result();
    }
    const auto years = in.whole("years", 1.0, 100.0, "NO OF YEARS ERROR", validationMessage(5));
    if (!years) {
        return in.result();
    }
    const float payment = loanPayment(*amount - *down, monthlyRate(*rate), *years * 12);
    OutputBuilder out;
    out.number("monthly-payment", "%-9.2f", payment);
    return out.finish(MessageIcon::Stop);
}

} // namespace finplan
