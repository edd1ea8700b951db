#include "engine/random_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <tuple>
#include <vector>

namespace finplan {
namespace {

// The literal values below were worked out separately with a few lines of python3 (big
// integers for the state, float32 rounding through struct.pack); none comes from this code.

// A second generator kept as two 32-bit words, advanced word by word with an explicit carry,
// so that it shares no arithmetic with the 64-bit multiplication under test.
struct WordGenerator {
    std::uint32_t low;
    std::uint32_t high = 0;

    int draw15() {
        low = low * 22695477u + 1u;
        return static_cast<int>((low >> 16) & 0x7FFFu);
    }
    int draw31() {
        const std::uint64_t lowProduct = std::uint64_t{low} * 20021u;
        const auto carry = static_cast<std::uint32_t>(lowProduct >> 32);
        std::uint32_t newLow = static_cast<std::uint32_t>(lowProduct);
        std::uint32_t newHigh = high * 20021u + low * 346u + carry;
        newLow += 1u;
        if (newLow == 0u) {
            newHigh += 1u;
        }
        low = newLow;
        high = newHigh;
        return static_cast<int>(high & 0x7FFFFFFFu);
    }
    std::uint64_t state() const { return (std::uint64_t{high} << 32) | low; }
};

double mean(const std::vector<double>& values) {
    double sum = 0.0;
    for (double v : values) {
        sum += v;
    }
    return sum / static_cast<double>(values.size());
}

double sampleStdDev(const std::vector<double>& values) {
    const double m = mean(values);
    double squares = 0.0;
    for (double v : values) {
        squares += (v - m) * (v - m);
    }
    return std::sqrt(squares / static_cast<double>(values.size() - 1));
}

// ---- The generator -------------------------------------------------------------------------

TEST(RandomGenerator, SeedingKeepsSeedInLowWordAndDiscardsOneDraw) {
    // seed * 22695477 + 1 (mod 2^32), high word 0.
    EXPECT_EQ(RandomSource(12345).state(), 0x3BC559CEu);
    EXPECT_EQ(RandomSource(0).state(), 0x1u);
    EXPECT_EQ(RandomSource(0xFFFFFFFFu).state(), 0xFEA5B1CCu);
}

TEST(RandomGenerator, FirstDrawsMatchWorkedValues) {
    RandomSource a(12345);
    for (int expected : {24996, 10921, 23577, 19316, 10386}) {
        EXPECT_EQ(a.rand15(), expected);
    }
    RandomSource b(0);
    for (int expected : {346, 130, 10982, 1090, 11656}) {
        EXPECT_EQ(b.rand15(), expected);
    }
    RandomSource c(12345);
    for (int expected : {1220244142, 1374406965, 308141128, 1558318993, 598390725}) {
        EXPECT_EQ(c.rand31(), expected);
    }
    EXPECT_EQ(c.state(), 0xA3AAB7C5F8B281B3u);
    RandomSource d(0);
    for (int expected : {346, 13854878, 1621890440, 816282396, 1778554774}) {
        EXPECT_EQ(d.rand31(), expected);
    }
    EXPECT_EQ(d.state(), 0x6A029796C5E29112u);
}

TEST(RandomGenerator, InterleavedDrawsFollowWordWiseReference) {
    for (std::uint32_t seed : {0u, 1u, 12345u, 1700000000u, 0xFFFFFFFFu}) {
        RandomSource source(seed);
        WordGenerator reference{seed * 22695477u + 1u};
        for (int i = 0; i < 5000; ++i) {
            // An irregular mix, so that each draw starts from a state the other one left.
            if ((i * 7) % 3 == 0) {
                const int value = source.rand15();
                ASSERT_EQ(value, reference.draw15()) << "seed " << seed << " call " << i;
                ASSERT_GE(value, 0);
                ASSERT_LE(value, 32767);
            } else {
                const int value = source.rand31();
                ASSERT_EQ(value, reference.draw31()) << "seed " << seed << " call " << i;
                ASSERT_GE(value, 0);
            }
            ASSERT_EQ(source.state(), reference.state());
        }
    }
}

// ---- Uniform rates -------------------------------------------------------------------------

TEST(RandomUniformRate, NoStepsGivesMinWithoutDraw) {
    RandomSource source(12345);
    const std::uint64_t before = source.state();
    EXPECT_EQ(source.uniformRate(2.0f, 2.0f), 2.0f);
    // 0.5 of a step truncates to none.
    EXPECT_EQ(source.uniformRate(0.0f, 0.005f), 0.0f);
    EXPECT_EQ(source.state(), before);
}

TEST(RandomUniformRate, OneStepStillDrawsOnce) {
    RandomSource source(12345);
    RandomSource twin(12345);
    // 101.5 - 100 truncates to one step: k is always 0, but a 31-bit draw is spent.
    EXPECT_EQ(source.uniformRate(1.0f, 1.015f), 1.0f);
    twin.rand31();
    EXPECT_EQ(source.state(), twin.state());
}

TEST(RandomUniformRate, FirstValuesForSeedAreSinglePrecisionSums) {
    // k = 142, 465, 128. For k = 128 a sum formed in double and then rounded would be
    // 5.28000021, the float nearest 5.28.
    RandomSource forward(12345);
    EXPECT_EQ(forward.uniformRate(4.0f, 9.0f), 5.42000008f);
    EXPECT_EQ(forward.uniformRate(4.0f, 9.0f), 8.64999962f);
    EXPECT_EQ(forward.uniformRate(4.0f, 9.0f), 5.27999973f);
    RandomSource reversed(12345);
    EXPECT_EQ(reversed.uniformRate(9.0f, 4.0f), 10.4200001f);
    EXPECT_EQ(reversed.uniformRate(9.0f, 4.0f), 13.6499996f);
    EXPECT_EQ(reversed.uniformRate(9.0f, 4.0f), 10.2799997f);
}

// Reversed bounds count up from the minimum: 9 to 4 gives 9.00 to 13.99.
TEST(RandomUniformRate, StaysOnHundredthsFromMinBelowItsEnd) {
    for (const auto& [from, to, seed, highest] :
         {std::tuple{4.0f, 9.0f, 1700000000u, 8.99}, std::tuple{9.0f, 4.0f, 99u, 13.99}}) {
        RandomSource source(seed);
        std::set<long> steps;
        float lowest = 100.0f;
        float top = -100.0f;
        for (int i = 0; i < 20000; ++i) {
            const float value = source.uniformRate(from, to);
            ASSERT_GE(value, from);
            ASSERT_LT(value, from + 5.0f);
            const double hundredths = (static_cast<double>(value) - from) * 100.0;
            ASSERT_NEAR(hundredths, std::round(hundredths), 1e-3);
            steps.insert(std::lround(hundredths));
            lowest = std::fmin(lowest, value);
            top = std::fmax(top, value);
        }
        EXPECT_EQ(steps.size(), 500u);
        EXPECT_EQ(lowest, from);
        EXPECT_NEAR(top, highest, 1e-5);
    }
}

TEST(RandomUniformRate, StepCountIsTruncatedInSinglePrecision) {
    // 0.29f * 100 rounds to 29 in float (28.99999... in double), so 0.28 must be reachable.
    RandomSource source(5);
    float highest = 0.0f;
    for (int i = 0; i < 3000; ++i) {
        highest = std::fmax(highest, source.uniformRate(0.0f, 0.29f));
    }
    EXPECT_NEAR(highest, 0.28, 1e-6);
}

// ---- Gaussian rates ------------------------------------------------------------------------

TEST(RandomGaussian, FirstDeviatesMatchWorkedValues) {
    RandomSource accepted(12345);
    EXPECT_FLOAT_EQ(accepted.gaussianRate(0.0f, 1.0f), 1.16280711f);
    EXPECT_EQ(accepted.state(), 0xAAA9DB94u); // one pair of 15-bit draws
    EXPECT_FLOAT_EQ(accepted.gaussianRate(0.0f, 1.0f), -0.737513363f);

    // The first pair of this seed falls outside the unit circle and is drawn again.
    RandomSource rejected(1);
    EXPECT_FLOAT_EQ(rejected.gaussianRate(0.0f, 1.0f), -0.291147679f);
    EXPECT_EQ(rejected.state(), 0xAD889112u); // two pairs
    EXPECT_FLOAT_EQ(rejected.gaussianRate(0.0f, 1.0f), -0.0899990648f);
}

TEST(RandomGaussian, SecondOfPairDrawsNothing) {
    RandomSource source(12345);
    const std::uint64_t seeded = source.state();
    source.gaussianRate(3.0f, 2.0f);
    const std::uint64_t afterFirst = source.state();
    EXPECT_NE(afterFirst, seeded);
    source.gaussianRate(3.0f, 2.0f);
    EXPECT_EQ(source.state(), afterFirst);
    source.gaussianRate(3.0f, 2.0f);
    EXPECT_NE(source.state(), afterFirst);
}

TEST(RandomGaussian, ProceduresKeepSeparateCaches) {
    RandomSource source(12345);
    const std::uint64_t seeded = source.state();
    source.gaussianRangeRate(0.0f, 8.0f, 0, 0, 0);
    const std::uint64_t afterRange = source.state();
    EXPECT_NE(afterRange, seeded);
    // The range procedure holds a spare, but this one has none of its own yet.
    source.gaussianRate(0.0f, 1.0f);
    const std::uint64_t afterRate = source.state();
    EXPECT_NE(afterRate, afterRange);
    source.gaussianRangeRate(0.0f, 8.0f, 0, 0, 0);
    source.gaussianRate(0.0f, 1.0f);
    EXPECT_EQ(source.state(), afterRate);
}

TEST(RandomGaussian, DeviateAndScaleKeepDoublePrecision) {
    // A mean that nearly cancels z * stdDev leaves the double-precision digits of z visible in
    // the float result: holding u unrounded would give 0.22498, sigma in float -0.40156.
    RandomSource rate(12345);
    EXPECT_NEAR(rate.gaussianRate(-1162807.0f, 1e6f), 0.13701807, 1e-6);
    EXPECT_NEAR(rate.gaussianRate(737513.0f, 1e6f), -0.347360402, 1e-6);
    RandomSource range(12345);
    EXPECT_NEAR(range.gaussianRangeRate(-4852539.0f, 2147461.0f, 0, 0, 0), -0.498458475, 1e-6);
}

TEST(RandomGaussian, RatesScaleTheDeviateWideningByTheirOwnFactor) {
    // sigma of 0..8 is 4 * 0.997 / 3; a factor of 10 doubles it, 5 makes it 1.5 times.
    const auto firstDraw = [](int distribution, int rangeFactor, int stdFactor) {
        RandomSource source(12345);
        return source.gaussianRangeRate(0.0f, 8.0f, distribution, rangeFactor, stdFactor);
    };
    EXPECT_FLOAT_EQ(firstDraw(0, 0, 0), 5.54575825f);
    EXPECT_FLOAT_EQ(firstDraw(0, 10, 0), 7.09151649f);
    EXPECT_FLOAT_EQ(firstDraw(0, 0, 10), 5.54575825f);
    EXPECT_FLOAT_EQ(firstDraw(2, 0, 10), 7.09151649f);
    EXPECT_FLOAT_EQ(firstDraw(2, 10, 0), 5.54575825f);
    EXPECT_FLOAT_EQ(firstDraw(1, 10, 10), 5.54575825f);
    EXPECT_NEAR(firstDraw(0, 5, 0) - 4.0f, 1.5f * (5.54575825f - 4.0f), 1e-5f);

    RandomSource range(12345);
    range.gaussianRangeRate(0.0f, 8.0f, 0, 0, 0);
    EXPECT_FLOAT_EQ(range.gaussianRangeRate(0.0f, 8.0f, 0, 0, 0), 3.01959896f);
    RandomSource rate(12345);
    EXPECT_FLOAT_EQ(rate.gaussianRate(5.0f, 2.0f), 7.32561445f);
    EXPECT_FLOAT_EQ(rate.gaussianRate(5.0f, 2.0f), 3.52497339f);
}

TEST(RandomGaussian, EqualBoundsGiveMidpointButStillDraw) {
    RandomSource source(12345);
    const std::uint64_t seeded = source.state();
    EXPECT_EQ(source.gaussianRangeRate(3.0f, 3.0f, 0, 10, 10), 3.0f);
    EXPECT_EQ(source.state(), 0xAAA9DB94u);
    EXPECT_NE(source.state(), seeded);
    // Its spare is the one the next range draw gets: y of the pair, scaled for 0..8.
    EXPECT_FLOAT_EQ(source.gaussianRangeRate(0.0f, 8.0f, 0, 0, 0), 3.01959896f);
    EXPECT_EQ(source.state(), 0xAAA9DB94u);
}

TEST(RandomGaussian, SpreadOverManyDraws) {
    const auto sample = [](int rangeFactor) {
        RandomSource source(20240101);
        std::vector<double> values;
        for (int i = 0; i < 20000; ++i) {
            values.push_back(source.gaussianRangeRate(0.0f, 8.0f, 0, rangeFactor, 0));
        }
        return values;
    };
    const std::vector<double> narrow = sample(0);
    EXPECT_NEAR(mean(narrow), 4.0, 0.05);
    EXPECT_NEAR(sampleStdDev(narrow), 1.33, 0.03);
    const std::vector<double> wide = sample(10);
    EXPECT_NEAR(mean(wide), 4.0, 0.1);
    EXPECT_NEAR(sampleStdDev(wide), 2.66, 0.06);

    RandomSource source(31);
    std::vector<double> rates;
    for (int i = 0; i < 20000; ++i) {
        rates.push_back(source.gaussianRate(7.0f, 0.5f));
    }
    EXPECT_NEAR(mean(rates), 7.0, 0.02);
    EXPECT_NEAR(sampleStdDev(rates), 0.5, 0.015);
}

} // namespace
} // namespace finplan
