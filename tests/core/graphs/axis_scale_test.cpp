#include "graphs/axis_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace finplan {
namespace {

void expectScale(const AxisScale& scale, float min, float step, float span) {
    EXPECT_EQ(scale.min, min);
    EXPECT_FLOAT_EQ(scale.step, step);
    EXPECT_FLOAT_EQ(scale.span, span);
}

// Each case worked through the nine steps by hand; the comments give the values at the
// turning points.
TEST(AutoScale, PositiveMaximaRoundUpToOneTwoFiveTenSpans) {
    // n 5, p 10^4, top 11000, raised to 13200; e 1.32 at k 4, so (1 + 1) x 10^4.
    expectScale(autoScale(0.0f, 12345.0f), 0.0f, 2000.0f, 20000.0f);
    // top 66000 already above; e 6.6 at k 4 and 6 > 5, so 10^5.
    expectScale(autoScale(0.0f, 60000.0f), 0.0f, 10000.0f, 100000.0f);
    // top 44000 raised once by 4400 to 48400; e 4.84, so (4 + 1) x 10^4.
    expectScale(autoScale(0.0f, 45000.0f), 0.0f, 5000.0f, 50000.0f);
    // A positive minimum is moved down to zero.
    expectScale(autoScale(500.0f, 12345.0f), 0.0f, 2000.0f, 20000.0f);
}

TEST(AutoScale, SmallMaximaKeepTheMultiplierOfOne) {
    // m stays 1 with n 0: top 11 x 1.1 = 12.1, e 1.21 at k 1, so 2 x 10.
    expectScale(autoScale(0.0f, 1.0f), 0.0f, 2.0f, 20.0f);
    // top trunc(5.5) x 1.1 = 5.5; e 5.5 at k 0 is not above 5, so 6.
    expectScale(autoScale(0.0f, 0.5f), 0.0f, 0.6f, 6.0f);
    // Everything zero: top 0, span (0 + 1) x 10^0.
    const AxisScale zero = autoScale(0.0f, 0.0f);
    expectScale(zero, 0.0f, 0.1f, 1.0f);
    EXPECT_FALSE(std::signbit(zero.min));
}

TEST(AutoScale, NegativeMinimumLandsOnAGridLineThroughZero) {
    // |min| 3000 gives candidate -3000, not above min; span 3000 + 12400 = 15400 becomes
    // 20000; the walk -1000, 1000 passes zero by 1000, so min = -4000.
    const AxisScale scale = autoScale(-3000.0f, 12345.0f);
    expectScale(scale, -4000.0f, 2000.0f, 20000.0f);
    EXPECT_EQ(scale.top(), 16000.0f);
    // Candidate -500 stays; top 5 x 10^3 x 1.1 = 5500; span 6000 gives e 6 > 5, so 10^4;
    // -500 + 1000 passes zero by 500, so min = -1000.
    expectScale(autoScale(-500.0f, 5000.0f), -1000.0f, 1000.0f, 10000.0f);
}

TEST(AutoScale, MinimumWidensAtMostThreeTimes) {
    // Candidate -10000 widened to -11000, -12000, -13000 and no further; span 13000
    // becomes 20000; the walk passes zero by 1000, so -14000.
    expectScale(autoScale(-12345.0f, 0.0f), -14000.0f, 2000.0f, 20000.0f);
    // Candidate -1000 widened only to -1300, above the data's -1950; span 1300 becomes 2000;
    // the walk passes zero by 100, so the axis starts at -1400 and the data reaches below it.
    expectScale(autoScale(-1950.0f, 0.0f), -1400.0f, 200.0f, 2000.0f);
}

TEST(AutoScale, WalkThatNeverReachesZeroKeepsTheMinimum) {
    // Candidate -1000 is not above -1000; e 10 at k 2 is above 5, so span 10^3, step 100;
    // nine steps reach only -100.
    expectScale(autoScale(-1000.0f, 0.0f), -1000.0f, 100.0f, 1000.0f);
}

TEST(AutoScale, WalkThatHitsZeroExactlyKeepsTheMinimum) {
    // Candidate -2000 stays; top 2200, raised by 420 to 2620 > 2500; span 4620 -> 5000,
    // step 500; -2000 + 4 x 500 is exactly zero.
    expectScale(autoScale(-2000.0f, 2500.0f), -2000.0f, 500.0f, 5000.0f);
}

TEST(AutoScale, NonFiniteValuesStillGiveAnAxis) {
    const float inf = std::numeric_limits<float>::infinity();
    const AxisScale scale = autoScale(0.0f, inf);
    EXPECT_GE(scale.span, 1.0f);
    EXPECT_EQ(scale.min, 0.0f);
}

TEST(ZoomScale, RunsFromZeroToTheMarkedTop) {
    expectScale(zoomScale(8000.0f), 0.0f, 800.0f, 8000.0f);
    expectScale(zoomScale(1234.5f), 0.0f, 123.45f, 1234.5f);
    expectScale(zoomScale(0.0f), 0.0f, 0.1f, 1.0f);
}

} // namespace
} // namespace finplan
