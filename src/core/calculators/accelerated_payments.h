#pragma once

#include "calculators/calc_fields.h"

namespace finplan {

// The accelerated mortgage payment analysis.
//
// Fields, in the order they are checked: amount, years, years-left, rate, extra (the additional
// monthly payment), investment-rate, tax-rate, inflation. Outputs: existing-payment,
// existing-total-payments, existing-total-interest, payment-years, accelerated-payment,
// accelerated-total-payments, accelerated-total-interest, savings, investment-value,
// investment-years.
CalcResult calculateAcceleratedPayments(const FieldTexts& fields);

// The fields the dialog starts with: no amount, 30 years of which 30 are left, no rate or
// extra payment, investments at 5 %, the scenario's tax and inflation rates.
FieldTexts acceleratedStartFields(float taxRate, float inflationRate);

} // namespace finplan
