#pragma once

#include "calculators/calc_fields.h"

namespace finplan {

// The credit-card payoff calculator: the card editor's fields and checks on a private record;
// the scenario is never touched.
//
// Fields, in the order they are checked: rate, balance, payment, purchases. Outputs: years,
// months, total-interest, paid-off ("yes", or "no" when 100 years of payments leave a balance,
// which the notice then says).
CalcResult calculateCardPayoff(const FieldTexts& fields);

} // namespace finplan
