#include "editing/option_editor.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace finplan::test {
namespace {

TEST(ReportOptionsEditor, TickedTitlesStoreTheirTextUntickedKeepTheOld) {
    Scenario scenario;
    setFieldText(scenario.titles.title1, "Old one");
    setFieldText(scenario.titles.title2, "Old two");
    scenario.titles.useTitle2 = 1;
    scenario.prefs.reportBoxing = 1;
    ScriptedDialogs dialogs;
    auto editor = openReportOptionsEditor(scenario, dialogs);
    EXPECT_EQ(editor->texts().at("title-2"), "Old two");
    EXPECT_EQ(editor->texts().at("use-title-2"), "on");
    EXPECT_EQ(editor->texts().at("use-title-1"), "");
    EXPECT_EQ(editor->texts().at("use-rectangle-boxing-on-reports"), "on");
    const std::string longTitle(45, 'x');
    ASSERT_TRUE(editor
                    ->ok({{"title-1", "New one"},
                          {"title-2", "New two"},
                          {"use-title-2", ""},
                          {"title-3", longTitle},
                          {"use-title-3", "on"},
                          {"use-color-banding-on-reports", "on"},
                          {"use-columns-on-reports", "on"}})
                    .accepted());
    EXPECT_EQ(fieldText(scenario.titles.title1), "Old one");
    EXPECT_EQ(fieldText(scenario.titles.title2), "Old two");
    EXPECT_EQ(fieldText(scenario.titles.title3), std::string(39, 'x'));
    EXPECT_EQ((std::array<int, 3>{scenario.titles.useTitle1, scenario.titles.useTitle2,
                                  scenario.titles.useTitle3}),
              (std::array<int, 3>{0, 0, 1}));
    EXPECT_EQ((std::array<int, 3>{scenario.prefs.reportBanding, scenario.prefs.reportBoxing,
                                  scenario.prefs.reportColumns}),
              (std::array<int, 3>{1, 0, 1}));
    EXPECT_TRUE(scenario.modified);
    EXPECT_EQ(dialogs.transcript(), "");
}

// Margins accepted and refused: tests/data/editing/page_setup.txt.
TEST(PageSetupEditor, MarginsMustLeaveRoomOnTheTurnedSheet) {
    const auto cases = readCases("editing/page_setup.txt");
    ASSERT_EQ(cases.size(), 8u);
    for (const CaseLine& c : cases) {
        SCOPED_TRACE(c.where);
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
    }
}

TEST(PageSetupEditor, OrientationBoxesAreAPair) {
    Scenario scenario;
    scenario.prefs.printOption = 2;
    scenario.prefs.marginTop = 750;
    ScriptedDialogs dialogs;
    auto editor = openPageSetupEditor(scenario, dialogs);
    FieldTexts fields = editor->texts();
    EXPECT_EQ(fields.at("top-margin"), "750");
    EXPECT_EQ(fields.at("landscape"), "on");
    EXPECT_EQ(fields.at("portrait"), "");
    fields["portrait"] = "on";
    editor->click("portrait", fields);
    EXPECT_EQ(fields.at("landscape"), "");
    fields["portrait"] = "";
    editor->click("portrait", fields);
    EXPECT_EQ(fields.at("landscape"), "on");
}

} // namespace
} // namespace finplan::test
