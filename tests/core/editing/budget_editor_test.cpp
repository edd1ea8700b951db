#include "editing/budget_editor.h"
#include "editing/budget_files.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/field_checks.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace finplan {
namespace {

using test::ScriptedDialogs;

std::string budgetFile(const std::string& name) {
    return test::readText(test::testData("budgets/" + name));
}

FieldTexts item(const std::string& name, const std::string& amount, const std::string& rate,
                bool monthly, bool track, bool inflation) {
    const auto box = [](bool on) { return std::string(on ? "on" : ""); };
    return {{"name", name},        {"amount", amount},
            {"apply-rate", rate},  {"monthly", box(monthly)},
            {"track", box(track)}, {"apply-inflation-rate-to-withdrawal", box(inflation)}};
}

std::string cells(const BudgetRow& row) {
    const auto trim = [](const std::string& text) {
        const auto first = text.find_first_not_of(' ');
        return first == std::string::npos
                   ? std::string(text.empty() ? "" : " ")
                   : text.substr(first, text.find_last_not_of(' ') - first + 1);
    };
    return trim(row.name) + "|" + trim(row.amount) + "|" + trim(row.monthly) + "|" +
           trim(row.appliedRate) + "|" + trim(row.yearly) + "|" + trim(row.track);
}

// The example household: a new scenario 62 to 65 with one account.
struct Household {
    Household() {
        scenario = test::makeScenario("header start=62 end=65 tax=15 inflation=4\n"
                                      "account name=Cash kind=investment amount=1000000 rate=0");
    }

    // Budget 2 filled as the example types it and confirmed.
    void enterExample() {
        BudgetEditor editor(scenario, 1, dir.path(), dialogs);
        ASSERT_TRUE(editor.enter(item("rent", "1500", "0", true, true, true)).accepted());
        ASSERT_TRUE(editor.enter(item("Travel", "5000", "5", false, false, false)).accepted());
        ASSERT_TRUE(
            editor.enter(item("Car Insurance", "99.99", "2", true, false, true)).accepted());
        ASSERT_TRUE(editor.enter(item("Gifts", "1200", "0", false, false, false)).accepted());
        ASSERT_TRUE(editor.enter(item("RENT", "1600", "0", true, true, true)).accepted());
        FieldTexts fields = editor.texts();
        fields["budget-name"] = "Household";
        fields["start-age"] = "62";
        fields["end-age"] = "90";
        fields["withdraw-from-account"] = "-1";
        fields["activate-this-budget"] = "on";
        rowsBeforeOk.clear();
        for (const BudgetRow& row : editor.rows()) {
            rowsBeforeOk.push_back(cells(row));
        }
        totalBeforeOk = editor.yearlyTotalText();
        ASSERT_TRUE(editor.ok(fields).accepted());
    }

    Scenario scenario;
    ScriptedDialogs dialogs;
    test::TempDir dir;
    std::vector<std::string> rowsBeforeOk;
    std::string totalBeforeOk;
};

TEST(BudgetExample, RowsTotalAndEvent) {
    Household h;
    h.enterExample();
    EXPECT_EQ(h.rowsBeforeOk, (test::linesOf(test::textBlock("editing/budget_editor_texts.txt",
                                                             "RowsTotalAndEvent"))));
    EXPECT_EQ(h.totalBeforeOk, "26599.88     ");
    const Budget& budget = h.scenario.budgets[1];
    EXPECT_EQ(fieldText(budget.name), "Household");
    ASSERT_EQ(h.scenario.liveEventCount, 1);
    const EventRecord& event = h.scenario.events[0];
    EXPECT_EQ(fieldText(event.name), "Household");
    test::expectFields({FIELD_IS(budget.active, 1), FIELD_IS(budget.sourceAccountId, -1),
                        FIELD_IS(event.type, 6), FIELD_IS(event.budgetFlag, 1),
                        FIELD_IS(event.budgetNumber, 2), FIELD_IS(event.amount, 26599.88f),
                        FIELD_IS(event.currentAmount, 26599.88f)});
    test::expectFields({FIELD_IS(event.accountId, -1), FIELD_IS(event.years, 0),
                        FIELD_IS(event.startAge, 62), FIELD_IS(event.endAge, 90),
                        FIELD_IS(h.scenario.modified, true),
                        FIELD_IS(h.scenario.resultsStale, true)});
}

// Reopened, copied, written as sheet and report input and run: tests/data/cli/budget_runs.txt.

TEST(BudgetItems, EnterUpdateDeleteAndClear) {
    Household h;
    BudgetEditor editor(h.scenario, 0, h.dir.path(), h.dialogs);
    // A monthly 100 counts 1200 a year, a yearly 100 counts 100.
    editor.enter(item("Monthly", "100", "0", true, false, false));
    editor.enter(item("Yearly", "100", "0", false, false, false));
    EXPECT_EQ(editor.yearlyTotalText(), "1300.00      ");
    // A name differing only in case updates the item.
    editor.enter(item("MONTHLY", "50", "0", true, false, false));
    ASSERT_EQ(editor.rows().size(), 2u);
    EXPECT_EQ(editor.rows()[0].name, "MONTHLY");
    EXPECT_EQ(editor.yearlyTotalText(), "700.00       ");
    // Deleting the second of three keeps the third item's inflation flag with it.
    editor.enter(item("Third", "1", "0", false, false, true));
    EXPECT_TRUE(editor.deleteItem({{"name", "yearly"}}));
    ASSERT_EQ(editor.rows().size(), 2u);
    EXPECT_EQ(cells(editor.rows()[1]), "Third|1.00| |Inflation|1.00| ");
    EXPECT_FALSE(editor.deleteItem({{"name", "nothing"}}));
    editor.clearAll();
    EXPECT_TRUE(editor.rows().empty());
    EXPECT_EQ(editor.yearlyTotalText(), "0.00         ");
    // Selecting a row shows the item as the editor's fields.
    editor.enter(item("Rent", "1600", "2.5", true, true, true));
    EXPECT_EQ(editor.itemTexts(0),
              test::textsOf<FieldTexts>(
                  "name=Rent;amount=1600.00      "
                  ";monthly=on;track=on;apply-inflation-rate-to-withdrawal=on;apply-rate=2.50  "));
}

TEST(BudgetItems, ThirtyFirstItemAndRangesAreRefused) {
    test::forEachCase("editing/budget_items.txt", "refuse", 4, [&](const test::CaseLine& c) {
        Household h;
        BudgetEditor editor(h.scenario, 0, h.dir.path(), h.dialogs);
        const FieldTexts typed =
            item(c.input("name"), c.input("amount"), c.input("rate"), false, false, false);
        EXPECT_FALSE(editor.enter(typed).accepted());
        EXPECT_EQ(h.dialogs.transcript(), c.answer("title") + "|" + c.answer("text"));
        EXPECT_TRUE(editor.rows().empty());
    });
    Household h;
    BudgetEditor editor(h.scenario, 0, h.dir.path(), h.dialogs);
    for (int i = 0; i < 30; ++i) {
        ASSERT_TRUE(editor.enter(item("Item " + std::to_string(i), "1", "0", false, false, false))
                        .accepted());
    }
    // Full: refused even for a name that exists.
    EXPECT_FALSE(editor.enter(item("Item 3", "2", "0", false, false, false)).accepted());
    EXPECT_EQ(h.dialogs.transcript(),
              "Budget Warning|You have reached the maximum number of items for this budget");
    EXPECT_EQ(editor.rows().size(), 30u);
    // A tab in a name becomes a blank; an empty name does nothing.
    Household other;
    BudgetEditor named(other.scenario, 0, other.dir.path(), other.dialogs);
    named.enter(item("Tab\there", "1", "0", false, false, false));
    named.enter(item("", "5", "0", false, false, false));
    ASSERT_EQ(named.rows().size(), 1u);
    EXPECT_EQ(named.rows()[0].name, "Tab here");
}

TEST(BudgetOk, PickerFirstCancelAndEventRules) {
    Household h;
    test::ScenarioBuilder(h.scenario).add("account name=Pool kind=investment allocation=1");
    h.scenario.budgets[0].itemCount = 1;
    setFieldText(h.scenario.budgets[0].itemName[0], "Old");
    const Scenario before = h.scenario;
    {
        BudgetEditor editor(h.scenario, 0, h.dir.path(), h.dialogs);
        editor.enter(item("New", "10", "0", false, false, false));
        FieldTexts fields = editor.texts();
        fields["budget-name"] = "Refused";
        fields["activate-this-budget"] = "on";
        int pool = -1;
        for (const PickerChoice& choice : editor.choices()) {
            pool = choice.name == "Pool" ? choice.accountId : pool;
        }
        fields["withdraw-from-account"] = std::to_string(pool);
        EXPECT_FALSE(editor.ok(fields).accepted());
        EXPECT_EQ(h.dialogs.shown.back().text,
                  "You cannot select an account that is part of an Asset Allocation!");
        // Nothing of the refused OK is stored.
        EXPECT_EQ(fieldText(editor.budget().name), fieldText(before.budgets[0].name));
        EXPECT_EQ(editor.budget().active, 0);
    }
    // Closed without OK: the budget, items included, is as it was.
    EXPECT_EQ(fieldText(h.scenario.budgets[0].itemName[0]), "Old");
    test::expectFields({FIELD_IS(h.scenario.budgets[0].itemCount, 1),
                        FIELD_IS(h.scenario.liveEventCount, before.liveEventCount)});
}

TEST(BudgetOk, FullTableDamagedDuplicatesAndScratchRecord) {
    // At 149 events, activating is refused and the budget stays inactive.
    Household full;
    full.scenario.liveEventCount = kMaxEvents;
    {
        BudgetEditor editor(full.scenario, 0, full.dir.path(), full.dialogs);
        FieldTexts fields = editor.texts();
        fields["activate-this-budget"] = "on";
        EXPECT_FALSE(editor.ok(fields).accepted());
        EXPECT_EQ(full.dialogs.shown.back().title, "Event Warning");
        EXPECT_EQ(full.dialogs.shown.back().text, "Maximum number of events reached!");
    }
    test::expectFields({FIELD_IS(full.scenario.budgets[0].active, 0),
                        FIELD_IS(full.scenario.liveEventCount, kMaxEvents)});

    // A scratch record left by a cancelled editor does not leak into the new event.
    Household scratch;
    scratch.scenario.events[0].rate = 7.5f;
    scratch.scenario.events[0].propertyTax = 99.0f;
    {
        BudgetEditor editor(scratch.scenario, 2, scratch.dir.path(), scratch.dialogs);
        FieldTexts fields = editor.texts();
        fields["activate-this-budget"] = "on";
        ASSERT_TRUE(editor.ok(fields).accepted());
    }
    test::expectFields({FIELD_IS(scratch.scenario.events[0].rate, 0),
                        FIELD_IS(scratch.scenario.events[0].propertyTax, 0)});
    // An empty name gets its default, as the menu shows it.
    EXPECT_EQ(fieldText(scratch.scenario.budgets[2].name), "Budget 3");

    // Two events of one budget (a damaged file): OK keeps one; deactivating removes all.
    for (const bool activate : {true, false}) {
        SCOPED_TRACE(activate ? "activate" : "deactivate");
        Household twice;
        test::ScenarioBuilder(twice.scenario)
            .add(test::textBlock("editing/budget_editor_scenarios.txt",
                                 "FullTableDamagedDuplicatesAndScratchRecord"));
        for (const int i : {1, 2}) {
            twice.scenario.events[static_cast<std::size_t>(i)].budgetFlag = 1;
            twice.scenario.events[static_cast<std::size_t>(i)].budgetNumber = 1;
        }
        twice.scenario.budgets[0].active = 1;
        {
            BudgetEditor editor(twice.scenario, 0, twice.dir.path(), twice.dialogs);
            FieldTexts fields = editor.texts();
            fields["activate-this-budget"] = activate ? "on" : "";
            ASSERT_TRUE(editor.ok(fields).accepted());
        }
        EXPECT_EQ(budgetEvents(twice.scenario, 1).size(), activate ? 1u : 0u);
        EXPECT_EQ(twice.scenario.liveEventCount, activate ? 2 : 1);
    }
}

TEST(BudgetPaste, CopyFromOneBudgetPasteIntoAnother) {
    Household h;
    h.enterExample();
    // Budget 1 has inflation flags of its own at the first two places.
    h.scenario.budgets[0].itemInflation[0] = 0;
    h.scenario.budgets[0].itemInflation[1] = 1;
    {
        BudgetEditor from(h.scenario, 1, h.dir.path(), h.dialogs);
        ASSERT_TRUE(from.copyAll());
    }
    BudgetEditor into(h.scenario, 0, h.dir.path(), h.dialogs);
    ASSERT_TRUE(into.pasteAll());
    const Budget& pasted = into.budget();
    // The padded name, cut to the 29 characters a name holds.
    EXPECT_EQ(fieldText(pasted.name), "Household                    ");
    ASSERT_EQ(pasted.itemCount, 4);
    EXPECT_EQ(fieldText(pasted.itemName[2]), "RENT");
    test::expectFields({FIELD_IS(pasted.startAge, 62), FIELD_IS(pasted.endAge, 90),
                        FIELD_IS(pasted.itemAmount[0], 99.99f),
                        FIELD_IS(pasted.itemInflation[0], 0),
                        FIELD_IS(pasted.itemInflation[1], 1)});
    EXPECT_FLOAT_EQ(pasted.yearlyTotal, 26599.88f); // summed again from the pasted texts
}

TEST(BudgetPaste, InvalidFilesChangeNothing) {
    // Every file of the folder is damaged in its own way.
    const std::set<std::string> names = test::namesIn(test::testData("budgets/paste"));
    ASSERT_EQ(names.size(), 11u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        Household h;
        h.enterExample();
        test::writeText(h.dir / "budout.tmp", budgetFile("paste/" + name));
        const Budget before = h.scenario.budgets[1];
        BudgetEditor editor(h.scenario, 1, h.dir.path(), h.dialogs);
        EXPECT_FALSE(editor.pasteAll());
        ASSERT_FALSE(h.dialogs.shown.empty());
        EXPECT_EQ(h.dialogs.shown.back().title, "Budget File Error");
        EXPECT_EQ(h.dialogs.shown.back().text,
                  "The budget input file budout.tmp doesn't seem to be a valid file.");
        EXPECT_EQ(editor.budget().itemCount, before.itemCount);
        EXPECT_EQ(fieldText(editor.budget().name), fieldText(before.name));
    }
    Household missing;
    BudgetEditor editor(missing.scenario, 0, missing.dir.path(), missing.dialogs);
    EXPECT_FALSE(editor.pasteAll());
    EXPECT_EQ(missing.dialogs.shown.back().text,
              "Cannot open the budget input file budout.tmp file.");
    EXPECT_EQ(missing.dialogs.shown.back().title, "File Open Error");
}

TEST(BudgetPaste, ParserReadsEarlyMarkerThirtyItemsAndKeepsBlanks) {
    Budget current;
    current.itemInflation[0] = 1;
    const auto early =
        parseBudgetCopy("3\nShort list   \n 60\n 70\nFood\t10\t1\t1\t1.5\nDooone", current);
    ASSERT_TRUE(early.has_value());
    EXPECT_EQ(fieldText(early->name), "Short list   ");
    test::expectFields({FIELD_IS(early->itemCount, 1), FIELD_IS(early->itemInflation[0], 1),
                        FIELD_IS(early->yearlyTotal, 120)});
    // A full budget of thirty items, as the report reads it.
    std::string thirty = "30\nFull\n 60\n 70\n";
    for (int i = 0; i < 30; ++i) {
        thirty += "Item" + std::to_string(i) + "\t1.000000\t0\t0\t0.000000\n";
    }
    const auto full = parseBudgetCopy(thirty + "Dooone", current);
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->itemCount, 30);
    EXPECT_EQ(fieldText(full->itemName[29]), "Item29");
    // A name longer than 20 characters is cut; control characters become blanks.
    const auto cut = parseBudgetCopy(
        "1\nX\x01Y\n 60\n 70\nAbcdefghijklmnopqrstuvwxyz\t1\t0\t0\t0\nDooone", current);
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(fieldText(cut->itemName[0]), "Abcdefghijklmnopqrst");
    EXPECT_EQ(fieldText(cut->name), "X Y");
}

TEST(BudgetMenu, NamesAndChecks) {
    Household h;
    h.enterExample();
    const std::vector<BudgetMenuItem> items = budgetMenuItems(h.scenario);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].text, "Budget 1");
    EXPECT_FALSE(items[0].checked);
    EXPECT_EQ(items[1].text, "Household");
    EXPECT_TRUE(items[1].checked);
    EXPECT_EQ(items[4].text, "Budget 5");
}

} // namespace
} // namespace finplan
