#include "cli/run_command.h"
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
    const CliRun run = runCliWith({"run", sample, "--workdir", dir.path().string(), "--today",
                                   "2026-12-06T10:11:12", "--summary"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("45.0 \t     $85,000.00\t     $40,000.00\t"));
    EXPECT_EQ(run.out.find("------"), std::string::npos);
    EXPECT_NE(run.out.find("\nSummary:\n    Total Incoming="), std::string::npos);
    EXPECT_NE(run.out.find("\n92.0 \t"), std::string::npos);
    for (const char* name : {"bigfile.tmp", "infile.tmp", "outfile.tmp"}) {
        EXPECT_TRUE(readText(dir / name).ends_with("Dooone\n")) << name;
    }
    const std::string plot = readText(dir / "plotinf01.tmp");
    EXPECT_TRUE(
        plot.starts_with("1\nFile: " + sample + "\nDate: 12/06/26\nTime: 10:11:12\n48.00\n6\n"));
    EXPECT_TRUE(plot.ends_with("Done\n"));
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
    const CliRun blocked = runCliWith({"run", sample, "--workdir", (dir / "plain/work").string()});
    EXPECT_EQ(blocked.code, 3);
    EXPECT_EQ(blocked.err, "finplan-cli: cannot create the work directory " +
                               (dir / "plain/work").string() + ": Not a directory\n");
    EXPECT_EQ(blocked.out, "");
}

TEST(CliRun, TodayMustBeADate) {
    EXPECT_TRUE(cli::parseToday("2026-02-28").has_value());
    EXPECT_TRUE(cli::parseToday("2024-02-29").has_value());
    EXPECT_EQ(cli::parseToday("2026-02-28T23:59:58")->second, 58);
    for (const char* bad :
         {"2026-13-01", "2026-02-28T24:00:00", "28.02.2026", "2026-02-28x", "2026-02-28T1:2",
          "2024-02-31", "2023-02-29", "2026-04-31", "-001-01-01", "0000-01-01"}) {
        EXPECT_FALSE(cli::parseToday(bad).has_value()) << bad;
    }
    const CliRun run = runCliWith({"run", "x.RET", "--today", "yesterday"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err,
              "finplan-cli: --today takes YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS, got \"yesterday\"\n");
}

TEST_F(CliRunTest, WritesScheduleExportsAndGraphCopyAndReplacesThemOnlyWithYes) {
    const std::string sch = (dir / "s.sch").string();
    const std::string csv = (dir / "e.csv").string();
    const std::string tve = (dir / "e.tve").string();
    const std::string tvp = (dir / "g.tvp").string();
    const std::vector<std::string> args = {
        "run",           sample,       "--workdir",    dir.path().string(),
        "--today",       "2026-12-06", "--schedule",   sch,
        "--export-csv",  csv,          "--export-tab", tve,
        "--save-graphs", tvp};
    const CliRun first = runCliWith(args);
    ASSERT_EQ(first.code, 0) << first.err;
    EXPECT_TRUE(readText(csv).starts_with("Age,Family Home,Car,Brokerage Account,"));
    EXPECT_TRUE(readText(tve).starts_with("Age\tFamily Home\tCar\tBrokerage Account\t"));
    EXPECT_NE(readText(sch).find("\n" + std::string(175, '-') + "\n92.0 \t"), std::string::npos);
    EXPECT_EQ(readText(tvp), readText(dir / "plotinf01.tmp"));

    writeText(csv, "mine");
    const CliRun refused = runCliWith(args);
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find(tve + " was not overwritten (add --yes to replace it)"),
              std::string::npos);
    EXPECT_EQ(readText(csv), "mine");

    std::vector<std::string> withYes = args;
    withYes.push_back("--yes");
    EXPECT_EQ(runCliWith(withYes).code, 0);
    EXPECT_TRUE(readText(csv).starts_with("Age,"));
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
    const CliRun both = runCliWith({"run", sample, "--random-groups", "--random-accounts"});
    EXPECT_EQ(both.code, 1);
}

} // namespace
} // namespace finplan::test
