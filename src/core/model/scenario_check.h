#pragma once

#include "model/scenario.h"

#include <optional>
#include <string>

namespace finplan {

// The first value of a scenario that no editor would accept — not a number, or outside the
// range its editor allows (ages 0 to 120, amounts within 100,000,000, rates within 200 %,
// tax and loan rates up to 1,000 %, account kinds and groups of the tables, a real birthday) —
// named for the user: "Event "Salary": the amount is not a number." Empty when every value a
// run uses is sound. Files from damaged disks or other programs are read byte for byte; this
// is what keeps their values out of a run.
std::optional<std::string> firstInvalidValue(const Scenario& scenario);

} // namespace finplan
