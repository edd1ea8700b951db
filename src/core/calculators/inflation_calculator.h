#pragma once

#include "calculators/calc_fields.h"

namespace finplan {

// The inflation calculator: fields start-age, end-age, rate (% a year) and amount; output
// inflated-amount, the amount grown once for every whole year from the start to the end age.
CalcResult calculateInflation(const FieldTexts& fields);

} // namespace finplan
