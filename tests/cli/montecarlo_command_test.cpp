#include "app/planner.h"
#include "cli_cases.h"
#include "cli_test_support.h"
#include "support/case_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace finplan::test {
namespace {

class CliMonteCarloTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(runCliWith({"sample", sample}).code, 0); }

    CliRun monteCarlo(std::vector<std::string> more) {
        std::vector<std::string> args = {"montecarlo", sample, "--today", "2026-12-06"};
        args.insert(args.end(), more.begin(), more.end());
        return runCliWith(args);
    }

    // The net worth column of the totals lines of `run --random-groups --seed S`, as "%.2f".
    std::vector<std::string> netWorths(const std::string& seed) {
        const CliRun run = runCliWith({"run", sample, "--workdir", dir.path().string(), "--today",
                                       "2026-12-06", "--random-groups", "--seed", seed});
        std::vector<std::string> column;
        for (const std::string& line : linesOf(run.out)) {
            if (line.size() > 4 && line[2] == '.' && line[5] == '\t') {
                std::string money = line.substr(line.rfind('\t') + 1);
                std::erase(money, '$');
                std::erase(money, ',');
                std::erase(money, ' ');
                char text[64];
                std::snprintf(text, sizeof text, "%.2f", std::strtod(money.c_str(), nullptr));
                column.emplace_back(text);
            }
        }
        return column;
    }

    TempDir dir;
    const std::string sample = (dir / "s.RET").string();
};

// Five trials from a seed near 2^32: each band of an age is one trial's net worth, and the
// trials are the single runs seeded 4294967294, 4294967295, 0, 1 and 2.
TEST_F(CliMonteCarloTest, TrialsAreTheRunsOfConsecutiveSeeds) {
    const CliRun mc = monteCarlo({"--trials", "5", "--seed", "4294967294", "--threads", "2"});
    ASSERT_EQ(mc.code, 0) << mc.err;
    const std::vector<std::string> lines = linesOf(mc.out);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Trials: 5");
    EXPECT_EQ(lines[1], "Seed: 4294967294");
    EXPECT_TRUE(lines[2].starts_with("Success: ")) << lines[2];
    std::vector<std::vector<std::string>> runs;
    for (const char* seed : {"4294967294", "4294967295", "0", "1", "2"}) {
        runs.push_back(netWorths(seed));
        ASSERT_EQ(runs.back().size(), 48u);
    }
    const auto header = std::find(lines.begin(), lines.end(), "Age\tP5\tP25\tP50\tP75\tP95");
    ASSERT_EQ(lines.end() - header, 49);
    for (std::size_t age = 0; age < 48; ++age) {
        std::vector<std::pair<double, std::string>> values;
        for (const auto& run : runs) {
            values.emplace_back(std::strtod(run[age].c_str(), nullptr), run[age]);
        }
        std::sort(values.begin(), values.end());
        std::string row = std::to_string(45 + age) + ".0";
        for (const auto& value : values) {
            row += "\t" + value.second;
        }
        EXPECT_EQ(header[static_cast<std::ptrdiff_t>(age) + 1], row);
    }
}

TEST_F(CliMonteCarloTest, WritesTheBandsAndTheChartAndRefusesScenariosWithoutRanges) {
#ifndef FINPLAN_CLI_GRAPHS
    GTEST_SKIP() << "built without drawing: no --png";
#endif
    const std::string csv = (dir / "mc.csv").string();
    const std::string png = (dir / "mc.png").string();
    const CliRun mc = monteCarlo({"--trials", "50", "--seed", "9", "--random-accounts", "--csv",
                                  csv, "--png", png, "--size", "400x300"});
    ASSERT_EQ(mc.code, 0) << mc.err;
    const std::vector<std::string> rows = linesOf(readText(csv));
    ASSERT_EQ(rows.size(), 49u);
    EXPECT_TRUE(rows[0].starts_with("Age,Net worth P5,")) << rows[0];
    EXPECT_TRUE(rows[48].starts_with("92.0,")) << rows[48];
    EXPECT_EQ(readText(png).substr(1, 3), "PNG");
    runCliCases("cli/montecarlo_runs.txt", "bad", dir.path());

    ScriptedDialogs dialogs;
    const FixedClock clock({2026, 12, 6, 0, 0, 0});
    Planner planner(dir.path(), dialogs, clock);
    ASSERT_TRUE(planner.load(sample));
    Scenario& s = planner.scenario();
    s.groups.groupRandomMax = s.groups.groupRandomMin;
    for (AccountRecord& account : s.accounts.accounts) {
        account.randomMaxRate = account.randomMinRate;
    }
    ASSERT_TRUE(planner.saveTo(sample));
    runCliCases("cli/montecarlo_runs.txt", "fixed", dir.path());
}

} // namespace
} // namespace finplan::test
