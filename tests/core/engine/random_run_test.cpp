#include "engine/random_draws.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace finplan {
namespace {

struct RandomRun : ::testing::Test, test::EngineFixture {
    RandomSource random{7};

    RandomRun() {
        add("header start=60 end=64 inflation=3.5\n"
            "random distribution=1\n" // uniform: every rate on a 0.01 step
            "group index=0 name=Bonds min=1 max=5\n"
            "group index=1 name=Stocks min=-10 max=20");
        environment.random = &random;
        switches.detailedResults = true;
    }

    long count(std::string_view part) const { return static_cast<long>(linesWith(part).size()); }
};

TEST_F(RandomRun, GroupRatesAreShownOncePerGroupAndSummedUp) {
    add(test::textBlock("engine/random_run_scenarios.txt",
                        "GroupRatesAreShownOncePerGroupAndSummedUp"));
    switches.randomGroupRates = true;
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(count("  Uniform random group rates in effect."), 4);
    EXPECT_EQ(count("      Stocks rate="), 4); // one line for the group's two accounts
    EXPECT_EQ(count("      Bonds rate="), 4);
    EXPECT_EQ(count(" rate="), 8); // the empty account's group gets no line
    EXPECT_EQ(output.groupStats[1].count, 4);
    EXPECT_EQ(output.groupStats[2].count, 0);
    EXPECT_GE(output.groupStats[0].min, 1.0f);
    EXPECT_LT(output.groupStats[0].max, 5.0f);
    const auto lines = shownLines();
    const auto heading = std::find(lines.begin(), lines.end(), "Rate Statistics:");
    ASSERT_NE(heading, lines.end());
    EXPECT_TRUE((heading + 1)->starts_with("Average Bonds Rate    = "));
    EXPECT_TRUE((heading + 2)->starts_with("Average Stocks Rate    = "));
    EXPECT_EQ(scenario.header.inflationRate, 3.5f); // restored after the drawn years
}

TEST_F(RandomRun, AccountRatesAreDrawnWithinTheirRangeAndCounted) {
    AccountRecord& a = add("account name=A amount=1000 rate=5 min=2 max=3").account("A");
    switches.randomAccountRates = true;
    resetAccountRateStats(scenario);
    EXPECT_EQ(a.rateStatMin, 3.0f);
    EXPECT_EQ(a.rateStatMax, 2.0f);
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(count("  Uniform random account rates in effect."), 4);
    EXPECT_EQ(count("      A rate="), 4);
    EXPECT_EQ(scenario.slots.rateStatCount[a.slot], 4.0f);
    EXPECT_GE(a.rateStatMin, 2.0f);
    EXPECT_LT(a.rateStatMax, 3.0f);
    EXPECT_EQ(count("Average A Rate = "), 1);
    EXPECT_EQ(a.currentRate, 5.0f); // a drawn rate is for the year's growth only
}

TEST_F(RandomRun, TheSameSeedGivesTheSameRunAndTheGeneratorRunsOn) {
    add("account name=A amount=1000 rate=5 group=1");
    switches.randomGroupRates = true;
    ASSERT_EQ(run(), 1);
    const auto first = shownLines();
    ASSERT_EQ(run(), 1);
    EXPECT_NE(shownLines(), first); // a second run draws on from where the first stopped
    random = RandomSource(7);
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(shownLines(), first);
}

TEST_F(RandomRun, RandomRatesNeedTheirSwitch) {
    add("account name=A amount=1000 rate=5 group=1");
    const auto before = random.state();
    ASSERT_EQ(run(), 1);
    EXPECT_EQ(random.state(), before);
    EXPECT_EQ(count("rate="), 0);
    EXPECT_EQ(output.tables.years[1].investment, 1050.0f - 1000 * 0.05f * 0.15f);
}

} // namespace
} // namespace finplan
