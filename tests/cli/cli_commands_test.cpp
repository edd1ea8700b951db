#include "cli_cases.h"
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
    void run(const std::string& word) const {
        runCliCases("cli/command_runs.txt", word, m_dir.path());
    }

    TempDir m_dir;
    std::string m_sample;
};

TEST_F(CliCommands, MisuseExitsOneWithTheProblemAndTheUsageOnStderr) {
    run("usage");
#ifndef FINPLAN_CLI_GRAPHS
    run("no-graphs");
#endif
}

TEST_F(CliCommands, HelpGoesToStdoutAndWinsOverEverythingElse) {
    run("help");
}

TEST_F(CliCommands, InfoShowsHeaderTotalsAccountsAndEventsAligned) {
    const CliRun info = runCliWith({"info", m_sample});
    ASSERT_EQ(info.code, 0) << info.err;
    EXPECT_EQ(info.err, "");
    std::string head = readText(testData("cli/sample_info_head.txt"));
    head.replace(head.find("@SCENARIO"), 9, m_sample);
    const std::vector<std::string> expectedHead = linesOf(head);
    const std::vector<std::string> got = linesOf(info.out);
    ASSERT_GE(got.size(), expectedHead.size());
    for (std::size_t i = 0; i < expectedHead.size(); ++i) {
        EXPECT_EQ(got[i], expectedHead[i]) << "line " << i;
    }
    run("info");
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
    std::vector<Byte> bytes = readAll(m_sample);
    bytes.resize(80 + 9 * 160 + 100); // the account table cut short
    writeAll(path("short.RET"), bytes);
    run("refused");
}

TEST_F(CliCommands, UnopenableInputExitsTwoUnwritableOutputThree) {
    fs::create_directory(path("folder.RET"));
    run("unopenable");
    run("unwritable");
    EXPECT_TRUE(fs::is_directory(path("folder.RET")));
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
