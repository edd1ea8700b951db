#pragma once

#include "model/group_table.h"

#include <array>

namespace finplan {

// What one group's random rates were over a run, for the rate statistics at its end. The
// start values let the first rate taken become both the minimum and the maximum.
struct GroupRateStats {
    int count = 0;
    float sum = 0.0f;
    float min = 100.0f;
    float max = -100.0f;

    void take(float rate) {
        ++count;
        sum += rate;
        if (rate < min) {
            min = rate;
        }
        if (rate > max) {
            max = rate;
        }
    }
};

using GroupRateStatsTable = std::array<GroupRateStats, kGroupCount>;

} // namespace finplan
