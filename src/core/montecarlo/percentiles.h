#pragma once

#include <array>
#include <span>

namespace finplan {

// The percentiles a band chart shows, from the lowest to the highest.
inline constexpr std::array<int, 5> kBandPercents = {5, 25, 50, 75, 95};
using Bands = std::array<float, kBandPercents.size()>;

// The nearest-rank percentile: the smallest value with at least `percent` % of the values at
// or below it (the ceil(percent/100 * n)-th smallest, the smallest for 0 %). Reorders
// `values`; 0 for none.
float nearestRank(std::span<float> values, int percent);

// The band percentiles of `values` (reordered).
Bands bandsOf(std::span<float> values);

} // namespace finplan
