#include "calculators/investment_calculator.h"

#include "editing/field_check.h"
#include "finance/debt_math.h"
#include "results/text_format.h"

#include <cmath>

namespace finplan {

namespace {

constexpr MessageIcon kBox = MessageIcon::Exclamation;

// amount x (base^years - 1) + amount, the power rounded as the debt arithmetic rounds it.
float grownBy(float amount, double base, int years) {
    const float factor = repeatedPower(static_cast<float>(base), years);
    return static_cast<float>(static_cast<double>(amount) * (static_cast<double>(factor) - 1.0) +
                              amount);
}

} // namespace

CalcResult calculateInvestment(const FieldTexts& fields) {
    FieldReader in(fields, kBox);
    const double typed = in.number("amount");
    if (typed <= 0.0) {
        in.refuse("amount", "Amount Error!", "The investment amount must be greater than $0.00.");
        return in.result();
    }
    const double wholeYears = std::trunc(in.number("years"));
    if (wholeYears < 1.0) {
        in.refuse("years", "Number of Years Error!", "The number of years be greater than 0.");
        return in.result();
    }
    if (wholeYears > 100.0) {
        in.refuse("years", "Number of Years Error!", validationMessage(5));
        return in.result();
    }
    const int years = static_cast<int>(wholeYears);
    const double typedInflation = in.number("inflation");
    // At -100 % the real rate divides by zero.
    if (typedInflation <= -100.0) {
        in.refuse("inflation", "Rate Error!", "The inflation rate must be greater than -100%.");
        return in.result();
    }
    const auto amount = static_cast<float>(typed);
    const auto yield = static_cast<float>(in.number("return"));
    const auto tax = static_cast<float>(in.number("tax-rate"));
    const auto inflation = static_cast<float>(typedInflation);
    const float afterTax =
        static_cast<float>(yield - static_cast<double>(tax) * 0.01 * static_cast<double>(yield));
    const float worth = grownBy(amount, 1.0 + static_cast<double>(afterTax) * 0.01, years);
    const float real = static_cast<float>((1.0 + static_cast<double>(afterTax) * 0.01) /
                                              (1.0 + static_cast<double>(inflation) * 0.01) -
                                          1.0);
    const float today = grownBy(amount, 1.0 + static_cast<double>(real), years);
    const double average = (static_cast<double>(today) - amount) / amount * 100.0 / years;

    OutputBuilder out;
    out.text("years", formatText("%d", years));
    out.number("tax-rate", "%-4.2f%%", tax);
    out.money("value-after-taxes", worth);
    out.number("inflation-rate", "%-4.2f%%", inflation);
    out.money("value-in-todays-money", today);
    out.number("effective-yearly-return", "%-4.2f%%", average);
    return out.finish(kBox);
}

} // namespace finplan
