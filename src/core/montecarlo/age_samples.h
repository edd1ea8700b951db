#pragma once

#include "montecarlo/percentiles.h"

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

namespace finplan {

// One value per trial for each shown age: a fixed block of ages x trials floats, known before
// the first trial starts, so memory does not grow while trials run and no schedule is kept.
// Each trial writes its own column, so threads never write the same value. The block is not
// cleared first: every value is written before it is read.
class AgeSamples {
public:
    AgeSamples() = default;
    AgeSamples(int ages, int trials);

    void set(int age, int trial, float value) { m_values[index(age, trial)] = value; }
    float at(int age, int trial) const { return m_values[index(age, trial)]; }
    int ages() const { return m_ages; }

    // The band percentiles of each age over the first `trials` trials (the values of an age
    // are reordered).
    std::vector<Bands> bands(int trials);

private:
    std::size_t index(int age, int trial) const {
        return static_cast<std::size_t>(age) * static_cast<std::size_t>(m_trials) +
               static_cast<std::size_t>(trial);
    }

    int m_ages = 0;
    int m_trials = 0;
    std::unique_ptr<float[]> m_values;
};

} // namespace finplan
