#include "editing/scenario_list.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace finplan {
namespace {

// Accounts 1 Checking, 2 Boat (an asset), 3 IRA, 4 Savings; scenario from 55.5 to 90.
Scenario baseScenario(std::string_view events) {
    return test::makeScenario("header start=55.5 end=90 tax=22.5 inflation=3.25\n"
                              "account name=Checking id=1\n"
                              "account name=Boat kind=asset id=2\n"
                              "account name=IRA kind=retirement id=3\n"
                              "account name=Savings id=4\n" +
                              std::string(events));
}

// One event of every kind, out of order so that the list has to sort them.
Scenario everyKindScenario() {
    return baseScenario(test::readText(test::testData("editing/every_kind_scenario.txt")));
}

TEST(ScenarioList, EveryKindOfEventGivesItsLinesInEventOrder) {
    Scenario s = everyKindScenario();
    const std::vector<std::string> lines = buildScenarioList(s);
    const std::vector<std::string> expected =
        test::linesOf(test::readText(test::testData("editing/every_kind_list.txt")));
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << "line " << i;
    }
    // An unknown distribution is shown as account order and becomes it.
    EXPECT_EQ(s.accounts.rmdDistribution, 3);
}

TEST(ScenarioList, EachEventRecordsItsFirstLineAndOwnsItsBlock) {
    Scenario s = everyKindScenario();
    const std::vector<std::string> lines = buildScenarioList(s);
    const std::vector<int> firstLines = {1,  3,  7,  8,  10, 11, 13, 18, 20,
                                         30, 34, 36, 37, 40, 41, 43, 44, 45};
    ASSERT_EQ(s.liveEventCount, static_cast<int>(firstLines.size()));
    for (std::size_t i = 0; i < firstLines.size(); ++i) {
        EXPECT_EQ(s.events[i].listLine, firstLines[i]) << fieldText(s.events[i].name);
    }

    EXPECT_EQ(eventForListLine(s, 0), -1); // the Initial Rates line
    EXPECT_EQ(eventForListLine(s, 20), 8); // the mortgage "House": first line
    EXPECT_EQ(eventForListLine(s, 25), 8); // ... its closing costs
    EXPECT_EQ(eventForListLine(s, 29), 8); // ... its last line
    EXPECT_EQ(eventForListLine(s, 30), 9);
    EXPECT_EQ(eventForListLine(s, 47), 17);
    EXPECT_EQ(eventForListLine(s, static_cast<int>(lines.size())), -1);
    EXPECT_EQ(eventForListLine(s, -3), -1);
}

TEST(ScenarioList, AnEventWithoutLinesOwnsNoLine) {
    // The allocation is off: its event is not shown.
    Scenario s =
        baseScenario("allocation name=Allocation start=60 minimum=1000 mode=0\n"
                     "rates name=Rates age=60 tax=30 inflation=3.25\n"
                     "deposit name=Pension start=61 end=80 amount=9000 inflation=1 to=Checking");

    EXPECT_EQ(buildScenarioList(s), test::linesOf(test::textBlock("editing/scenario_list.txt",
                                                                  "rate change and pension")));
    EXPECT_EQ(s.events[1].listLine, kNoListLine);
    EXPECT_EQ(eventForListLine(s, 1), 0);
    EXPECT_EQ(eventForListLine(s, 3), 2);
    EXPECT_EQ(eventForListLine(s, 4), -1);
}

TEST(ScenarioList, NoEventsGiveNoLinesNotEvenTheHeader) {
    Scenario s = baseScenario("");
    EXPECT_TRUE(buildScenarioList(s).empty());
    EXPECT_EQ(eventForListLine(s, 1), -1);
}

// Debt lines that appear only for some ages and accounts.
TEST(ScenarioList, DebtLinesFollowAgesAndAccounts) {
    Scenario s = baseScenario(
        // Deposited to a non-asset account: no sale shown; paid off at its start: no payoff.
        "loan name=Piano start=60 payoff=60 price=8000 rate=7.25 years=12 payment=80 sell=70 "
        "to=Savings\n"
        // Sold after the scenario ends: no sale lines; the payoff is before that sale.
        "mortgage name=Cabin start=61 payoff=70 amount=100000 rate=3 years=9 payment=1000 "
        "appreciation=-0.5 sell=95 selling=5\n"
        // Pays off later than its payoff age: no payoff line.
        "card name=Store start=62 payoff=64 balance=3000 payment=100 pay-years=1.5");
    s.events[0].payAccountId = 1; // without the marker no account was chosen

    EXPECT_EQ(buildScenarioList(s),
              test::linesOf(test::textBlock("editing/scenario_list.txt", "debts")));
}

} // namespace
} // namespace finplan
