#pragma once

#include "calculators/calc_fields.h"

namespace finplan {

// The mortgage calculator: fields amount, down-payment, rate (% a year) and years; output
// monthly-payment. Checked in the order rate, amount, down payment, years.
CalcResult calculateMortgage(const FieldTexts& fields);

} // namespace finplan
