#include "cli/run_command.h"
#include "cli_cases.h"
#include "cli_test_support.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace finplan::test {
namespace {

// A work directory holding the sample scenario.
class CliRunTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(runCliWith({"sample", sample}).code, 0); }

    TempDir dir;
    const std::string sample = (dir / "s.RET").string();
};

TEST_F(CliRunTest, PrintsTheScheduleAndWritesTheFilesInTheWorkDirectory) {
    runCliCases("cli/run_runs.txt", "schedule", dir.path());
}

TEST_F(CliRunTest, AMissingWorkDirectoryIsMadeForTheUserAloneOrNamedWhenItCannotBe) {
    const auto made = dir / "new" / "work";
    const CliRun run = runCliWith({"run", sample, "--workdir", made.string()});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(std::filesystem::status(made).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
    EXPECT_EQ(std::filesystem::status(made / "plotinf01.tmp").permissions() &
                  std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    writeText(dir / "plain", "a file, not a folder");
    runCliCases("cli/run_runs.txt", "blocked", dir.path());
}

TEST(CliRun, TodayMustBeADate) {
    EXPECT_TRUE(cli::parseToday("2026-02-28").has_value());
    EXPECT_TRUE(cli::parseToday("2024-02-29").has_value());
    EXPECT_EQ(cli::parseToday("2026-02-28T23:59:58")->second, 58);
    runCliCases("cli/run_runs.txt", "today", TempDir().path());
}

TEST_F(CliRunTest, WritesScheduleExportsAndGraphCopyAndReplacesThemOnlyWithYes) {
    writeText(dir / "mine.csv", "mine");
    runCliCases("cli/run_runs.txt", "exports", dir.path());
}

TEST_F(CliRunTest, RandomGroupRatesAreReproducibleBySeed) {
    const std::vector<std::string> args = {
        "run",     sample,       "--workdir",       dir.path().string(),
        "--today", "2026-12-06", "--random-groups", "--seed",
        "7",       "--detailed"};
    const CliRun first = runCliWith(args);
    ASSERT_EQ(first.code, 0) << first.err;
    EXPECT_NE(first.out.find("\n  Gaussian range distribution random group rates in effect.\n"
                             "      Property rate="),
              std::string::npos);
    EXPECT_NE(first.out.find("\nRate Statistics:\nAverage Bond Funds Rate    = "),
              std::string::npos);
    EXPECT_EQ(runCliWith(args).out, first.out);
    std::vector<std::string> otherSeed = args;
    otherSeed[8] = "8";
    EXPECT_NE(runCliWith(otherSeed).out, first.out);
}

} // namespace
} // namespace finplan::test
