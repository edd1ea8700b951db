#pragma once

#include "model/scenario.h"

namespace finplan {

// The built-in example plan: a 45-year-old who retires at 62 and plans to 92, with savings,
// retirement and tax-free accounts, a house and a car, a salary, a budget for retirement,
// debts and required minimum distributions. Always the same bytes: it reads no clock.
Scenario makeSampleScenario();

} // namespace finplan
