#include "cli_cases.h"
#include "cli_test_support.h"
#include "model/scenario_image.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace finplan::test {
namespace {

// A small plan on disk; the runs and their answers are in tests/data/cli/edit_runs.txt.
class EditCommand : public ::testing::Test {
protected:
    void SetUp() override {
        writeAll(m_dir / "plan.RET", encodeScenarioImage(makeScenario(test::textBlock(
                                         "cli/edit_command_scenarios.txt", "scenario"))));
    }

    void run(const std::string& word) const {
        runCliCases("cli/edit_runs.txt", word, m_dir.path());
    }

    TempDir m_dir;
};

TEST_F(EditCommand, ListPrintsTheDescriptionLines) {
    run("list");
}

TEST_F(EditCommand, SuccessfulEditsPrintTheEventsLinesAndComputedValues) {
    run("edited");
}

TEST_F(EditCommand, RefusalsPrintTitleAndTextWriteNothingAndExitFour) {
    run("refused");
}

TEST_F(EditCommand, BirthdayStartAgesFollowToday) {
    run("birthday");
}

TEST_F(EditCommand, CalculateAndDryRunWriteNothing) {
    const auto before = readAll(m_dir / "plan.RET");
    const CliRun dry =
        runCliWith({"edit", (m_dir / "plan.RET").string(), "--delete-event", "1", "--dry-run"});
    EXPECT_EQ(dry.code, 0) << dry.err;
    EXPECT_EQ(readAll(m_dir / "plan.RET"), before);
    run("calculate");
}

TEST_F(EditCommand, MisuseExitsOne) {
    writeText(m_dir / "taken.RET", "keep");
    run("misuse");
    EXPECT_EQ(readText(m_dir / "taken.RET"), "keep");
}

TEST_F(EditCommand, LinesOfTheSamplesOptionEventsNameTheirEditor) {
    run("sample");
}

} // namespace
} // namespace finplan::test
