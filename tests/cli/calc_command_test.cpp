#include "cli_cases.h"
#include "cli_test_support.h"
#include "model/app_settings.h"
#include "model/scenario_file.h"
#include "model/scenario_image.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace finplan::test {
namespace {

// The runs and their answers are in tests/data/cli/calc_runs.txt.
void run(const std::string& word, const TempDir& dir) {
    runCliCases("cli/calc_runs.txt", word, dir.path());
}

TEST(CalcCommand, WorkedNumbers) {
    run("worked", TempDir());
}

TEST(CalcCommand, LinesComeInTheirOrderAndEmptyFieldsEndAtTheColon) {
    run("order", TempDir());
}

TEST(CalcCommand, MisuseExitsOne) {
    run("misuse", TempDir());
}

TEST(CalcCommand, FilesAreWrittenExactlyAndReplacedOnlyWithYes) {
    const TempDir dir;
    const std::string input = readText(testData("calculators/tradeoff/tradeinf.dat"));
    run("files", dir);
    EXPECT_EQ(readText(dir / "trade.tmp"),
              readText(testData("calculators/tradeoff/trade_3_periods.tmp")));
    std::string saved = input;
    saved.replace(saved.find("10.000000"), 9, "3.000000"); // the periods given
    EXPECT_EQ(readText(dir / "saved.dat"), saved);
    run("replace", dir); // both exist now
    EXPECT_EQ(readText(dir / "trade.tmp").substr(20, 10), "12.000000\n");
    // "-" puts the file alone on standard output.
    const CliRun toOutput =
        runCliWith({"calc", "tradeoff", testData("calculators/tradeoff/tradeinf.dat").string(),
                    "--save", "-"});
    EXPECT_EQ(toOutput.code, 0);
    EXPECT_EQ(toOutput.out, input);
}

TEST(CalcCommand, UnreadableInputExitsTwoUnwritableOutputThree) {
    run("status", TempDir());
}

// A scenario starting at 43 with one mortgage bought at 40.
class CalcWithScenario : public ::testing::Test {
protected:
    void SetUp() override {
        writeAll(m_dir / "house.RET", encodeScenarioImage(makeScenario(test::textBlock(
                                          "cli/calc_command_scenarios.txt",
                                          "UnreadableInputExitsTwoUnwritableOutputThree"))));
    }

    TempDir m_dir;
};

TEST_F(CalcWithScenario, ScheduleOfTheEventIsTheKnownFile) {
    run("schedule", m_dir);
    EXPECT_EQ(readAll(m_dir / "psched.tmp"), readAll(testData("calculators/psched/psched.tmp")));
}

TEST_F(CalcWithScenario, CreateSavesTheRefinancedScenario) {
    run("create", m_dir);
    Scenario read;
    AppSettings settings;
    ScriptedDialogs dialogs;
    read.fileName = (m_dir / "refinanced.RET").string();
    ASSERT_TRUE(readScenario(read, settings, dialogs));
    ASSERT_EQ(read.liveEventCount, 2);
    EXPECT_EQ(fieldText(read.events[0].name), "House");
    EXPECT_EQ(read.events[0].adjustRate, 45.0f);
    EXPECT_EQ(read.events[0].sellingExpenses, 0.0f);
    EXPECT_EQ(fieldText(read.events[1].name), "RF-House");
    EXPECT_EQ(read.events[1].startAge, 45.0f);
    EXPECT_EQ(read.events[1].closingCosts, 3000.0f);
}

} // namespace
} // namespace finplan::test
