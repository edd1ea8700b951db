#pragma once

#include "calculators/calc_fields.h"
#include "model/scenario.h"

#include <optional>

namespace finplan {

// What "Create This Refinance Event" gives: the scenario with the refinanced mortgage added and
// the existing one sold at the refinance age, or the refusal.
struct RefinanceCreation {
    std::optional<Scenario> scenario;
    std::optional<Refusal> refusal;
    float savedSellingExpenses = 0.0f; // the existing mortgage's, cleared in the new scenario
};

// The longest a refinanced mortgage's description may be.
inline constexpr std::size_t kMortgageNameLength = 49;

// Creates the refinanced mortgage from the mortgage at `mortgageIndex` and the refinance
// fields (refinance-age, new-rate, new-years, cash-out, closing-costs, include-closing-costs,
// points, include-points). The property value and the down payment are brought forward to the
// refinance age; the taxes grow with inflation only when the mortgage applies it to them.
RefinanceCreation createRefinanceEvent(const Scenario& scenario, int mortgageIndex,
                                       const FieldTexts& fields);

} // namespace finplan
