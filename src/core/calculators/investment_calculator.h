#pragma once

#include "calculators/calc_fields.h"

namespace finplan {

// Taxes, inflation and your investment: what an amount is worth after taxes on its return and
// in today's money.
//
// Fields: amount, years (1 to 100), return, tax-rate and inflation (% a year, inflation above
// -100). Outputs: years, tax-rate, value-after-taxes, inflation-rate, value-in-todays-money,
// effective-yearly-return.
CalcResult calculateInvestment(const FieldTexts& fields);

} // namespace finplan
