#include "engine/random_draws.h"
#include "engine/run_simulation.h"
#include "model/derived_totals.h"
#include "model/sample_scenario.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

namespace finplan {
namespace {

// One run's inputs: a scenario and how its rates are drawn.
struct Job {
    Scenario scenario;
    RunSwitches switches;
    std::uint32_t seed = 0;
};

struct Result {
    RunOutput output;
    std::vector<std::string> lines;
};

std::vector<Job> jobs() {
    std::vector<Job> all;
    for (int i = 0; i < 8; ++i) {
        Job job;
        job.scenario = makeSampleScenario();
        job.scenario.header.inflationRate = 2.0f + static_cast<float>(i) * 0.5f;
        job.scenario.header.endAge = 80.0f + static_cast<float>(i);
        job.switches.randomAccountRates = i % 3 == 1;
        job.switches.randomGroupRates = i % 3 == 2;
        job.switches.detailedResults = i % 2 == 0;
        job.seed = 1000u + static_cast<std::uint32_t>(i);
        all.push_back(job);
    }
    return all;
}

// A run with everything of its own: generator, dialogs, clock; tables and list only, so no
// two runs share a file.
Result runJob(Job job) {
    test::ScriptedDialogs dialogs;
    const FixedClock clock({2026, 12, 6, 9, 30, 5});
    RandomSource random(job.seed);
    RunEnvironment environment{std::filesystem::path("."), dialogs, clock, &random};
    Result result;
    deriveTotals(job.scenario);
    if (job.switches.randomAccountRates) {
        resetAccountRateStats(job.scenario);
    }
    const int ran = runSimulation(job.scenario, result.output, job.switches, environment,
                                  {.list = &result.output.schedule});
    EXPECT_EQ(ran, 1);
    for (const ScheduleLine& line : result.output.schedule.lines) {
        result.lines.push_back(line.text);
    }
    return result;
}

TEST(ParallelRuns, FourThreadsGiveTheTablesOfRunsOneAfterAnother) {
    const std::vector<Job> all = jobs();
    std::vector<Result> alone;
    for (const Job& job : all) {
        alone.push_back(runJob(job));
    }
    // Each thread runs every job a few times, starting at a different one, so that different
    // scenarios are in flight at once.
    constexpr int kThreads = 4;
    constexpr int kRounds = 3;
    std::vector<std::vector<Result>> side(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                for (std::size_t j = 0; j < all.size(); ++j) {
                    side[static_cast<std::size_t>(t)].push_back(
                        runJob(all[(j + static_cast<std::size_t>(t) * 2) % all.size()]));
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (int t = 0; t < kThreads; ++t) {
        const auto& results = side[static_cast<std::size_t>(t)];
        ASSERT_EQ(results.size(), all.size() * kRounds);
        for (std::size_t k = 0; k < results.size(); ++k) {
            const std::size_t j = (k % all.size() + static_cast<std::size_t>(t) * 2) % all.size();
            const ResultTables& expected = alone[j].output.tables;
            const ResultTables& got = results[k].output.tables;
            EXPECT_EQ(std::memcmp(&expected, &got, sizeof(ResultTables)), 0)
                << "thread " << t << " job " << j;
            EXPECT_EQ(results[k].lines, alone[j].lines) << "thread " << t << " job " << j;
        }
    }
    // The jobs differ, so equal tables above mean each run kept to its own scenario.
    EXPECT_NE(std::memcmp(&alone[0].output.tables, &alone[1].output.tables, sizeof(ResultTables)),
              0);
}

} // namespace
} // namespace finplan
