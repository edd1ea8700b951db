#include "engine/birthday.h"
#include "engine_fixture.h"
#include "support/field_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace finplan {
namespace {

using Sim = test::EngineFixture;

TEST(RunTables, EachShownYearKeepsItsTotalsFlowsAndLine) {
    Sim r;
    r.add("header start=60 end=62 tax=15\n"
          "account name=Broker amount=10000 rate=5");
    ASSERT_EQ(r.run(), 1);
    // Interest 500 taxed 75; then 521.25 on 10,425 taxed 78.1875.
    const YearResult& first = r.output.tables.years[0];
    test::expectFields({FIELD_IS(first.investment, 10000.0f), FIELD_IS(first.incoming, 500.0f),
                        FIELD_IS(first.taxableIncome, 500.0f), FIELD_IS(first.taxes, 75.0f),
                        FIELD_IS(first.outgoing, 75.0f),
                        FIELD_IS(r.output.tables.years[2].age, 62.0f)});
    EXPECT_FLOAT_EQ(r.output.tables.years[2].investment, 10868.0625f);
    test::expectFields(
        {FIELD_IS(r.output.tables.shownYears, 3), FIELD_IS(r.output.schedule.ageToLine[61], 3),
         FIELD_IS(r.output.schedule.ageToLine[62], 6), FIELD_IS(r.scenario.resultsStale, false)});
}

TEST(RunTables, EarlyEventsAreSimulatedButNotShown) {
    Sim r;
    r.add("account name=Broker amount=1000\n"
          "deposit name=Early start=25 end=26");
    r.output.tables.years[60].age = 99.0f; // from an earlier run
    r.output.tables.ageTotals[0][25] = -5.0f;
    ASSERT_EQ(r.run(), 1);
    test::expectFields({FIELD_IS(r.output.tables.years[0].age, 30.0f),
                        FIELD_IS(r.output.tables.years[54].age, 84.0f),
                        FIELD_IS(r.output.tables.years[60].age, 99.0f),
                        FIELD_IS(r.output.tables.shownYears, 55)});
    EXPECT_EQ(r.output.tables.ageTotal(AgeTotal::Investment, 25), 0.0f); // written, empty
    EXPECT_EQ(r.output.tables.ageTotal(AgeTotal::Investment, 30), 1000.0f);
    EXPECT_EQ(r.output.tables.ageTotal(AgeTotal::Investment, 84), 1000.0f);
    EXPECT_TRUE(r.shownLines().front().starts_with("30.0 \t"));
}

TEST(RunTables, AnEndAgeOf120StaysInsideTheTables) {
    Sim r;
    r.add("header start=21 end=120\naccount name=Broker amount=1000 rate=1");
    ASSERT_EQ(r.run(), 1);
    EXPECT_EQ(r.output.tables.shownYears, 100);
    EXPECT_GT(r.output.tables.ageTotal(AgeTotal::Investment, 120), 1000.0f);
}

TEST(RunTables, ImpossibleAgesAreRefusedAndLeaveTheResults) {
    const float nan = std::nanf("");
    for (const auto& [start, end] : std::vector<std::pair<float, float>>{
             {1, 120}, {-1, 50}, {30, 121}, {nan, 80}, {30, nan}, {70, 70}, {71, 70}}) {
        Sim r;
        r.scenario.header.startAge = start;
        r.scenario.header.endAge = end;
        r.output.schedule.lines.push_back({"old", -1});
        EXPECT_EQ(r.run(), 0) << start << " " << end;
        ASSERT_EQ(r.dialogs.shown.size(), 1u);
        EXPECT_EQ(r.dialogs.shown[0].title, "START AGE ERROR");
        EXPECT_EQ(r.shownLines(), std::vector<std::string>{"old"});
        EXPECT_FALSE(std::filesystem::exists(r.dir / "plotinf01.tmp"));
    }
}

TEST(RunTables, TotalsInsideOneDollarSnapToZero) {
    Sim r;
    r.add(
        test::textBlock("engine/run_simulation_scenarios.txt", "TotalsInsideOneDollarSnapToZero"));
    ASSERT_EQ(r.run(), 1);
    EXPECT_TRUE(r.shownLines()[0].ends_with("\t          $0.00"));
    EXPECT_EQ(r.output.tables.ageTotal(AgeTotal::TaxFree, 50), 0.0f);
    EXPECT_EQ(r.output.tables.ageTotal(AgeTotal::Asset, 50), 0.0f);
    // The account grew to 1.20, but the snapped total only by the interest of 0.80, which
    // snaps again at the final age.
    EXPECT_FLOAT_EQ(r.output.tables.accountValues[1][0], 1.2f);
    EXPECT_EQ(r.output.tables.ageTotal(AgeTotal::TaxFree, 51), 0.0f);
}

TEST(RunTables, RateChangesLastOnlyForTheRun) {
    Sim r;
    r.add(test::textBlock("engine/run_simulation_scenarios.txt", "RateChangesLastOnlyForTheRun"));
    ASSERT_EQ(r.run(), 1);
    EXPECT_EQ(r.scenario.header.inflationRate, 0.0f);
    EXPECT_EQ(r.scenario.header.taxRate, 15.0f);
    EXPECT_EQ(r.account("Bank").rate, 4.0f);
}

TEST(Birthday, TheFirstYearShowsTheFractionalAgeInThePlotFile) {
    Sim r;
    r.clock = FixedClock({2026, 12, 6, 0, 0, 0});
    r.add("header start=45 end=47\n"
          "birthday month=9 day=6\n" // 91 days before December 6
          "account name=Bank kind=taxfree amount=10000 rate=10");
    ASSERT_EQ(r.run(), 1);
    EXPECT_FLOAT_EQ(r.scenario.header.startAge, 45.0f + 91 * 0.0027397260273972603f);
    EXPECT_EQ(r.output.tables.years[0].age, 45.0f);
    EXPECT_NE(test::readText(r.dir / "plotinf01.tmp").find("\n45.2 0.00 10000.00 "),
              std::string::npos);
}

TEST(Birthday, CountsDaysOnA365DayCalendar) {
    const auto days = [](int month, int day, int birthMonth, int birthDay) {
        return yearsSinceBirthday({2026, month, day, 0, 0, 0}, birthMonth, birthDay) * 365.0f;
    };
    EXPECT_FLOAT_EQ(days(12, 6, 9, 6), 91);
    EXPECT_FLOAT_EQ(days(3, 10, 3, 4), 6);
    EXPECT_FLOAT_EQ(days(3, 4, 3, 10), 359);
    EXPECT_FLOAT_EQ(days(5, 5, 5, 5), 0);
    EXPECT_FLOAT_EQ(days(1, 2, 12, 31), 2); // across the year's end
    EXPECT_FLOAT_EQ(days(3, 1, 2, 28), 1);  // no leap day
    EXPECT_FLOAT_EQ(days(3, 1, 2, 31), 0);  // a birth day past its month's end counts no days
    EXPECT_EQ(yearsSinceBirthday({2026, 5, 5, 0, 0, 0}, 0, 5), 0.0f); // no birth month
    EXPECT_EQ(yearsSinceBirthday({2026, 5, 5, 0, 0, 0}, 13, 5), 0.0f);
}

// Saved results and the print work file: the description, then the run's lines with their
// rules; a print run marks the break before the schedule with two empty lines.
TEST(RunSchedule, SavedResultsStartWithTheDescriptionAndKeepTheRules) {
    for (const bool saving : {true, false}) {
        Sim r;
        r.add(test::textBlock("engine/run_simulation_scenarios.txt",
                              "SavedResultsStartWithTheDescriptionAndKeepTheRules"));
        r.switches.saveRunInProgress = saving;
        std::ostringstream file;
        ASSERT_EQ(r.deriveAndRunTo(file), 1);
        const std::string text = file.str();
        EXPECT_TRUE(text.starts_with(" 60.0 Initial Rates  Tax=15.00% Inflation=4.00%\n"
                                     " 61.0 Gift - Deposit $10.00 after taxes to Savings.\n" +
                                     std::string(saving ? "" : "\n\n") + std::string(184, '-') +
                                     "\n60.0 \t"))
            << text.substr(0, 120);
        EXPECT_EQ(text.find("??"), std::string::npos);
        EXPECT_NE(text.find("\n" + std::string(175, '-') + "\n61.0 \t"), std::string::npos);
        EXPECT_TRUE(r.output.schedule.lines.empty());
    }
}

TEST(RunSchedule, ACardPaidOffBeforeTheScenarioLeavesNoNegativeDebt) {
    Sim r;
    r.add(test::textBlock("engine/run_simulation_scenarios.txt",
                          "ACardPaidOffBeforeTheScenarioLeavesNoNegativeDebt"));
    ASSERT_EQ(r.run(), 1);
    EXPECT_EQ(r.output.tables.ageTotal(AgeTotal::Liabilities, 50), 0.0f);
    EXPECT_EQ(r.output.tables.years[0].netWorth, r.output.tables.years[0].investment);
}

TEST(RunSchedule, GoToFindsTheTotalsLineNotAnEventNamedWithAPoint) {
    Sim r;
    r.add(test::textBlock("engine/run_simulation_scenarios.txt",
                          "GoToFindsTheTotalsLineNotAnEventNamedWithAPoint"));
    ASSERT_EQ(r.run(), 1);
    EXPECT_EQ(r.shownLines()[2], "  A.B - Deposit $10.00 to Bank");
    EXPECT_EQ(r.output.schedule.ageToLine[60], 0);
}

TEST(RunSchedule, AZoomedGraphGetsOnlyTheZoomedYearsInThePlotFile) {
    Sim r;
    r.add("header start=60 end=70\naccount name=Bank amount=1000");
    r.switches.plotZoom = {true, 63, 66};
    ASSERT_EQ(r.run(), 1);
    const std::string plot = test::readText(r.dir / "plotinf01.tmp");
    EXPECT_NE(plot.find("\n4.00\n1\nBank\n1000.00\n63.0 "), std::string::npos);
    EXPECT_EQ(plot.find("\n62.0 "), std::string::npos);
    EXPECT_NE(plot.find("\n66.0 "), std::string::npos);
    EXPECT_EQ(plot.find("\n67.0 "), std::string::npos);
    EXPECT_EQ(r.output.tables.shownYears, 11); // the result tables keep every year
}

} // namespace
} // namespace finplan

namespace finplan {
namespace {

TEST(RunDebts, ALoanThatRanItsWholeTermIsPaidInFullAtItsSale) {
    // 7 % over 3 years leaves the summed principal a float residue short of 10,000.
    for (const char* kind : {"asset", "equity"}) {
        Sim r;
        r.add(std::string("header start=40 end=50\n"
                          "account name=Bank amount=100000\n"
                          "account name=Car kind=") +
              kind +
              "\n"
              "loan name=Car-loan start=40 payoff=60 price=10000 rate=7 years=3 sell=47 to=Car");
        ASSERT_EQ(r.run(), 1);
        for (const std::string& line : r.shownLines()) {
            EXPECT_EQ(line.find("Total Principal"), std::string::npos) << kind << ": " << line;
        }
    }
}

} // namespace
} // namespace finplan
