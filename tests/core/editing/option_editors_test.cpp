#include "editing/font_choice.h"
#include "editing/option_editor.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/editor_session.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
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
    test::forEachCase("editing/option_forms.txt", "", 12, [&](const test::CaseLine& c) {
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
    });
}

// The numbers of a scenario an option editor stored, by their names in the session file.
std::map<std::string, double> optionNumbers(const Scenario& s) {
    const EventRecord& e = s.events[0];
    return {{"modified", s.modified},
            {"stale", s.resultsStale},
            {"events", s.liveEventCount},
            {"groupMin1", s.groups.groupRandomMin[0]},
            {"groupMax1", s.groups.groupRandomMax[0]},
            {"groupMin2", s.groups.groupRandomMin[1]},
            {"assetAllocationMode", s.accounts.assetAllocationMode},
            {"aaStartAge", s.accounts.aaStartAge},
            {"aaMinimumWithdrawal", s.accounts.aaMinimumWithdrawal},
            {"event.type", e.type},
            {"event.fromAccountId", e.fromAccountId},
            {"event.startAge", e.startAge},
            {"event.endAge", e.endAge},
            {"event.amount", e.amount},
            {"rmdTargetAccountId", s.slots.rmdTargetAccountId},
            {"rmdPenaltyRate", s.slots.rmdPenaltyRate},
            {"rmdDistribution", s.accounts.rmdDistribution},
            {"lifeTable2[4]", s.slots.lifeTable2[4]},
            {"lifeTable2StartAge", s.slots.lifeTable2StartAge},
            {"screenBanding", s.prefs.screenBanding},
            {"hideInfoFolder", s.prefs.hideInfoFolder},
            {"useDefaultFonts", s.prefs.useDefaultFonts},
            {"scheduleDefaultFonts", s.prefs.scheduleDefaultFonts},
            {"useTitle1", s.titles.useTitle1},
            {"useTitle2", s.titles.useTitle2},
            {"useTitle3", s.titles.useTitle3},
            {"reportBanding", s.prefs.reportBanding},
            {"reportBoxing", s.prefs.reportBoxing},
            {"reportColumns", s.prefs.reportColumns}};
}

// Opens the option editor `what` names ("lifetable:n" for table n).
std::unique_ptr<OptionEditor> openOptionEditor(const std::string& what, Scenario& scenario,
                                               ScriptedDialogs& dialogs) {
    const auto parts = test::partsOf(what, ':');
    if (parts[0] == "lifetable") {
        return openLifeTableEditor(scenario, std::stoi(parts[1]), dialogs);
    }
    const std::map<std::string, decltype(&openGroupsEditor)> opens = {
        {"groups", openGroupsEditor},
        {"allocation", openAssetAllocationEditor},
        {"rmd", openRmdOptionsEditor},
        {"preferences", openPreferencesEditor},
        {"report-options", openReportOptionsEditor},
        {"page-setup", openPageSetupEditor}};
    return opens.at(parts[0])(scenario, dialogs);
}

// Plays one session of tests/data/editing/option_sessions.txt on the two accounts' scenario, with
// the steps of test::playEditorStep and these. Before the first "open": "scenario=block" of
// option_editors_scenarios.txt, "fresh" (a scenario as constructed), "full-table",
// "default-fonts", "life-table-1=name:start age", "rmd-target=id", "old-titles" (titles "Old
// one" and "Old two", the second in use, reports boxed), "landscape-750" (top margin 750).
// "open=what" opens an editor with messages of its own, the one before closed; "pick:key=name"
// chooses an account by name; "untick:key" clears a box and clicks it; "key=text" types;
// "clear-boxes" forgets the messages so far. Checks: "boxes-block=name" (the messages so far, a
// block of option_messages.txt), "absent=key" (not on the form as opened),
// "zero-problem=yes|no", "stored:name=n" and "text:name=text".
void playOptionSession(const test::CaseLine& session) {
    Scenario scenario = twoAccounts();
    ScriptedDialogs dialogs;
    std::unique_ptr<OptionEditor> editor;
    test::EditorPlay<OptionEditor> play;
    for (const auto& [step, value] : session.inputs) {
        SCOPED_TRACE(step + "=" + value);
        const auto [verb, key] = test::verbOf(step);
        const auto parts = test::partsOf(value, ':');
        if (verb == "scenario") {
            scenario =
                test::makeScenario(test::textBlock("editing/option_editors_scenarios.txt", value));
        } else if (verb == "full-table") {
            scenario.liveEventCount = kMaxEvents;
        } else if (verb == "fresh") {
            scenario = Scenario{};
        } else if (verb == "old-titles") {
            setFieldText(scenario.titles.title1, "Old one");
            setFieldText(scenario.titles.title2, "Old two");
            scenario.titles.useTitle2 = 1;
            scenario.prefs.reportBoxing = 1;
        } else if (verb == "landscape-750") {
            scenario.prefs.printOption = 2;
            scenario.prefs.marginTop = 750;
        } else if (verb == "default-fonts") {
            scenario.prefs.useDefaultFonts = 1;
        } else if (verb == "life-table-1") {
            setFieldText(scenario.slots.lifeTable1Name, parts[0]);
            scenario.slots.lifeTable1StartAge = std::stoi(parts[1]);
        } else if (verb == "rmd-target") {
            scenario.slots.rmdTargetAccountId = std::stoi(value);
        } else if (verb == "open") {
            editor.reset();
            dialogs.shown.clear();
            editor = openOptionEditor(value, scenario, dialogs);
            play = {editor.get(), editor->texts(), &dialogs, {}};
        } else if (test::playEditorStep(play, step, value)) {
            continue;
        } else if (verb == "pick") {
            for (const PickerChoice& choice : editor->choices(key)) {
                play.fields[key] =
                    choice.name == value ? std::to_string(choice.accountId) : play.fields[key];
            }
        } else if (verb == "untick") {
            play.fields[key] = "";
            editor->click(key, play.fields);
        } else if (verb == "clear-boxes") {
            dialogs.shown.clear();
        } else if (verb == "boxes-block") {
            EXPECT_EQ(dialogs.transcript() + "\n", shownTexts(value));
        } else if (verb == "absent") {
            EXPECT_EQ(editor->texts().count(value), 0u);
        } else if (verb == "zero-problem") {
            EXPECT_EQ(lifeTableHasZeroProblem(*editor), value == "yes");
        } else if (verb == "stored") {
            EXPECT_EQ(optionNumbers(scenario).at(key), std::stof(value)) << key;
        } else if (verb == "text") {
            const std::map<std::string, std::string> texts = {
                {"groupName1", std::string(fieldText(scenario.groups.groupNames[0]))},
                {"event.name", std::string(fieldText(scenario.events[0].name))},
                {"title1", std::string(fieldText(scenario.titles.title1))},
                {"title2", std::string(fieldText(scenario.titles.title2))},
                {"title3", std::string(fieldText(scenario.titles.title3))}};
            EXPECT_EQ(texts.at(key), value);
        } else {
            play.fields[step] = value;
        }
    }
}

TEST(OptionEditors, SessionsOfTheDataFile) {
    test::forEachCase("editing/option_sessions.txt", "", 9, playOptionSession);
}

TEST(FontChoice, RecordLayoutAndClamps) {
    test::forEachCase("editing/fonts.txt", "font", 6, [&](const test::CaseLine& c) {
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
    });
    PrintFont plain;
    plain.height = -16;
    plain.weight = 400;
    EXPECT_EQ(fontChoiceOf(plain).points, 12);
    EXPECT_FALSE(fontChoiceOf(plain).bold);
}

} // namespace
} // namespace finplan
