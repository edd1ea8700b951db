#include "cli_cases.h"
#include "cli_test_support.h"
#include "support/case_file.h"
#include "support/pdf_tools.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>

namespace finplan::test {
namespace {

namespace fs = std::filesystem;

std::string sample() {
    return testData("../../examples/sample.RET").string();
}

int pageNames(const CliRun& run) {
    return static_cast<int>(std::count(run.out.begin(), run.out.end(), '\n'));
}

CliRun cli(const TempDir& dir, std::vector<std::string> words) {
    words.insert(words.end(), {"--workdir", dir.path().string(), "--today", "2026-12-06T10:11:12"});
    return runCliWith(words);
}

TEST(PrintPdf, EveryReportPrintsItsPagesAfterATitlePage) {
    TempDir dir;
    int expected = 0;
    for (const char* kind : {"1", "2", "3", "4", "5", "6", "7", "8"}) {
        // A report with nothing in it (exit 4) is left out of the print.
        const CliRun pages = cli(dir, {"report", sample(), kind});
        ASSERT_TRUE(pages.code == 0 || pages.code == 4) << kind << pages.err;
        expected += pages.code == 0 ? pageNames(pages) + 1 : 0;
    }
    const fs::path pdf = dir / "all.pdf";
    const CliRun run = cli(dir, {"report", sample(), "all", "--pdf", pdf.string()});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(pdfPages(pdf), expected);
    const std::string text = pdfText(pdf);
    for (const char* seen :
         {"Page 1 of", "12/06/26", "10:11:12", "Net Worth Report",
          "Accounts/Incoming/Outgoing Report", "603500.00", "Liabilities", "Groups"}) {
        EXPECT_NE(text.find(seen), std::string::npos) << seen;
    }
}

TEST(PrintPdf, TheScheduleHonoursRangeCopiesAndCollate) {
    TempDir dir;
    const CliRun pages = cli(dir, {"print-schedule", sample()});
    ASSERT_EQ(pages.code, 0) << pages.err;
    const int n = pageNames(pages);
    ASSERT_GE(n, 3);
    struct Case {
        std::vector<std::string> options;
        int pages;
    };
    const std::vector<Case> cases = {
        {{}, n + 1},
        {{"--from", "2", "--to", "3"}, 3},
        {{"--copies", "2"}, 2 * (n + 1)},
        {{"--copies", "2", "--collate", "--from", "1"}, 2 * n},
        {{"--paper", "a4", "--landscape", "--margins", "500,500,500,500", "--banding", "--boxing",
          "--columns"},
         n + 1},
    };
    for (const Case& c : cases) {
        const fs::path pdf = dir / "schedule.pdf";
        std::vector<std::string> words = {"print-schedule", sample(), "--yes", "--pdf",
                                          pdf.string()};
        words.insert(words.end(), c.options.begin(), c.options.end());
        const CliRun run = cli(dir, words);
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(pdfPages(pdf), c.pages) << c.options.size();
    }
    const std::string text = pdfText(dir / "schedule.pdf");
    EXPECT_NE(text.find("Financial Schedule"), std::string::npos);
    EXPECT_NE(text.find("Page 1 of " + std::to_string(n)), std::string::npos);
    const std::string info = toolOutput("pdfinfo '" + (dir / "schedule.pdf").string() + "'");
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
}

TEST(PrintPdf, BadOptionsExistingFilesAndFailedJobsLeaveTheFileAlone) {
    TempDir dir;
    const fs::path old = dir / "old.pdf";
    writeText(old, "old");
    runCliCases("cli/print_runs.txt", "bad", dir.path());
    const CliRun replaced =
        cli(dir, {"report", sample(), "networth", "--yes", "--pdf", old.string()});
    EXPECT_EQ(replaced.code, 0) << replaced.err;
    EXPECT_GE(pdfPages(old), 2);
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        EXPECT_EQ(entry.path().filename().string().find(".part"), std::string::npos);
    }
}

} // namespace
} // namespace finplan::test
