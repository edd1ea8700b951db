#include "montecarlo/age_samples.h"

namespace finplan {

AgeSamples::AgeSamples(int ages, int trials)
    : m_ages(ages)
    , m_trials(trials)
    , m_values(std::make_unique_for_overwrite<float[]>(static_cast<std::size_t>(ages) *
                                                       static_cast<std::size_t>(trials))) {}

std::vector<Bands> AgeSamples::bands(int trials) {
    std::vector<Bands> all;
    all.reserve(static_cast<std::size_t>(m_ages));
    for (int age = 0; age < m_ages; ++age) {
        all.push_back(
            bandsOf(std::span(&m_values[index(age, 0)], static_cast<std::size_t>(trials))));
    }
    return all;
}

} // namespace finplan
