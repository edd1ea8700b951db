#include "cli/run_command.h"
#include "cli_test_support.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace finplan::test {
namespace {

TEST(CliRun, PrintsTheScheduleAndWritesTheFilesInTheWorkDirectory) {
    TempDir dir;
    const std::string sample = (dir / "s.RET").string();
    ASSERT_EQ(runCliWith({"sample", sample}).code, 0);
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

TEST(CliRun, TodayMustBeADate) {
    EXPECT_TRUE(cli::parseToday("2026-02-28").has_value());
    EXPECT_EQ(cli::parseToday("2026-02-28T23:59:58")->second, 58);
    for (const char* bad :
         {"2026-13-01", "2026-02-28T24:00:00", "28.02.2026", "2026-02-28x", "2026-02-28T1:2"}) {
        EXPECT_FALSE(cli::parseToday(bad).has_value()) << bad;
    }
    const CliRun run = runCliWith({"run", "x.RET", "--today", "yesterday"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err,
              "finplan-cli: --today takes YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS, got \"yesterday\"\n");
}

} // namespace
} // namespace finplan::test
