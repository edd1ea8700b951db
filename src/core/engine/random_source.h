#pragma once

#include <cstdint>

namespace finplan {

// The random rates of a run: one 64-bit generator state behind a 15-bit and a 31-bit
// linear congruential draw, and the uniform and Gaussian rates built on them. The caller owns
// the object, so runs that must not disturb each other each hold their own.
class RandomSource {
public:
    // Low word = seed (the clock's seconds or a user's seed), high word = 0; the first 15-bit
    // draw is thrown away so that it does not merely echo the seed.
    explicit RandomSource(std::uint32_t seed);

    // 0..32767; advances the low word only.
    int rand15();
    // 0..2^31-1; advances the whole 64-bit state.
    int rand31();

    // min + k * 0.01 with 0 <= k < |trunc(max*100 - min*100)|; min itself, without a draw, when
    // that count is 0. Reversed bounds count upward from min.
    float uniformRate(float min, float max);

    // A normal deviate scaled so that three standard deviations cover 99.7 % of half the range,
    // centred on the middle of [min, max]; widened by 10 % per unit of the spread factor that
    // belongs to `distribution` (0: range, 2: standard deviation). Not clipped to the range.
    float gaussianRangeRate(float min, float max, int distribution, int rangeSpreadFactor,
                            int stdSpreadFactor);

    // mean + z * stdDev, from a deviate stream of its own.
    float gaussianRate(float mean, float stdDev);

    std::uint64_t state() const { return m_state; }

private:
    // The polar method yields deviates in pairs; the second waits here for the next call.
    struct DeviateCache {
        bool full = false;
        double spare = 0.0;
        double radius = 0.0; // s = x^2 + y^2 of the pair
    };

    double polarDeviate(DeviateCache& cache);

    std::uint64_t m_state;
    DeviateCache m_rangeCache;
    DeviateCache m_rateCache;
};

} // namespace finplan
