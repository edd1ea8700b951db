#include "editing/font_choice.h"
#include "editing/option_editor.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/field_checks.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace finplan {
namespace {

using test::ScriptedDialogs;

std::vector<std::string> messages(const ScriptedDialogs& dialogs) {
    std::vector<std::string> texts;
    for (const Message& message : dialogs.shown) {
        texts.push_back(message.title + ": " + message.text);
    }
    return texts;
}

// A block of tests/data/editing/option_messages.txt.
std::string shownTexts(const std::string& name) {
    return test::textBlock("editing/option_messages.txt", name);
}

Scenario twoAccounts() {
    return test::makeScenario(
        test::textBlock("editing/option_editors_scenarios.txt", "twoAccounts"));
}

// Refusals and acceptances of the groups, allocation and life table forms, from the data file.
TEST(OptionEditors, FormsOfTheDataFileAreRefusedOrAccepted) {
    const auto cases = test::readCases("editing/option_forms.txt");
    ASSERT_EQ(cases.size(), 12u);
    for (const test::CaseLine& c : cases) {
        SCOPED_TRACE(c.where);
        Scenario scenario = twoAccounts();
        scenario.slots.lifeTable3StartAge = 70;
        ScriptedDialogs dialogs;
        const auto editor = c.word == "lifetable" ? openLifeTableEditor(scenario, 3, dialogs)
                            : c.word == "groups"  ? openGroupsEditor(scenario, dialogs)
                                                  : openAssetAllocationEditor(scenario, dialogs);
        FieldTexts typed = c.word == "lifetable" ? editor->texts() : FieldTexts{};
        for (const auto& [key, text] : test::settingsOf(c.input("typed"))) {
            typed[key] = text;
        }
        const std::string& refusal = c.answer("refusal");
        EXPECT_EQ(editor->ok(typed).accepted(), refusal.empty());
        if (!refusal.empty()) {
            ASSERT_EQ(messages(dialogs), std::vector<std::string>{refusal});
            if (c.word == "groups") {
                EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
            }
            // Nothing is stored, not even the rows before the refused one.
            EXPECT_EQ(fieldText(scenario.groups.groupNames[0]), "");
            EXPECT_EQ(scenario.liveEventCount, 0);
            EXPECT_EQ(scenario.slots.lifeTable3[0], 0.0f);
        }
    }
}

TEST(GroupsEditor, StoresTheRowsAndShowsThemAgain) {
    Scenario scenario = twoAccounts();
    ScriptedDialogs dialogs;
    openGroupsEditor(scenario, dialogs)
        ->ok({{"group-name-1", "A"},
              {"random-minimum-rate-1", "5"},
              {"random-maximum-rate-1", "9"},
              {"group-name-2", "Bonds"},
              {"random-minimum-rate-2", "-2.5"},
              {"random-maximum-rate-2", "7"}});
    EXPECT_EQ(fieldText(scenario.groups.groupNames[0]), "A");
    EXPECT_EQ(scenario.groups.groupRandomMin[0], 0.0f);
    EXPECT_EQ(scenario.groups.groupRandomMax[0], 0.0f);
    EXPECT_EQ(scenario.groups.groupRandomMin[1], -2.5f);
    EXPECT_TRUE(scenario.modified && scenario.resultsStale);
    const auto reopened = openGroupsEditor(scenario, dialogs);
    EXPECT_EQ(reopened->texts().at("random-minimum-rate-2"), "-2.500   ");
    EXPECT_EQ(reopened->texts().count("group-name-3"), 0u);
}

TEST(AssetAllocationEditor, NewEventChecksAndFullTable) {
    Scenario scenario = twoAccounts();
    ScriptedDialogs dialogs;
    const auto editor = openAssetAllocationEditor(scenario, dialogs);
    EXPECT_EQ(editor->texts().at("age-to-start-withdrawals"), "0.0");
    FieldTexts fields = editor->texts();
    fields["proportional-asset-allocation-withdrawal"] = "on";
    editor->click("proportional-asset-allocation-withdrawal", fields);
    fields["equal-asset-allocation-withdrawal"] = "on";
    editor->click("equal-asset-allocation-withdrawal", fields);
    EXPECT_EQ(fields["proportional-asset-allocation-withdrawal"], "");
    fields["age-to-start-withdrawals"] = "70.8";
    fields["minimum-withdrawal-amount"] = "2500.75";
    ASSERT_TRUE(editor->ok(fields).accepted());
    ASSERT_EQ(scenario.liveEventCount, 1);
    const EventRecord& event = scenario.events[0];
    test::expectFields({FIELD_IS(scenario.accounts.assetAllocationMode, 2),
                        FIELD_IS(scenario.accounts.aaStartAge, 70),
                        FIELD_IS(scenario.accounts.aaMinimumWithdrawal, 2500),
                        FIELD_IS(event.type, 7), FIELD_IS(event.startAge, 70),
                        FIELD_IS(event.endAge, 120), FIELD_IS(event.amount, 2500.75f)});
    EXPECT_EQ(fieldText(event.name), "Asset allocation withdrawal option in effect.");

    // Editing keeps the one event; a full table refuses a new one.
    ScriptedDialogs more;
    openAssetAllocationEditor(scenario, more)
        ->ok({{"age-to-start-withdrawals", "66"}, {"minimum-withdrawal-amount", "0"}});
    test::expectFields(
        {FIELD_IS(scenario.liveEventCount, 1), FIELD_IS(scenario.accounts.assetAllocationMode, 0)});
    Scenario full = twoAccounts();
    full.liveEventCount = kMaxEvents;
    ScriptedDialogs fullDialogs;
    EXPECT_FALSE(openAssetAllocationEditor(full, fullDialogs)
                     ->ok({{"age-to-start-withdrawals", "66"}})
                     .accepted());
    EXPECT_EQ(messages(fullDialogs),
              std::vector<std::string>{"Event Warning: Maximum number of events reached!"});
}

TEST(RmdOptionsEditor, PenaltyTargetWarningAndEvents) {
    Scenario scenario = twoAccounts();
    setFieldText(scenario.slots.lifeTable1Name, "IRA");
    scenario.slots.lifeTable1StartAge = 72;
    ScriptedDialogs dialogs;
    auto editor = openRmdOptionsEditor(scenario, dialogs);
    EXPECT_EQ(editor->texts().at("penalty-rate"), "50.0");
    EXPECT_EQ(editor->texts().at("account-order-withdrawal"), "on");
    FieldTexts fields = editor->texts();
    fields["penalty-rate"] = "100.5";
    EXPECT_FALSE(editor->ok(fields).accepted());
    EXPECT_EQ(dialogs.transcript() + "\n", shownTexts("rmd penalty refused"));
    dialogs.shown.clear();
    int roth = -1;
    for (const PickerChoice& choice : editor->choices("transfer-funds-to-this-account")) {
        roth = choice.name == "Roth" ? choice.accountId : roth;
    }
    fields["penalty-rate"] = "25";
    fields["transfer-funds-to-this-account"] = std::to_string(roth);
    fields["equal-asset-allocation-withdrawal"] = "on";
    editor->click("equal-asset-allocation-withdrawal", fields);
    EXPECT_EQ(fields["account-order-withdrawal"], "");
    ASSERT_TRUE(editor->ok(fields).accepted());
    EXPECT_EQ(dialogs.transcript() + "\n", shownTexts("rmd transfer warning"));
    // Table 1 is used by Cash: one RMD event; confirming again adds no second one.
    ASSERT_EQ(scenario.liveEventCount, 1);
    const EventRecord& rmd = scenario.events[0];
    test::expectFields({FIELD_IS(scenario.slots.rmdTargetAccountId, roth),
                        FIELD_IS(scenario.slots.rmdPenaltyRate, 25),
                        FIELD_IS(scenario.accounts.rmdDistribution, 2), FIELD_IS(rmd.type, -1),
                        FIELD_IS(rmd.fromAccountId, 1), FIELD_IS(rmd.startAge, 72),
                        FIELD_IS(rmd.endAge, 120)});
    EXPECT_EQ(fieldText(rmd.name), "IRA -- RMD withdrawal option in effect using Table 1.");
    openRmdOptionsEditor(scenario, dialogs)->ok({{"penalty-rate", "10"}});
    EXPECT_EQ(scenario.liveEventCount, 1);
    // With no account to choose, the stored target stays.
    Scenario empty = test::makeScenario("header start=62 end=90");
    empty.slots.rmdTargetAccountId = 7;
    ScriptedDialogs none;
    const auto blank = openRmdOptionsEditor(empty, none);
    ASSERT_TRUE(blank->ok(blank->texts()).accepted());
    EXPECT_EQ(empty.slots.rmdTargetAccountId, 7);
    EXPECT_EQ(empty.accounts.rmdDistribution, 3);
}

TEST(LifeTableEditor, ExampleMessagesZeroProblemAndRefusals) {
    Scenario scenario = twoAccounts();
    ScriptedDialogs dialogs;
    auto editor = openLifeTableEditor(scenario, 2, dialogs);
    EXPECT_EQ(editor->texts().at("description"), "IRA");
    EXPECT_EQ(editor->texts().at("table-number"), "Table  2");
    EXPECT_EQ(editor->texts().at("value-1"), "27.4");
    EXPECT_EQ(editor->texts().at("value-30"), "6.7 ");
    FieldTexts fields = editor->texts();
    fields["withdrawal-start-age"] = "70";
    fields["value-5"] = "55";
    ASSERT_TRUE(editor->ok(fields).accepted());
    EXPECT_EQ(dialogs.transcript() + "\n", shownTexts("life table example"));
    EXPECT_EQ(scenario.slots.lifeTable2[4], 55.0f);
    EXPECT_EQ(scenario.slots.lifeTable2StartAge, 70);
    EXPECT_FALSE(lifeTableHasZeroProblem(*editor));

    // A zero in row 30: one message naming it, and the editor opens once more.
    ScriptedDialogs zeroDialogs;
    auto zero = openLifeTableEditor(scenario, 1, zeroDialogs);
    FieldTexts zeroFields = zero->texts();
    zeroFields["withdrawal-start-age"] = "72";
    zeroFields["value-30"] = "0";
    ASSERT_TRUE(zero->ok(zeroFields).accepted());
    EXPECT_EQ(zeroDialogs.transcript() + "\n", shownTexts("life table zero"));
    EXPECT_TRUE(lifeTableHasZeroProblem(*zero));
}

TEST(PreferencesEditor, BoxesAndFontButtons) {
    Scenario scenario = twoAccounts();
    scenario.prefs.useDefaultFonts = 1;
    ScriptedDialogs dialogs;
    auto editor = openPreferencesEditor(scenario, dialogs);
    EXPECT_EQ(editor->disabledFields(editor->texts()),
              (std::set<std::string>{"select-results-value-fonts",
                                     "select-scenario-results-folder-fonts"}));
    ASSERT_TRUE(editor
                    ->ok({{"use-color-banding-on-accounts-and-schedules", "on"},
                          {"hide-the-tarvel-software-folder", "on"}})
                    .accepted());
    EXPECT_EQ(scenario.prefs.screenBanding, 1);
    EXPECT_EQ(scenario.prefs.hideInfoFolder, 1);
    EXPECT_EQ(scenario.prefs.useDefaultFonts, 0);
    EXPECT_EQ(scenario.prefs.scheduleDefaultFonts, 0);
    EXPECT_TRUE(scenario.modified);
}

TEST(FontChoice, RecordLayoutAndClamps) {
    const auto cases = test::readCases("editing/fonts.txt", "font");
    ASSERT_EQ(cases.size(), 6u);
    for (const test::CaseLine& c : cases) {
        SCOPED_TRACE(c.where);
        Scenario scenario = twoAccounts();
        const auto role = static_cast<FontRole>(std::stoi(c.input("role")));
        storeFontChoice(scenario, role,
                        {"A face name far longer than thirty-one bytes",
                         std::stoi(c.input("points")), true, true});
        const PrintFont& font = scenario.fonts[static_cast<std::size_t>(role)];
        EXPECT_EQ(font.height, std::stoi(c.answer("height")));
        EXPECT_EQ(font.weight, 700);
        EXPECT_EQ(font.italic, 1);
        EXPECT_EQ(fieldText(font.faceName), "A face name far longer than thi");
        EXPECT_EQ(scenario.prefs.fontScale, std::stof(c.answer("scale")));
        EXPECT_TRUE(scenario.modified);
        const FontChoice back = fontChoiceOf(font);
        EXPECT_TRUE(back.bold);
        EXPECT_EQ(back.face, "A face name far longer than thi");
    }
    PrintFont plain;
    plain.height = -16;
    plain.weight = 400;
    EXPECT_EQ(fontChoiceOf(plain).points, 12);
    EXPECT_FALSE(fontChoiceOf(plain).bold);
}

} // namespace
} // namespace finplan
