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

TEST(CalcCommand, WorkedNumbersOrderMisuseFilesAndExitStatuses) {
    for (const char* word : {"worked", "order", "misuse", "files", "status"}) {
        run(word, TempDir());
    }
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

TEST_F(CalcWithScenario, ScheduleOfTheEventAndTheRefinancedScenario) {
    run("schedule", m_dir);
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
