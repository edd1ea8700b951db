#include "model/text_field.h"
#include "results/run_logs.h"
#include "support/case_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace finplan {
namespace {

using test::readText;
using test::ScriptedDialogs;
using test::TempDir;

struct RunLogsFiles : ::testing::Test {
    TempDir dir;
    ScriptedDialogs dialogs;

    std::string bigfile() const { return readText(dir / "bigfile.tmp"); }
    std::string infile() const { return readText(dir / "infile.tmp"); }
    std::string outfile() const { return readText(dir / "outfile.tmp"); }
};

// The three files in `dir` as tests/data/results/run_logs/<known>_<file>.txt hold them;
// `skipped` is not checked.
void expectKnownFiles(const TempDir& dir, const std::string& known,
                      const std::string& skipped = "") {
    for (const std::string name : {"bigfile", "infile", "outfile"}) {
        if (name + ".tmp" != skipped) {
            EXPECT_EQ(readText(dir / (name + ".tmp")),
                      readText(test::testData("results/run_logs/" + known + "_" + name + ".txt")))
                << name;
        }
    }
}

AccountTable logAccounts() {
    AccountTable table;
    table.accountCount = 2;
    setFieldText(table.accounts[0].name, "Savings");
    setFieldText(table.accounts[1].name, "Roth IRA");
    setFieldText(table.accounts[2].name, "Left over from a deleted account");
    return table;
}

TEST_F(RunLogsFiles, TwoAccountsOverTwoYearsGiveExactFiles) {
    {
        RunLogs logs(dir.path(), dialogs);
        logs.accountList(logAccounts());

        logs.eventLine(65.0f, "Salary", 0, 52000.0f);
        logs.incomingLine(65.0f, "Savings", 1250.75f);
        logs.outgoingLine(65.0f, "Savings", 4000.0f);
        YearFlows flows;
        flows.taxableIncome = 100.5f;
        flows.nonTaxableIncome = 20.25f;
        flows.appreciation = 3000.0f;
        flows.taxes = 450.5f;
        flows.interestPaid = 12.0f;
        flows.withdrawals = 999.0f; // not one of the category lines
        logs.categoryLines(65.0f, flows);

        logs.eventLine(66.0f, "New car", 1, -18000.5f);
        logs.incomingLine(66.0f, "Roth IRA", 88.5f);
        logs.outgoingLine(66.0f, "Roth IRA", 250.5f);
        YearFlows second;
        second.sales = 7.0f;
        second.penalties = 75.25f;
        logs.categoryLines(66.0f, second);
        logs.finish();
    }
    EXPECT_TRUE(dialogs.shown.empty());
    expectKnownFiles(dir, "two_years");
}

TEST_F(RunLogsFiles, FieldWidthsAreMinimumsAndNegativesKeepTheirSign) {
    {
        RunLogs logs(dir.path(), dialogs);
        logs.eventLine(-2.5f, "x", -1, -0.5f);
        logs.eventLine(30.75f, "rounded", 3, 0.004f);
        logs.eventLine(100.0f, "wide age", 4, -1234567.0f);
        logs.eventLine(1234.5f, "wider", 5, 1125899906842624.0f);
        logs.incomingLine(-0.04f, "tiny", -0.004f);
    }
    EXPECT_EQ(bigfile(), test::textBlock("results/run_logs_texts.txt",
                                         "FieldWidthsAreMinimumsAndNegativesKeepTheirSign"));
    EXPECT_EQ(infile(), " -0.0\ttiny\t        -0.00\nDooone\n");
}

TEST_F(RunLogsFiles, EndMarkerIsWrittenOnceAndLaterLinesAreDropped) {
    {
        RunLogs logs(dir.path(), dialogs);
        logs.outgoingLine(70.0f, "Savings", 1.0f);
        logs.finish();
        logs.finish();
        logs.outgoingLine(71.0f, "Savings", 2.0f);
        logs.eventLine(71.0f, "late", 0, 2.0f);
        logs.accountList(logAccounts());
    } // the destructor must not add a second marker either
    EXPECT_EQ(outfile(), " 70.0\tSavings\t         1.00\nDooone\n");
    EXPECT_EQ(bigfile(), "Dooone\n");
    EXPECT_EQ(infile(), "Dooone\n");
}

TEST_F(RunLogsFiles, DestructorEndsFilesOfAnUnfinishedRun) {
    {
        RunLogs logs(dir.path(), dialogs);
        logs.accountList(AccountTable{});
    }
    EXPECT_EQ(infile(), "0\nDooone\n");
    EXPECT_EQ(bigfile(), "Dooone\n");
    EXPECT_EQ(outfile(), "Dooone\n");
}

TEST_F(RunLogsFiles, FilesAreCreatedAnewForEveryRun) {
    test::writeText(dir / "bigfile.tmp", "old run\nold run\nold run\n");
    RunLogs(dir.path(), dialogs).finish();
    EXPECT_EQ(bigfile(), "Dooone\n");
}

// A folder in the place of one file: that file is reported, the others are written.
TEST(RunLogsUncreatable, ReportsTheFileAndWritesTheOthers) {
    for (const auto& [fileName, shownName] :
         {std::pair{"bigfile.tmp", "bigfile.tmp"}, std::pair{"outfile.tmp", "iofile.tmp"},
          std::pair{"infile.tmp", "infile.tmp"}}) {
        SCOPED_TRACE(fileName);
        TempDir dir;
        ScriptedDialogs dialogs;
        std::filesystem::create_directory(dir / fileName);
        {
            RunLogs logs(dir.path(), dialogs);
            logs.accountList(logAccounts());
            logs.eventLine(65.0f, "Salary", 0, 10.0f);
            logs.incomingLine(65.0f, "Savings", 20.0f);
            logs.outgoingLine(65.0f, "Savings", 30.0f);
            logs.categoryLines(65.0f, YearFlows{});
            logs.finish();
        }
        ASSERT_EQ(dialogs.transcript(), "FILE ERROR|Cannot open temporary print file -- " +
                                            std::string(shownName) + "\n" +
                                            (dir / fileName).string() + ": Is a directory");
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Stop);
        expectKnownFiles(dir, "one_year", fileName);
    }
}

TEST(RunLogsMissingDirectory, ReportsAllThreeInCreationOrderAndWritesNothing) {
    ScriptedDialogs dialogs;
    const TempDir dir;
    const std::filesystem::path missing = dir / "no such folder";
    {
        RunLogs logs(missing, dialogs);
        logs.accountList(logAccounts());
        logs.categoryLines(65.0f, YearFlows{});
        logs.incomingLine(65.0f, "Savings", 1.0f);
        logs.outgoingLine(65.0f, "Savings", 1.0f);
    }
    const auto failed = [&](const std::string& shown, const std::string& file) {
        return "FILE ERROR|Cannot open temporary print file -- " + shown + "\n" +
               (missing / file).string() + ": No such file or directory";
    };
    EXPECT_EQ(dialogs.transcript(), failed("bigfile.tmp", "bigfile.tmp") + "\n" +
                                        failed("iofile.tmp", "outfile.tmp") + "\n" +
                                        failed("infile.tmp", "infile.tmp"));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace
} // namespace finplan
