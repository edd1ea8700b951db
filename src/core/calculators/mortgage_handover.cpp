#include "calculators/mortgage_handover.h"

#include "editing/field_check.h"
#include "results/text_format.h"

#include <cmath>

namespace finplan {

FieldTexts mortgageEditorFields(const FieldTexts& calculator) {
    return {{"amount", std::string(textOf(calculator, "amount"))},
            {"down-payment", std::string(textOf(calculator, "down-payment"))},
            {"rate", std::string(textOf(calculator, "rate"))},
            {"no-of-years", std::string(textOf(calculator, "years"))}};
}

void fillExistingMortgage(FieldTexts& refinance, const EventRecord& mortgage) {
    refinance["start-age"] = formatText("%d", static_cast<int>(std::trunc(mortgage.startAge)));
    refinance["amount"] =
        formatText("%-12.2f", static_cast<double>(mortgage.amount - mortgage.downPayment));
    refinance["rate"] = formatText("%-6.2f", static_cast<double>(mortgage.rate));
    refinance["years"] = formatText("%d", mortgage.years);
}

CalcResult handAcceleratedFields(const FieldTexts& editor, float scenarioStartAge,
                                 FieldTexts& accelerated) {
    FieldReader in(editor, MessageIcon::Stop);
    const double extra = in.number("accelerated-amount");
    if (extra < 0.0 || extra > 100000.0) {
        in.refuse("accelerated-amount", "Additional Monthly Amount Error",
                  "This amount must be greater than or equal to  0.00 and less than 99999.99");
        return in.result();
    }
    const auto principal =
        static_cast<float>(in.number("amount")) - static_cast<float>(in.number("down-payment"));
    const int years = static_cast<int>(std::trunc(in.number("no-of-years")));
    const int startAge = static_cast<int>(std::trunc(in.number("start-age")));
    const int scenarioStart = static_cast<int>(std::trunc(scenarioStartAge));
    const int yearsLeft = startAge < scenarioStart ? years - (scenarioStart - startAge) : years;
    accelerated["amount"] = formatText("%-13.2f", static_cast<double>(principal));
    accelerated["years"] = formatText("%3d", years);
    accelerated["years-left"] = formatText("%3d", yearsLeft);
    accelerated["rate"] = formatText("%-6.2f", in.number("rate"));
    if (extra != 0.0) {
        accelerated["extra"] = formatText("%-13.2f", extra);
    }
    return {};
}

} // namespace finplan
