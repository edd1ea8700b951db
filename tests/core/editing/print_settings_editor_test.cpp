#include "editing/option_editor.h"
#include "support/case_file.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace finplan::test {
namespace {

// Margins accepted and refused: tests/data/editing/page_setup.txt.
TEST(PageSetupEditor, MarginsMustLeaveRoomOnTheTurnedSheet) {
    forEachCase("editing/page_setup.txt", "", 8, [&](const CaseLine& c) {
        Scenario scenario;
        ScriptedDialogs dialogs;
        const CalcResult result =
            openPageSetupEditor(scenario, dialogs)->ok(textsOf<FieldTexts>(c.input("typed")));
        const std::string& refusal = c.answer("refusal");
        ASSERT_EQ(result.accepted(), refusal.empty());
        if (!refusal.empty()) {
            EXPECT_EQ(result.refusal->title + "|" + result.refusal->text, refusal);
        }
        EXPECT_EQ(scenario.prefs.printOption, std::stoi(c.answerOr("option", "0")));
        EXPECT_EQ(scenario.prefs.marginLeft, std::stoi(c.answerOr("left", "0")));
        EXPECT_EQ(scenario.prefs.marginBottom, std::stoi(c.answerOr("bottom", "0")));
    });
}

} // namespace
} // namespace finplan::test
