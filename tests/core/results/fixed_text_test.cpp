#include "results/fixed_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

namespace finplan {
namespace {

std::string printed(double value, int precision, int width, bool left) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, left ? "%-*.*f" : "%*.*f", width, precision, value);
    return buffer;
}

// The fast path must print every value exactly as printf does, ties and widths included.
TEST(FixedText, MatchesPrintfForFloatsOfEveryMagnitude) {
    std::mt19937 rng(5);
    std::uniform_int_distribution<std::uint32_t> bits;
    int checked = 0;
    while (checked < 20000) {
        const float value = std::bit_cast<float>(bits(rng));
        if (!std::isfinite(value)) {
            continue;
        }
        for (const auto& [precision, width, left] :
             {std::tuple{2, 13, false}, std::tuple{1, 5, false}, std::tuple{2, 0, false},
              std::tuple{2, 13, true}}) {
            const std::string expected = printed(value, precision, width, left);
            ASSERT_EQ(fixedText(value, precision, width, left), expected) << value;
            std::string fast;
            appendFixed(fast, value, precision, width, left);
            ASSERT_EQ(fast, expected) << value;
        }
        ++checked;
    }
}

TEST(FixedText, TiesNonFiniteAndWideValuesLikePrintf) {
    for (const double value :
         {0.125, 0.375, 2.5, -0.005, double{0.005f}, 1e20, -0.0,
          std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(fixedText(value, 2, 13), printed(value, 2, 13, false)) << value;
        EXPECT_EQ(fixedText(value, 1), printed(value, 1, 0, false)) << value;
    }
    EXPECT_EQ(fixedText(-1234.5, 2, 13, true), "-1234.50     ");
    // Floats: ties go to even as printf's do; a tiny negative keeps its sign.
    for (const float value : {0.125f, 0.375f, 2.5f, -0.001f, -0.0f, 0.05f, 1e15f, 1e30f,
                              std::numeric_limits<float>::infinity()}) {
        std::string fast;
        appendFixed(fast, value, 2, 13);
        EXPECT_EQ(fast, printed(value, 2, 13, false)) << value;
        fast.clear();
        appendFixed(fast, value, 1);
        EXPECT_EQ(fast, printed(value, 1, 0, false)) << value;
    }
}

} // namespace
} // namespace finplan
