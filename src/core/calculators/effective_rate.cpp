#include "calculators/effective_rate.h"

#include "editing/field_check.h"
#include "finance/debt_math.h"

#include <array>
#include <cmath>
#include <utility>

namespace finplan {

namespace {

constexpr MessageIcon kBox = MessageIcon::Exclamation;

std::optional<int> readCompoundings(FieldReader& in, std::string_view compounding) {
    static constexpr std::array<std::pair<std::string_view, int>, 4> kNamed = {
        {{"daily", 365}, {"monthly", 12}, {"quarterly", 4}, {"semiannually", 2}}};
    for (const auto& [name, count] : kNamed) {
        if (compounding == name) {
            return count;
        }
    }
    if (compounding != "other") {
        return 1;
    }
    const double periods = in.number("periods");
    if (periods < 1.0 || std::trunc(periods) > 365.0) {
        in.refuse("periods", "Period Error!",
                  "The number of compounding periods per year must be greater than or equal to 1 "
                  "and less than 365");
        return std::nullopt;
    }
    return static_cast<int>(std::trunc(periods));
}

} // namespace

CalcResult calculateEffectiveRate(const FieldTexts& fields) {
    FieldReader in(fields, kBox);
    const double nominal = in.number("rate");
    if (nominal <= -200.0 || nominal > 200.0) {
        in.refuse("rate", "Rate Error!",
                  "The Nominal Rate must be a value greater than -200 and less than 200.00");
        return in.result();
    }
    const auto n = readCompoundings(in, textOf(fields, "compounding"));
    if (!n) {
        return in.result();
    }
    const float rate = static_cast<float>(nominal);
    const float perPeriod = static_cast<float>(static_cast<double>(rate) * 0.01 / *n);
    const double effective =
        (static_cast<double>(repeatedPower(1.0f + perPeriod, *n)) - 1.0) * 100.0;
    OutputBuilder out;
    out.number("effective-yearly-rate", "%-8.4f", effective);
    return out.finish(kBox);
}

} // namespace finplan
