#include "model/sample_scenario.h"
#include "montecarlo/monte_carlo.h"
#include "montecarlo/result_text.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace finplan {
namespace {

const LocalDateTime kNow{2026, 12, 6, 9, 30, 5};

TEST(MonteCarlo, NearestRankPercentilesOfSmallSets) {
    struct Case {
        std::vector<float> values;
        Bands expected;
    };
    std::vector<float> twenty;
    for (int i = 20; i >= 1; --i) {
        twenty.push_back(static_cast<float>(i));
    }
    const std::vector<Case> cases = {
        {{30, -10, 20, 50, 0, 40, 10}, {-10, 0, 20, 40, 50}},
        {twenty, {1, 5, 10, 15, 19}},
        {{5}, {5, 5, 5, 5, 5}},
        {{}, {0, 0, 0, 0, 0}},
    };
    for (Case c : cases) {
        EXPECT_EQ(bandsOf(c.values), c.expected) << c.values.size() << " values";
    }
}

// Four trials over two ages, with their red flags, summarized and printed.
TEST(MonteCarlo, SummaryOfAHandMadeSetOfTrials) {
    TrialSamples samples{
        {45.0f, 46.0f}, AgeSamples(2, 4), AgeSamples(2, 4), std::vector<TrialOutcome>(4)};
    const float netWorth[2][4] = {{100, 300, 200, 400}, {-50, 10, 30, 20}};
    const float liquid[2][4] = {{1, 2, 3, 4}, {4, 3, 2, 1}};
    for (int age = 0; age < 2; ++age) {
        for (int t = 0; t < 4; ++t) {
            samples.netWorth.set(age, t, netWorth[age][t]);
            samples.liquid.set(age, t, liquid[age][t]);
        }
    }
    samples.outcomes[0].flagAges = {-1, 84, -1, -1, -1, 90};
    samples.outcomes[2].flagAges = {60, 80, -1, -1, -1, -1};
    samples.outcomes[3].flagAges = {-1, 90, -1, -1, 70, -1};
    MonteCarloResult result = summarizeTrials(samples);
    result.seed = 7;
    EXPECT_EQ(result.liquid, (std::vector<Bands>{{1, 1, 2, 3, 4}, {1, 1, 2, 3, 4}}));
    EXPECT_EQ(result.finalNetWorth(), (Bands{-50, -50, 10, 20, 30}));
    EXPECT_EQ(summaryLines(result),
              test::linesOf(test::textBlock("montecarlo/summary.txt", "summary lines")));
    EXPECT_EQ(bandsCsv(result), test::textBlock("montecarlo/summary.txt", "bands csv"));
    result.trials = 10000;
    result.successes = 9340;
    EXPECT_EQ(successLine(result), "Success: 93.40% (9,340 of 10,000)");
    EXPECT_EQ(chartHeading(result), "Net worth of 10,000 trials");
}

TEST(MonteCarlo, TheResultDoesNotDependOnTheThreadCount) {
    for (const RandomMode mode : {RandomMode::Groups, RandomMode::Accounts}) {
        std::vector<MonteCarloResult> results;
        for (const int threads : {1, 2, 4}) {
            const MonteCarloJob job(makeSampleScenario(), {120, 4294967290u, threads, mode}, kNow);
            const MonteCarloOutcome outcome = job.run();
            ASSERT_EQ(outcome.status, MonteCarloStatus::Done);
            results.push_back(outcome.result);
        }
        EXPECT_EQ(results[0].trials, 120);
        EXPECT_EQ(results[0].ages.size(), 48u);
        // The trials differ, or equal bands would prove nothing.
        EXPECT_LT(results[0].netWorth.back()[0], results[0].netWorth.back()[4]);
        EXPECT_EQ(results[1], results[0]);
        EXPECT_EQ(results[2], results[0]);
    }
}

// After Cancel each thread finishes at most the trial it is in, and the run returns at once.
TEST(MonteCarlo, CancelStopsTheTrialsPromptly) {
    const MonteCarloJob job(makeSampleScenario(), {kMaxTrials, 1, 2, RandomMode::Groups}, kNow);
    std::atomic<int> done{0};
    std::stop_source stop;
    MonteCarloOutcome outcome;
    std::thread runner([&] { outcome = job.run(stop.get_token(), &done); });
    while (done.load() < 20) {
        std::this_thread::yield();
    }
    const auto asked = std::chrono::steady_clock::now();
    stop.request_stop();
    const int doneWhenAsked = done.load();
    runner.join();
    EXPECT_EQ(outcome.status, MonteCarloStatus::Cancelled);
    EXPECT_LE(done.load() - doneWhenAsked, 2);
    EXPECT_LE(std::chrono::steady_clock::now() - asked, std::chrono::seconds(1));
}

TEST(MonteCarlo, AScenarioWithoutRandomRangesIsRefused) {
    Scenario plain = makeSampleScenario();
    plain.groups.groupRandomMax = plain.groups.groupRandomMin;
    EXPECT_EQ(defaultRandomMode(plain), RandomMode::Accounts);
    for (AccountRecord& account : plain.accounts.accounts) {
        account.randomMaxRate = account.randomMinRate;
    }
    EXPECT_EQ(defaultRandomMode(plain), std::nullopt);
    const MonteCarloOutcome outcome =
        MonteCarloJob(plain, {10, 1, 1, RandomMode::Groups}, kNow).run();
    EXPECT_EQ(outcome.status, MonteCarloStatus::Refused);
    EXPECT_EQ(outcome.refusal.title, "MONTE CARLO");
    EXPECT_EQ(outcome.refusal.text, kNoRandomRatesText);
}

} // namespace
} // namespace finplan
