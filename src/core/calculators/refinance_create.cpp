#include "calculators/refinance_create.h"

#include "calculators/refinance_analysis.h"
#include "editing/field_check.h"
#include "finance/debt_math.h"
#include "model/event_order.h"
#include "model/text_field.h"

#include <cmath>
#include <string>

namespace finplan {

namespace {

struct CreateInputs {
    float age = 0.0f;
    float rate = 0.0f;
    int years = 0;
    float cashOut = 0.0f;
    float closingCosts = 0.0f;
    float points = 0.0f;
};

std::optional<CreateInputs> readCreateInputs(FieldReader& in, const EventRecord& mortgage) {
    const auto age = in.real("refinance-age", 1.0, 120.0, "AGE ERROR", validationMessage(7));
    if (!age) {
        return std::nullopt;
    }
    // At the mortgage's own start age the old mortgage would never be sold.
    if (*age <= mortgage.startAge) {
        refuseRefinanceAge(in);
        return std::nullopt;
    }
    const auto rate = in.real("new-rate", 1.0, 1000.0, "RATE ERROR", validationMessage(6));
    if (!rate) {
        return std::nullopt;
    }
    const auto years = readRefinanceTerm(in, "new-years");
    if (!years) {
        return std::nullopt;
    }
    const auto cashOut = readCashOut(in);
    if (!cashOut) {
        return std::nullopt;
    }
    const auto closing = readClosingCosts(in);
    if (!closing) {
        return std::nullopt;
    }
    const auto points = readPoints(in);
    if (!points) {
        return std::nullopt;
    }
    return CreateInputs{*age, *rate, *years, *cashOut, *closing, *points};
}

// Value, taxes and down payment of the existing mortgage carried forward year by year from its
// start to the refinance age; the down payment grows by each year's principal.
struct CarriedForward {
    float value = 0.0f;
    float propertyTax = 0.0f;
    float downPayment = 0.0f;
};

CarriedForward carryForward(const EventRecord& old, float age, float inflationRate) {
    CarriedForward c{old.amount, old.propertyTax, old.downPayment};
    const float rate = monthlyRate(old.rate);
    const float financed = old.amount - old.downPayment;
    AmortizationCursor cursor;
    int month = 0;
    for (int year = static_cast<int>(std::trunc(old.startAge)); year < age; ++year) {
        c.value = static_cast<float>(c.value +
                                     static_cast<double>(c.value) * old.appreciationRate * 0.01);
        if (old.inflationAdjust != 0) {
            c.propertyTax = static_cast<float>(c.propertyTax + static_cast<double>(c.propertyTax) *
                                                                   inflationRate * 0.01);
        }
        c.downPayment +=
            amortizeMonths(financed, rate, old.years * 12, month, month + 11, 0.0f, 0, cursor)
                .principal;
        month += 12;
    }
    return c;
}

EventRecord refinancedCopy(const EventRecord& old, const CreateInputs& in, bool includeClosing,
                           bool includePoints, float inflationRate) {
    EventRecord copy = old;
    const std::string name = "RF-" + std::string(fieldText(old.name));
    setFieldText(copy.name, std::string_view(name).substr(0, kMortgageNameLength));
    copy.startAge = in.age;
    copy.endAge = old.endAge > in.age ? old.endAge : 120.0f;
    copy.rate = in.rate;
    copy.years = static_cast<std::int16_t>(in.years);
    copy.adjustRate = 120.0f;
    copy.accountId = 0;
    // Run-time values start afresh.
    copy.currentAmount = 0.0f;
    copy.principalPaid = 0.0f;
    copy.totalInterestPaid = 0.0f;
    copy.equityValue = 0.0f;
    copy.monthIndex() = 0;
    copy.state = 0;
    copy.sold = 0;
    copy.oneTime = 0;
    copy.beforeTax() = 0;

    const CarriedForward now = carryForward(old, in.age, inflationRate);
    copy.amount = now.value;
    copy.propertyTax = now.propertyTax;
    float down = static_cast<float>(static_cast<double>(now.value) -
                                    (static_cast<double>(old.amount) - now.downPayment));
    if (in.cashOut > 0.0f) {
        down -= in.cashOut;
    }
    // This refinance's costs, never the original mortgage's again.
    copy.closingCosts = 0.0f;
    if (includeClosing) {
        down -= in.closingCosts;
    } else {
        copy.closingCosts = in.closingCosts;
    }
    const float points =
        static_cast<float>(static_cast<double>(in.points) * 0.01 * (copy.amount - down));
    if (includePoints) {
        down -= points;
    } else {
        copy.closingCosts += points;
    }
    copy.downPayment = down;
    copy.payment = loanPayment(copy.amount - down, monthlyRate(in.rate), in.years * 12);
    return copy;
}

Refusal refusal(std::string title, std::string text) {
    return {std::move(title), std::move(text), {}, MessageIcon::Exclamation};
}

} // namespace

RefinanceCreation createRefinanceEvent(const Scenario& scenario, int mortgageIndex,
                                       const FieldTexts& fields) {
    RefinanceCreation result;
    const int count = scenario.usedEventCount();
    if (mortgageIndex < 0 || mortgageIndex >= count ||
        !scenario.events[static_cast<std::size_t>(mortgageIndex)].is(EventType::Mortgage)) {
        result.refusal = refusal("Event Warning", "Only a mortgage can be refinanced.");
        return result;
    }
    if (count >= kMaxEvents) {
        result.refusal = refusal("Event Warning", "Maximum number of events reached!");
        return result;
    }
    const EventRecord& old = scenario.events[static_cast<std::size_t>(mortgageIndex)];
    FieldReader in(fields, MessageIcon::Stop);
    const auto inputs = readCreateInputs(in, old);
    if (!inputs) {
        result.refusal = in.refusal();
        return result;
    }
    Scenario changed = scenario;
    changed.events[static_cast<std::size_t>(count)] =
        refinancedCopy(old, *inputs, in.checked("include-closing-costs"),
                       in.checked("include-points"), scenario.header.inflationRate);
    EventRecord& sold = changed.events[static_cast<std::size_t>(mortgageIndex)];
    result.savedSellingExpenses = sold.sellingExpenses;
    sold.sellingExpenses = 0.0f;
    sold.adjustRate = inputs->age;
    changed.liveEventCount = count + 1;
    changed.modified = true;
    changed.resultsStale = true;
    sortEvents(changed);
    result.scenario = std::move(changed);
    return result;
}

} // namespace finplan
