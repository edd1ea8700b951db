#include "engine/random_source.h"

#include <cmath>
#include <cstdlib>

namespace finplan {

namespace {

constexpr std::uint32_t kMultiplier15 = 22695477u;
// 346 * 2^32 + 20021: the 31-bit draw multiplies the full state.
constexpr std::uint64_t kMultiplier31 = (std::uint64_t{346} << 32) | 20021u;
constexpr std::uint64_t kLowMask = 0xFFFFFFFFu;

} // namespace

RandomSource::RandomSource(std::uint32_t seed)
    : m_state(seed) {
    rand15();
}

int RandomSource::rand15() {
    const auto low = static_cast<std::uint32_t>(m_state & kLowMask) * kMultiplier15 + 1u;
    m_state = (m_state & ~kLowMask) | low;
    return static_cast<int>((low >> 16) & 0x7FFFu);
}

int RandomSource::rand31() {
    m_state = m_state * kMultiplier31 + 1u;
    return static_cast<int>((m_state >> 32) & 0x7FFFFFFFu);
}

float RandomSource::uniformRate(float min, float max) {
    // Both products and their difference are rounded to float before truncation; the count can
    // depend on it (0 to 0.29 makes 29 steps in float, 28 in double).
    const float scaledMax = max * 100.0f;
    const float scaledMin = min * 100.0f;
    const float span = scaledMax - scaledMin;
    // A damaged range (not a number, or beyond any rate) has no steps to draw from.
    if (!(std::fabs(span) < 1.0e9f)) {
        return min;
    }
    const int steps = static_cast<int>(span);
    if (steps == 0) {
        return min;
    }
    // rand31() is never negative, so the remainder lies in [0, |steps|) whatever the sign of
    // steps; reversed bounds therefore step upward from min.
    const int k = rand31() % std::abs(steps);
    // The step and the sum stay in single precision like the rates they come from; a sum formed
    // in double and rounded afterwards differs in the last bit for some k (4 + 128 steps).
    return min + static_cast<float>(k) * 0.01f;
}

double RandomSource::polarDeviate(DeviateCache& cache) {
    if (cache.full) {
        cache.full = false;
        return cache.spare * std::sqrt(-2.0 * std::log(cache.radius) / cache.radius);
    }
    double x = 0.0;
    double y = 0.0;
    double s = 0.0;
    do {
        // u and w are held as floats before they are scaled to [-1, 1]; the values of the
        // deviates depend on that rounding.
        const auto u = static_cast<float>(rand15() * (1.0 / 32767.0));
        x = 2.0 * static_cast<double>(u) - 1.0;
        const auto w = static_cast<float>(rand15() * (1.0 / 32767.0));
        y = 2.0 * static_cast<double>(w) - 1.0;
        s = x * x + y * y;
    } while (s >= 1.0 || s == 0.0);
    cache.full = true;
    cache.spare = y;
    cache.radius = s;
    return x * std::sqrt(-2.0 * std::log(s) / s);
}

float RandomSource::gaussianRangeRate(float min, float max, int distribution, int rangeSpreadFactor,
                                      int stdSpreadFactor) {
    double sigma = std::fabs((static_cast<double>(max) - static_cast<double>(min)) * 0.5 * 0.997 *
                             (1.0 / 3.0));
    if (distribution == 0) {
        sigma += sigma * rangeSpreadFactor * 0.1;
    } else if (distribution == 2) {
        sigma += sigma * stdSpreadFactor * 0.1;
    }
    if (min == max) {
        sigma = 0.0;
    }
    // Drawn even when sigma is 0, so that the generator advances as for any other range.
    const double z = polarDeviate(m_rangeCache);
    return static_cast<float>(z * sigma +
                              (static_cast<double>(min) + static_cast<double>(max)) * 0.5);
}

float RandomSource::gaussianRate(float mean, float stdDev) {
    const double z = polarDeviate(m_rateCache);
    return static_cast<float>(z * static_cast<double>(stdDev) + static_cast<double>(mean));
}

} // namespace finplan
