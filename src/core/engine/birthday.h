#pragma once

#include "platform/clock.h"

namespace finplan {

// The fraction of a year since the last birthday, on a 365-day calendar without leap days.
// A birth month outside 1..12 gives 0.
float yearsSinceBirthday(const LocalDateTime& today, int birthMonth, int birthDay);

} // namespace finplan
