#pragma once

#include "calculators/calc_fields.h"

namespace finplan {

// The effective yearly rate of a nominal rate compounded n times a year.
//
// Fields: rate (% a year), compounding ("daily", "monthly", "quarterly", "semiannually",
// "other", or empty for once a year) and periods (the count for "other"; its whole part is
// used). Output: effective-yearly-rate.
CalcResult calculateEffectiveRate(const FieldTexts& fields);

} // namespace finplan
