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

TEST_F(CliCommands, MisuseHelpInfoRefusedUnopenableUnwritableResaveAndTheCheckedInSample) {
    std::vector<Byte> bytes = readAll(m_sample);
    bytes.resize(80 + 9 * 160 + 100); // the account table cut short
    writeAll(path("short.RET"), bytes);
    fs::create_directory(path("folder.RET"));
    writeAll(path("longer.RET"), std::vector<Byte>(40000, 0xAB));
    for (const char* word :
         {"usage", "help", "info", "refused", "unopenable", "unwritable", "resave", "sample"}) {
        run(word);
    }
#ifndef FINPLAN_CLI_GRAPHS
    run("no-graphs");
#endif
    EXPECT_TRUE(fs::is_directory(path("folder.RET")));
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
}

} // namespace
} // namespace finplan::test
