#include "engine/random_source.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <string>
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

// ---- Worked values -------------------------------------------------------------------------

// The first values of each procedure for a seed: tests/data/engine/random_draws.txt.
TEST(RandomSource, FirstValuesMatchWorkedValues) {
    test::forEachCase("engine/random_draws.txt", "", 25, [&](const test::CaseLine& c) {
        RandomSource source(static_cast<std::uint32_t>(std::stoul(c.input("seed"))));
        const auto argGroups = test::partsOf(c.input("args"), ';');
        const auto values = test::partsOf(c.answer("values"), ',');
        const double within = std::stod(c.answerOr("within", "0"));
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (c.word == "rand15" || c.word == "rand31") {
                EXPECT_EQ(c.word == "rand15" ? source.rand15() : source.rand31(),
                          std::stol(values[i]));
                return;
            }
            std::vector<float> a;
            for (const std::string& arg :
                 test::partsOf(argGroups[std::min(i, argGroups.size() - 1)], ',')) {
                a.push_back(std::stof(arg));
            }
            const float value =
                c.word == "uniform" ? source.uniformRate(a[0], a[1])
                : c.word == "gaussian"
                    ? source.gaussianRate(a[0], a[1])
                    : source.gaussianRangeRate(a[0], a[1], static_cast<int>(a[2]),
                                               static_cast<int>(a[3]), static_cast<int>(a[4]));
            if (within > 0.0) {
                EXPECT_NEAR(value, std::stod(values[i]), within);
            } else if (c.word == "uniform") {
                EXPECT_EQ(value, std::stof(values[i]));
            } else {
                EXPECT_FLOAT_EQ(value, std::stof(values[i]));
            }
        }
        const std::string state = c.answerOr("state", "");
        if (!state.empty()) {
            EXPECT_EQ(source.state(), std::stoull(state, nullptr, 16));
        }
    });
}

// ---- The generator -------------------------------------------------------------------------

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
