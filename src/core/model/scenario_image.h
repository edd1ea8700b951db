#pragma once

#include "model/byte_io.h"
#include "model/scenario.h"

#include <cstddef>
#include <vector>

namespace finplan {

// Bytes of every block but the events: a complete file is this plus 160 per event.
inline constexpr std::size_t kScenarioFixedBytes = 14450;
inline constexpr std::size_t kShortScenarioFixedBytes = ScenarioHeader::kSize + AccountTable::kSize;

// The scenario file's bytes: header (as held), the header's eventCount events, then the
// account table, groups, titles, slot arrays, three fonts, preferences and five budgets.
std::vector<Byte> encodeScenarioImage(const Scenario& scenario);

// The short form written by New: header, events and account table only.
std::vector<Byte> encodeShortScenarioImage(const Scenario& scenario);

} // namespace finplan
