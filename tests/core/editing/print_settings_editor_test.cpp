#include "editing/option_editor.h"
#include "model/text_field.h"
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

TEST(PageSetupEditor, MarginsMustLeaveRoomOnTheTurnedSheet) {
    struct Case {
        std::array<const char*, 4> margins;
        bool landscape;
        std::string refusal; // empty: stored
    };
    const std::vector<Case> cases = {
        {{"1000", "1000", "500", "1000"}, false, ""},
        {{"0", "0", "0", "0"}, true, ""},
        {{"4000", "500", "4499", "500"}, false, ""},
        {{"4000", "500", "4500", "500"},
         false,
         "Page Setup|The margins leave no room on the page."},
        {{"4000", "500", "4500", "500"}, true, ""},
        {{"500", "4000", "500", "4500"}, true, "Page Setup|The margins leave no room on the page."},
        {{"500", "5000", "500", "5999"}, false, ""},
        {{"-1", "0", "0", "0"}, false, "Page Setup|Margins are whole thousandths of an inch."},
    };
    for (const Case& c : cases) {
        Scenario scenario;
        ScriptedDialogs dialogs;
        auto editor = openPageSetupEditor(scenario, dialogs);
        const CalcResult result = editor->ok({{"left-margin", c.margins[0]},
                                              {"top-margin", c.margins[1]},
                                              {"right-margin", c.margins[2]},
                                              {"bottom-margin", c.margins[3]},
                                              {"landscape", c.landscape ? "on" : ""},
                                              {"portrait", c.landscape ? "" : "on"}});
        const std::string where = std::string(c.margins[0]) + "," + c.margins[2];
        if (c.refusal.empty()) {
            ASSERT_TRUE(result.accepted()) << where;
            EXPECT_EQ(scenario.prefs.marginLeft, std::atoi(c.margins[0])) << where;
            EXPECT_EQ(scenario.prefs.marginBottom, std::atoi(c.margins[3])) << where;
            EXPECT_EQ(scenario.prefs.printOption, c.landscape ? 2 : 1) << where;
        } else {
            ASSERT_FALSE(result.accepted()) << where;
            EXPECT_EQ(result.refusal->title + "|" + result.refusal->text, c.refusal) << where;
            EXPECT_EQ(scenario.prefs.printOption, 0) << where;
        }
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
