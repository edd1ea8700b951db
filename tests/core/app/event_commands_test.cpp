#include "app/planner.h"
#include "model/byte_io.h"
#include "model/scenario_image.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace finplan {
namespace {

using test::ScriptedDialogs;

// A planner over a scenario with an event of most kinds. The asset allocation event has no
// line (mode 0), so it sits between two blocks of the list without one.
class EventCommands : public ::testing::Test {
protected:
    EventCommands() {
        planner.scenario() = test::makeScenario(
            test::textBlock("app/event_commands_scenarios.txt", "EventCommands"));
        planner.scenario().accounts.assetAllocationMode = 0;
        lines = planner.scenarioList();
        planner.scenario().modified = false;
        planner.scenario().resultsStale = false;
    }

    std::vector<Byte> image() const { return encodeScenarioImage(planner.scenario()); }
    int indexOf(const std::string& name) const {
        const Scenario& s = planner.scenario();
        for (int i = 0; i < s.usedEventCount(); ++i) {
            if (fieldText(s.events[static_cast<std::size_t>(i)].name) == name) {
                return i;
            }
        }
        return -1;
    }

    test::TempDir dir;
    ScriptedDialogs dialogs;
    FixedClock clock{LocalDateTime{2026, 12, 6}};
    Planner planner{dir.path(), dialogs, clock};
    std::vector<std::string> lines;
};

TEST_F(EventCommands, TheListLinesOpenTheirEventsEditors) {
    // 0 header; 1-2 Salary; 3-4 Rent; 5-6 House (budget); 7-9 Uniform (RMD).
    ASSERT_EQ(lines.size(), 10u);
    const std::map<std::string, EditorKind> kinds = {{"initial", EditorKind::InitialValues},
                                                     {"deposit", EditorKind::Deposit},
                                                     {"withdrawal", EditorKind::Withdrawal}};
    test::forEachCase("app/list_lines.txt", "line", 8, [&](const test::CaseLine& c) {
        auto editor = planner.editListLine(std::stoi(c.input("number")));
        ASSERT_EQ(editor != nullptr, c.answer("editor") != "none");
        if (editor) {
            EXPECT_EQ(editor->kind(), kinds.at(c.answer("editor")));
        }
    });
    // Line 3 belongs to Rent although the line-less allocation event lies before it.
    EXPECT_EQ(planner.eventForLine(3), indexOf("Rent"));
}

TEST_F(EventCommands, DeleteMovesLaterEventsUpAndMarksModifiedAndStale) {
    const int count = planner.scenario().liveEventCount;
    ASSERT_TRUE(planner.deleteListLine(1)); // Salary
    EXPECT_EQ(planner.scenario().liveEventCount, count - 1);
    EXPECT_EQ(indexOf("Salary"), -1);
    EXPECT_TRUE(planner.scenario().modified);
    EXPECT_TRUE(planner.scenario().resultsStale);
    // The freed record is cleared.
    EXPECT_EQ(planner.scenario().events[static_cast<std::size_t>(count - 1)].type, 99);
}

TEST_F(EventCommands, DeletingTheHeaderAnRmdOrNothingChangesNothing) {
    const auto before = image();
    EXPECT_FALSE(planner.deleteListLine(0));
    EXPECT_FALSE(planner.deleteListLine(8)); // the RMD block
    EXPECT_FALSE(planner.deleteListLine(40));
    EXPECT_FALSE(planner.deleteEvent(indexOf("Uniform")));
    EXPECT_EQ(image(), before);
    EXPECT_FALSE(planner.scenario().modified);
    EXPECT_FALSE(planner.scenario().resultsStale);
}

TEST_F(EventCommands, DeletingABudgetOrAllocationEventEndsIt) {
    planner.scenario().accounts.assetAllocationMode = 1;
    ASSERT_EQ(planner.scenario().budgets[1].active, 1);
    ASSERT_TRUE(planner.deleteEvent(indexOf("House")));
    EXPECT_EQ(planner.scenario().budgets[1].active, 0);
    ASSERT_TRUE(planner.deleteEvent(indexOf("Asset allocation withdrawal option in effect.")));
    EXPECT_EQ(planner.scenario().accounts.assetAllocationMode, 0);
}

TEST_F(EventCommands, ABudgetNumberOutsideTheFiveTouchesNoBudget) {
    for (const int number : {0, 6, -1, 300}) {
        planner.scenario() =
            test::makeScenario("budget number=2 name=House start=60 end=80\nitem amount=1000\n");
        planner.scenario().events[0].budgetNumber = static_cast<std::int16_t>(number);
        const auto budgets = planner.scenario().budgets;
        ASSERT_TRUE(planner.deleteEvent(0));
        for (std::size_t b = 0; b < budgets.size(); ++b) {
            EXPECT_EQ(planner.scenario().budgets[b].active, budgets[b].active) << number;
        }
    }
}

TEST_F(EventCommands, CopyRefusesTheHeaderBudgetAllocationAndRmdLines) {
    const auto before = image();
    EXPECT_EQ(planner.copyListLine(0), nullptr);
    EXPECT_EQ(planner.copyListLine(6), nullptr); // budget-driven withdrawal
    EXPECT_EQ(planner.copyListLine(7), nullptr); // RMD
    EXPECT_EQ(planner.copyEvent(indexOf("Asset allocation withdrawal option in effect.")), nullptr);
    EXPECT_EQ(image(), before);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(EventCommands, ACancelledCopyLeavesOneEventAnAcceptedOneTwo) {
    const auto before = image();
    const int count = planner.scenario().liveEventCount;
    {
        auto editor = planner.copyEvent(indexOf("Rent"));
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(planner.scenario().liveEventCount, count + 1);
        editor->cancel(editor->texts());
    }
    EXPECT_EQ(image(), before);
    auto editor = planner.copyEvent(indexOf("Rent"));
    FieldTexts fields = editor->texts();
    fields["description"] = "Rent 2";
    ASSERT_TRUE(editor->ok(fields).accepted());
    EXPECT_EQ(planner.scenario().liveEventCount, count + 1);
    EXPECT_NE(indexOf("Rent"), -1);
    EXPECT_NE(indexOf("Rent 2"), -1);
    EXPECT_EQ(editor->session().label(), "Copy Withdrawal");
}

TEST_F(EventCommands, AFullTableRefusesAddAndCopyAndFiftyAccountsRefuseAnAccount) {
    Scenario& s = planner.scenario();
    s.liveEventCount = kMaxEvents;
    for (int i = 5; i < kMaxEvents; ++i) {
        s.events[static_cast<std::size_t>(i)] = s.events[0];
    }
    const auto before = image();
    EXPECT_EQ(planner.addEvent(EditorKind::Deposit), nullptr);
    EXPECT_EQ(planner.copyEvent(0), nullptr);
    EXPECT_FALSE(planner.mayAddEvent());
    ASSERT_EQ(dialogs.shown.size(), 3u);
    for (const Message& message : dialogs.shown) {
        EXPECT_EQ(message.text, "Maximum number of events reached!");
        EXPECT_EQ(message.title, "Event Warning");
    }
    EXPECT_EQ(image(), before);
    s.liveEventCount = kMaxEvents - 1;
    EXPECT_NE(planner.addEvent(EditorKind::Deposit), nullptr);

    dialogs.shown.clear();
    EXPECT_TRUE(planner.mayAddAccount());
    s.accounts.accountCount = kMaxAccounts;
    EXPECT_FALSE(planner.mayAddAccount());
    EXPECT_EQ(dialogs.transcript(), "Account Warning|Maximum number of accounts reached!");
}

TEST_F(EventCommands, AnAcceptedEditSortsTheEventsAndRebuildsTheLines) {
    auto editor = planner.editEvent(indexOf("Rent"));
    FieldTexts fields = editor->texts();
    fields["start-age"] = "55";
    ASSERT_TRUE(editor->ok(fields).accepted());
    EXPECT_EQ(editor->session().label(), "Edit Withdrawal");
    EXPECT_EQ(indexOf("Rent"), 0);
    EXPECT_EQ(planner.scenario().events[0].listLine, 1);
    EXPECT_TRUE(planner.scenario().modified);
    EXPECT_TRUE(planner.scenario().resultsStale);
}

} // namespace
} // namespace finplan
