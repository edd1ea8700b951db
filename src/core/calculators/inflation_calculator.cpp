#include "calculators/inflation_calculator.h"

#include <cmath>

namespace finplan {

CalcResult calculateInflation(const FieldTexts& fields) {
    FieldReader in(fields, MessageIcon::Exclamation);
    const auto start = in.real("start-age", 0.0, 120.0, "Start Age Error!",
                               "Start age must be a value from 1 - 120.");
    if (!start) {
        return in.result();
    }
    const auto end =
        in.real("end-age", 0.0, 120.0, "End Age Error!", "End Age must be a value from 1 - 120.");
    if (!end) {
        return in.result();
    }
    if (*end <= *start) {
        in.refuse("end-age", "End Age Error!", "End Age must be greater the Start Age.");
        return in.result();
    }
    const auto rate = in.real("rate", -100.0, 100.0, "Rate Error!",
                              "Inflation Rate must be a value from -100 - 100.");
    if (!rate) {
        return in.result();
    }
    const auto amount = in.real("amount", 1.0, 99999999.0, "Amount Error!",
                                "This amount must be a value from 1.0 - 99999999.00");
    if (!amount) {
        return in.result();
    }
    float grown = *amount;
    const int last = static_cast<int>(std::trunc(*end));
    for (int year = static_cast<int>(std::trunc(*start)); year < last; ++year) {
        grown = static_cast<float>(grown + static_cast<double>(grown) * *rate * 0.01);
    }
    OutputBuilder out;
    out.number("inflated-amount", "%-13.2f", grown);
    return out.finish(MessageIcon::Exclamation);
}

} // namespace finplan
