#include "montecarlo/percentiles.h"

#include <algorithm>
#include <cstdint>

namespace finplan {

float nearestRank(std::span<float> values, int percent) {
    if (values.empty()) {
        return 0.0f;
    }
    // In whole numbers, so that 95 % of 20 values is exactly the 19th.
    const auto n = static_cast<std::int64_t>(values.size());
    const std::int64_t rank = std::max<std::int64_t>(1, (percent * n + 99) / 100);
    const auto nth = values.begin() + (std::min(rank, n) - 1);
    std::nth_element(values.begin(), nth, values.end());
    return *nth;
}

Bands bandsOf(std::span<float> values) {
    Bands bands{};
    for (std::size_t i = 0; i < kBandPercents.size(); ++i) {
        bands[i] = nearestRank(values, kBandPercents[i]);
    }
    return bands;
}

} // namespace finplan
