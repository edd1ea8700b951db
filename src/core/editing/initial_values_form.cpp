// The Initial Values editor: the scenario's ages, rates and birthday.
#include "editing/field_check.h"
#include "editing/form_context.h"
#include "editing/form_support.h"
#include "engine/birthday.h"
#include "model/derived_totals.h"
#include "results/money_text.h"

#include <cmath>

namespace finplan {

namespace {

std::string money(float amount) {
    std::string text = shown("%13.2f", static_cast<double>(amount));
    formatMoney(text);
    return text;
}

// The start age's whole years plus, with the birthday in use, the part of a year since it.
void recomputeStartAge(FormContext& context) {
    ScenarioHeader& header = context.scenario.header;
    float age = std::trunc(header.startAge);
    if (header.useBirthday == 1) {
        age += yearsSinceBirthday(context.clock.now(), header.birthMonth, header.birthDay);
    }
    header.startAge = age;
}

bool readBirthDate(FieldReader& in, ScenarioHeader& header) {
    const auto month =
        in.whole("birth-month", 1.0, 12.0, "BIRTH MONTH ERROR", validationMessage(9));
    if (!month) {
        return false;
    }
    const auto day = in.whole("birth-day", 1.0, 31.0, "BIRTH DAY ERROR", validationMessage(10));
    if (!day) {
        return false;
    }
    header.birthMonth = static_cast<std::int16_t>(*month);
    header.birthDay = static_cast<std::int16_t>(*day);
    return true;
}

} // namespace

void loadInitialValues(FormContext& context, FormLoad& load) {
    deriveTotals(context.scenario);
    recomputeStartAge(context);
    const ScenarioHeader& h = context.scenario.header;
    FieldTexts& t = load.texts;
    t["start-age"] = shown("%-6.3f", static_cast<double>(h.startAge));
    t["end-age"] = shown("%-6.2f", static_cast<double>(h.endAge));
    t["tax-rate"] = shown("%-7.2f", static_cast<double>(h.taxRate));
    t["inflation-rate"] = shown("%-7.2f", static_cast<double>(h.inflationRate));
    t["birth-month"] = shownWhole("%2d", h.birthMonth);
    t["birth-day"] = shownWhole("%2d", h.birthDay);
    t["use-birthday"] = h.useBirthday == 1 ? "on" : "";
    t["investment-savings"] = money(h.initialInvestmentSavings);
    t["tax-free-savings"] = money(h.initialTaxFreeSavings);
    t["retirement-savings"] = money(h.initialRetirementSavings);
    t["equity"] = money(h.initialEquity);
    t["assets"] = money(h.initialAssets);
    t["investment-savings-rate"] = shown("%-7.2f", static_cast<double>(h.avgInvestmentRate));
    t["tax-free-savings-rate"] = shown("%-7.2f", static_cast<double>(h.avgTaxFreeRate));
    t["retirement-savings-rate"] = shown("%-7.2f", static_cast<double>(h.avgRetirementRate));
    t["equity-rate"] = shown("%-7.2f", static_cast<double>(h.avgEquityRate));
    t["assets-rate"] = shown("%-7.2f", static_cast<double>(h.avgAssetRate));
    t["total-amount-in-accounts"] =
        money(h.initialInvestmentSavings + h.initialTaxFreeSavings + h.initialRetirementSavings +
              h.initialEquity + h.initialAssets);
}

CalcResult toggleUseBirthday(FormContext& context, FieldTexts& fields) {
    ScenarioHeader& header = context.scenario.header;
    FieldReader in(fields, MessageIcon::Stop);
    const auto start = in.real("start-age", 1.0, 120.0, "START AGE ERROR", validationMessage(7));
    if (start) {
        header.startAge = *start;
        if (header.useBirthday == 1) {
            header.useBirthday = 0;
        } else if (readBirthDate(in, header)) {
            header.useBirthday = 1;
        }
    }
    if (!in.refusal()) {
        recomputeStartAge(context);
        fields["start-age"] = shown("%-6.3f", static_cast<double>(header.startAge));
    }
    fields["use-birthday"] = header.useBirthday == 1 ? "on" : "";
    return in.result();
}

CalcResult submitInitialValues(FormContext& context, const FieldTexts& fields, SubmitStage) {
    ScenarioHeader& header = context.scenario.header;
    FieldReader in(fields, MessageIcon::Stop);
    ScenarioHeader entered = header;
    if (!readBirthDate(in, entered)) {
        return in.result();
    }
    const auto start = in.real("start-age", 1.0, 120.0, "START AGE ERROR", validationMessage(7));
    if (!start) {
        return in.result();
    }
    const auto end = in.real("end-age", 1.0, 120.0, "END AGE ERROR", validationMessage(7));
    if (!end) {
        return in.result();
    }
    if (std::trunc(*end) - std::trunc(*start) >= 100.0f) {
        in.refuse("end-age", "Age Range Error!", "The age range must be less than 100!",
                  MessageIcon::Stop);
        return in.result();
    }
    const auto inflation = in.real("inflation-rate", -10.0, 50.0, "INFLATION RATE ERROR",
                                   "This rate must be between -10.0% and 50.0%");
    if (!inflation) {
        return in.result();
    }
    const auto tax = in.real("tax-rate", 0.0, 1000.0, "TAX RATE ERROR", validationMessage(4));
    if (!tax) {
        return in.result();
    }
    header.birthMonth = entered.birthMonth;
    header.birthDay = entered.birthDay;
    header.inflationRate = *inflation;
    header.taxRate = *tax;
    header.endAge = *end;
    header.startAge = *start;
    return in.result();
}

} // namespace finplan
