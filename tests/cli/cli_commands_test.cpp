#include "cli_test_support.h"
#include "model/scenario_image.h"
#include "support/case_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace finplan::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsageText =
    "Usage: finplan-cli [--yes] COMMAND ARGUMENTS...\n"
    "\n"
    "Commands:\n"
    "  info SCENARIO.RET       show the header values, accounts and events of a scenario\n"
    "  resave IN.RET OUT.RET   read IN and write it to OUT as a full scenario file\n"
    "  sample OUT.RET          write the built-in sample scenario to OUT\n"
    "  run SCENARIO.RET        simulate the scenario and print its schedule\n"
    "  montecarlo SCENARIO.RET  many runs with random rates: success rate, red flags and\n"
    "                          net worth percentiles by age\n"
    "  list SCENARIO.RET       print the scenario description lines, one per line\n"
    "  edit SCENARIO.RET (--out OUT.RET | --dry-run) TARGET [--set KEY=TEXT]...\n"
    "                          add, change, copy or delete an event, or change the initial\n"
    "                          values, with the editors' own checks\n"
    "  report SCENARIO.RET KIND  write a report's page files and print their names\n"
    "  print-schedule SCENARIO.RET  write the printed schedule's page files\n"
    "  print-table KIND FILE   write the print pages of a budget, mortgage, budget-sheet\n"
    "                          or refinance table file\n"
    "  budget SCENARIO.RET N [OUT.RET]  show or change budget N (1 to 5) as the Budget\n"
    "                          dialog does\n"
    "  calc KIND OPTIONS...    run a calculator: mortgage, refinance, accelerated, inflation,\n"
    "                          effective-rate, investment, card-payoff, tradeoff [FILE]\n"
    "  import-accounts FILE OUT.RET  a new scenario with the accounts of a bank statement\n"
    "  update-accounts SCENARIO.RET FILE OUT.RET  set the accounts' initial amounts from a\n"
    "                          bank statement\n"
    "\n"
    "Run \"finplan-cli --help\" for the options and exit statuses.\n";

// A scenario written by the sample command in a fresh directory.
class CliCommands : public ::testing::Test {
protected:
    void SetUp() override {
        m_sample = (m_dir / "sample.RET").string();
        const CliRun run = runCliWith({"sample", m_sample});
        ASSERT_EQ(run.code, 0) << run.err;
        ASSERT_EQ(run.err, "");
        ASSERT_EQ(run.out, "");
    }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    TempDir m_dir;
    std::string m_sample;
};

TEST(CliUsage, MisuseExitsOneWithTheProblemAndTheUsageOnStderr) {
    struct Case {
        std::vector<std::string> args;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {{}, "no command given"},
        {{"--yes"}, "no command given"},
        {{"simulate", "x.RET"}, "unknown command \"simulate\""},
        {{"run", "x.RET", "--today"}, "option \"--today\" needs a value"},
        {{"run", "x.RET", "--colour", "4"}, "unknown option \"--colour\""},
        {{"INFO", "x.RET"}, "unknown command \"INFO\""},
        {{"info"}, "info takes 1 file name, got 0"},
        {{"info", "a.RET", "b.RET"}, "info takes 1 file name, got 2"},
        {{"resave", "a.RET"}, "resave takes 2 file names, got 1"},
        {{"resave", "a.RET", "b.RET", "c.RET"}, "resave takes 2 file names, got 3"},
        {{"sample"}, "sample takes 1 file name, got 0"},
        {{"sample", "a.RET", "b.RET"}, "sample takes 1 file name, got 2"},
        {{"--force", "info", "x.RET"}, "unknown option \"--force\""},
        {{"info", "x.RET", "-y"}, "unknown option \"-y\""},
#ifndef FINPLAN_CLI_GRAPHS
        // Built without drawing, the command line has no graphs.
        {{"graph", "x.RET", "--kind", "1", "--png", "a.png"}, "unknown command \"graph\""},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.problem);
        const CliRun run = runCliWith(c.args);
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "finplan-cli: " + c.problem + "\n\n" + kUsageText);
    }
}

TEST(CliUsage, HelpGoesToStdoutAndWinsOverEverythingElse) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"-h"}, {"bogus", "--help"}, {"info", "--help"}, {"--nope", "-h"}}) {
        const CliRun run = runCliWith(args);
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out.rfind("Usage: finplan-cli [--yes] COMMAND ARGUMENTS...\n", 0), 0u);
        EXPECT_NE(run.out.find("  --yes                   answer Yes to every question"),
                  std::string::npos);
        EXPECT_NE(run.out.find("Exit status:\n"
                               "  0  success\n"
                               "  1  usage error: unknown command or option, wrong number of "
                               "arguments\n"
                               "  2  the scenario could not be read (missing or refused file)\n"
                               "  3  the scenario could not be written\n"),
                  std::string::npos);
    }
}

TEST_F(CliCommands, InfoShowsHeaderTotalsAccountsAndEventsAligned) {
    const CliRun run = runCliWith({"info", m_sample});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::string head = readText(testData("cli/sample_info_head.txt"));
    head.replace(head.find("@SCENARIO"), 9, m_sample);
    const std::vector<std::string> expectedHead = linesOf(head);
    const std::vector<std::string> got = linesOf(run.out);
    ASSERT_GE(got.size(), expectedHead.size());
    for (std::size_t i = 0; i < expectedHead.size(); ++i) {
        EXPECT_EQ(got[i], expectedHead[i]) << "line " << i;
    }
    // Non-liquid accounts keep the blank access order.
    EXPECT_NE(run.out.find("\n   5  Car                            Asset                     "
                           "12000.00    -15.00            5\n"),
              std::string::npos);
    const std::string events = "\n"
                               "   #  Event               Start     End  Name\n"
                               "   0  Deposit             45.00   61.00  401(k) contributions\n"
                               "   1  Deposit             45.00   61.00  Salary\n"
                               "   2  Credit Card Debt    45.00   50.00  Visa Card\n";
    EXPECT_NE(run.out.find(events), std::string::npos) << run.out;
    EXPECT_EQ(got.back(), "   9  RMD Distribution    72.00  120.00  IRS Uniform -- RMD withdrawal "
                          "option in effect using Table 1.");
    EXPECT_EQ(got.size(), 36u);
}

TEST_F(CliCommands, ResaveReproducesTheFileByteForByte) {
    const std::string copy = path("copy.RET");
    const CliRun run = runCliWith({"resave", m_sample, copy});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readAll(copy), readAll(m_sample));

    // Onto itself, and over a longer file, which is replaced rather than patched.
    EXPECT_EQ(runCliWith({"resave", copy, copy}).code, 0);
    EXPECT_EQ(readAll(copy), readAll(m_sample));
    const std::string longer = path("longer.RET");
    writeAll(longer, std::vector<Byte>(40000, 0xAB));
    EXPECT_EQ(runCliWith({"resave", m_sample, longer}).code, 0);
    EXPECT_EQ(readAll(longer), readAll(m_sample));
}

TEST_F(CliCommands, ResaveKeepsTheReportSettingsTheFileHolds) {
    // Margins, print option and report switches live in the file's preferences block; the
    // write must store back what the read put into force, not the program's defaults.
    std::vector<Byte> bytes = readAll(m_sample);
    const std::size_t prefsAt = kScenarioFixedBytes + 9 * 160 - 5 * 1398 - 152;
    const auto putInt = [&](std::size_t at, int value) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + static_cast<std::size_t>(i)] = static_cast<Byte>(value >> (8 * i));
        }
    };
    putInt(prefsAt + 8, 1);     // reportColumns
    putInt(prefsAt + 132, 750); // marginLeft
    putInt(prefsAt + 148, 0);   // printOption
    const std::string edited = path("edited.RET");
    const std::string copy = path("copy.RET");
    writeAll(edited, bytes);
    ASSERT_EQ(runCliWith({"resave", edited, copy}).code, 0);
    EXPECT_EQ(readAll(copy), bytes);
}

TEST_F(CliCommands, RefusedFileExitsTwoWithTheReadersMessageOnly) {
    const std::string shortFile = path("short.RET");
    std::vector<Byte> bytes = readAll(m_sample);
    bytes.resize(80 + 9 * 160 + 100); // the account table cut short
    writeAll(shortFile, bytes);
    const std::string out = path("out.RET");
    const std::string message =
        shortFile + " doesn't seem to be a valid Tarvel Financial Planner file.\n";
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"info", shortFile}, {"resave", shortFile, out}}) {
        const CliRun run = runCliWith(args);
        EXPECT_EQ(run.code, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, message);
    }
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliCommands, UnopenableInputExitsTwoWithoutTouchingTheOutput) {
    const std::string missing = path("missing.RET");
    const std::string directory = path("folder.RET");
    fs::create_directory(directory);
    const std::string out = path("out.RET");
    for (const std::string& input : {missing, directory}) {
        for (const std::vector<std::string>& args :
             std::vector<std::vector<std::string>>{{"info", input}, {"resave", input, out}}) {
            const CliRun run = runCliWith(args);
            EXPECT_EQ(run.code, 2);
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, "Cannot open " + input + "\n");
        }
    }
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliCommands, UnwritableOutputExitsThree) {
    const std::string directory = path("folder.RET");
    fs::create_directory(directory);
    const std::string noFolder = path("no-such-folder/out.RET");
    struct Case {
        std::vector<std::string> args;
        std::string target;
    };
    for (const Case& c : std::vector<Case>{{{"sample", directory}, directory},
                                           {{"sample", noFolder}, noFolder},
                                           {{"resave", m_sample, noFolder}, noFolder}}) {
        const CliRun run = runCliWith(c.args);
        EXPECT_EQ(run.code, 3);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "Cannot create " + c.target + "\n");
    }
    EXPECT_TRUE(fs::is_directory(directory));
}

TEST_F(CliCommands, YesIsAcceptedAnywhereAndChangesNothingWhenNothingIsAsked) {
    const CliRun plain = runCliWith({"info", m_sample});
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--yes", "info", m_sample},
                                               {"info", "--yes", m_sample},
                                               {"info", m_sample, "--yes"}}) {
        const CliRun run = runCliWith(args);
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, plain.out);
    }
    const std::string copy = path("copy.RET");
    EXPECT_EQ(runCliWith({"resave", "--yes", m_sample, copy}).code, 0);
    EXPECT_EQ(readAll(copy), readAll(m_sample));
}

} // namespace
} // namespace finplan::test
