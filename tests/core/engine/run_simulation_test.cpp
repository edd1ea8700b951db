#include "engine/birthday.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace finplan {
namespace {

using Sim = test::EngineFixture;

std::string totals(const char* age, const char* investment, const char* netWorth) {
    const std::string zero = "          $0.00";
    std::string line = std::string(age) + "\t" + investment;
    line += "\t" + zero + "\t" + zero + "\t" + zero + "\t" + zero + "\t" + zero + "\t" + netWorth;
    return line;
}

TEST(RunSchedule, SmallScenarioLineByLine) {
    Sim r;
    r.scenario.header.startAge = 60;
    r.scenario.header.endAge = 62;
    r.scenario.header.taxRate = 15;
    r.addAccount("Broker", AccountKind::InvestmentSavings, 10000, 5);
    r.switches.summary = true;
    ASSERT_EQ(r.run(), 1);
    // Interest 500 taxed 75; then 521.25 on 10,425 taxed 78.1875.
    const std::vector<std::string> expected = {
        totals("60.0 ", "     $10,000.00", "     $10,000.00"),
        "Financial Events:",
        "  Pay $75.00 Tax On Savings Interest",
        "Summary:",
        "    Total Incoming=$500.00",
        "       Taxable Income=$500.00",
        "    Total Outgoing=$75.00",
        "       Taxes on savings interest=$75.00",
        totals("61.0 ", "     $10,425.00", "     $10,425.00"),
        "Financial Events:",
        "  Pay $78.19 Tax On Savings Interest",
        "Summary:",
        "    Total Incoming=$521.25",
        "       Taxable Income=$521.25",
        "    Total Outgoing=$78.19",
        "       Taxes on savings interest=$78.19",
        totals("62.0 ", "     $10,868.06", "     $10,868.06"),
    };
    EXPECT_EQ(r.shownLines(), expected);
    EXPECT_EQ(r.output.schedule.ageToLine[61], 8);
    EXPECT_EQ(r.output.schedule.ageToLine[62], 16);
    EXPECT_FALSE(r.scenario.resultsStale);

    const YearResult& first = r.output.tables.years[0];
    EXPECT_EQ(first.investment, 10000.0f);
    EXPECT_EQ(first.incoming, 500.0f);
    EXPECT_EQ(first.taxableIncome, 500.0f);
    EXPECT_EQ(first.taxes, 75.0f);
    EXPECT_EQ(first.outgoing, 75.0f);
    EXPECT_EQ(r.output.tables.years[2].age, 62.0f);
    EXPECT_FLOAT_EQ(r.output.tables.years[2].investment, 10868.0625f);
    EXPECT_EQ(r.output.tables.shownYears, 3);
}

TEST(RunSchedule, FilesHoldTheirLinesAndEndMarkers) {
    Sim r;
    r.scenario.fileName = "plan.RET";
    r.scenario.header.startAge = 60;
    r.scenario.header.endAge = 61;
    r.addAccount("Broker", AccountKind::InvestmentSavings, 1000, 10);
    r.addAccount("Car", AccountKind::Asset, 2000, -10);
    ASSERT_EQ(r.run(), 1);
    EXPECT_EQ(test::readText(r.dir / "infile.tmp"),
              "2\nBroker\nCar\n 60.0\tBroker\t       100.00\nDooone\n");
    EXPECT_EQ(test::readText(r.dir / "outfile.tmp"),
              " 60.0\tCar\t       200.00\n 60.0\tBroker\t        15.00\nDooone\n");
    EXPECT_EQ(test::readText(r.dir / "bigfile.tmp"), " 60.0\tInterest Earned\t2\t       100.00\n"
                                                     " 60.0\tEquity\t2\t         0.00\n"
                                                     " 60.0\tAppreciation\t2\t         0.00\n"
                                                     " 60.0\tTaxes\t6\t        15.00\n"
                                                     " 60.0\tInterest Paid\t6\t         0.00\n"
                                                     " 60.0\tPenalties\t6\t         0.00\n"
                                                     " 61.0\tInterest Earned\t2\t       100.00\n"
                                                     " 61.0\tEquity\t2\t         0.00\n"
                                                     " 61.0\tAppreciation\t2\t         0.00\n"
                                                     " 61.0\tTaxes\t6\t         0.00\n"
                                                     " 61.0\tInterest Paid\t6\t         0.00\n"
                                                     " 61.0\tPenalties\t6\t         0.00\n"
                                                     "Dooone\n");
    // Year 60 opens at 1000 + 2000; the final age shows the year's growth: 1100 - 15, and
    // the car at 1800. Its flows are the accumulators as the last year left them.
    EXPECT_EQ(test::readText(r.dir / "plotinf01.tmp"),
              "1\nFile: plan.RET\nDate: 12/06/26\nTime: 09:30:05\n2.00\n2\nBroker\nCar\n"
              "1000.00\n2000.00\n"
              "60.0 1000.00 0.00 0.00 2000.00 0.00 3000.00 "
              "100.00 0.00 100.00 0.00 215.00 0.00 15.00 0.00 0.00 0.00 0.00 0.00 200.00\n"
              "1085.00\n1800.00\n"
              "61.0 1085.00 0.00 0.00 1800.00 0.00 2885.00 "
              "100.00 0.00 100.00 0.00 200.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 200.00\n"
              "\n\n\n\n\n\n\n\n\n\n0\n0\nDone\n");
}

TEST(RunSchedule, EarlyEventsAreSimulatedButNotShown) {
    Sim r;
    r.scenario.header.startAge = 30;
    r.scenario.header.endAge = 84;
    r.addAccount("Broker", AccountKind::InvestmentSavings, 1000, 0);
    r.addEvent(EventType::Deposit, 25, 26, "Early");
    r.output.tables.years[60].age = 99.0f; // from an earlier run
    r.output.tables.ageTotals[0][25] = -5.0f;
    ASSERT_EQ(r.run(), 1);
    EXPECT_EQ(r.output.tables.years[0].age, 30.0f);
    EXPECT_EQ(r.output.tables.years[54].age, 84.0f);
    EXPECT_EQ(r.output.tables.years[60].age, 99.0f);
    EXPECT_EQ(r.output.tables.shownYears, 55);
    EXPECT_EQ(r.output.tables.ageTotal(AgeTotal::Investment, 25), 0.0f); // written, empty
    EXPECT_EQ(r.output.tables.ageTotal(AgeTotal::Investment, 30), 1000.0f);
    EXPECT_EQ(r.output.tables.ageTotal(AgeTotal::Investment, 84), 1000.0f);
    EXPECT_TRUE(r.shownLines().front().starts_with("30.0 \t"));
}

TEST(RunSchedule, EndAgeEqualToStartAgeRecordsOnlyTheFinalAge) {
    Sim r;
    r.scenario.header.startAge = 70;
    r.scenario.header.endAge = 70;
    r.addAccount("Broker", AccountKind::InvestmentSavings, 1000, 5);
    ASSERT_EQ(r.run(), 1);
    EXPECT_EQ(r.shownLines(),
              (std::vector<std::string>{totals("70.0 ", "      $1,000.00", "      $1,000.00")}));
    EXPECT_EQ(r.output.tables.shownYears, 1);
}

TEST(RunSchedule, AnEndAgeOf120StaysInsideTheTables) {
    Sim r;
    r.scenario.header.startAge = 21;
    r.scenario.header.endAge = 120;
    r.addAccount("Broker", AccountKind::InvestmentSavings, 1000, 1);
    ASSERT_EQ(r.run(), 1);
    EXPECT_EQ(r.output.tables.shownYears, 100);
    EXPECT_GT(r.output.tables.ageTotal(AgeTotal::Investment, 120), 1000.0f);
}

TEST(RunSchedule, ImpossibleAgesAreRefusedAndLeaveTheResults) {
    for (const auto& [start, end] : std::vector<std::pair<float, float>>{
             {1, 120}, {-1, 50}, {30, 121}, {std::nanf(""), 80}, {30, std::nanf("")}}) {
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

TEST(RunSchedule, TotalsInsideOneDollarSnapToZero) {
    Sim r;
    r.scenario.header.startAge = 50;
    r.scenario.header.endAge = 51;
    r.addAccount("Bank", AccountKind::TaxFreeSavings, 0.4f, 200);
    r.addAccount("Car", AccountKind::Asset, -0.7f, 0);
    ASSERT_EQ(r.run(), 1);
    EXPECT_EQ(r.shownLines()[0], totals("50.0 ", "          $0.00", "          $0.00"));
    EXPECT_EQ(r.output.tables.ageTotal(AgeTotal::TaxFree, 50), 0.0f);
    EXPECT_EQ(r.output.tables.ageTotal(AgeTotal::Asset, 50), 0.0f);
    // The account grew to 1.20, but the snapped total only by the interest of 0.80, which
    // snaps again at the final age.
    EXPECT_FLOAT_EQ(r.output.tables.accountValues[1][0], 1.2f);
    EXPECT_EQ(r.output.tables.ageTotal(AgeTotal::TaxFree, 51), 0.0f);
}

TEST(RunSchedule, TaxPaidFromAPenalisedRetirementAccountCostsAPenaltyNotATax) {
    Sim r;
    r.scenario.header.startAge = 50;
    r.scenario.header.endAge = 51;
    r.scenario.header.taxRate = 15;
    AccountRecord& ira = r.addAccount("IRA", AccountKind::RetirementSavings, 20000, 0, "1");
    ira.penaltyApplies = 1;
    r.scenario.slots.penaltyAge[ira.slot] = 59;
    r.scenario.slots.penaltyRate[ira.slot] = 10;
    r.addAccount("Broker", AccountKind::InvestmentSavings, 10000, 5, "2");
    r.switches.detailedResults = true;
    ASSERT_EQ(r.run(), 1);
    const auto lines = r.shownLines();
    const auto at = std::find(lines.begin(), lines.end(), "  Pay $75.00 Tax On Savings Interest");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(*(at + 1), "      $75.00 from IRA");
    EXPECT_EQ(*(at + 2), "  Penalties Paid = $7.50");
    EXPECT_EQ(*(at + 3), "      $7.50 from IRA");
    const YearResult& year = r.output.tables.years[0];
    EXPECT_EQ(year.taxes, 75.0f);
    EXPECT_EQ(year.penalties, 7.5f);
    EXPECT_EQ(r.output.tables.years[1].retirement, 20000.0f - 82.5f);
    EXPECT_TRUE(r.output.redFlags.penalty.set);
    EXPECT_EQ(lines.back(), " 50.0   A penalty was paid starting at this age.");
    EXPECT_EQ(*(lines.end() - 2), "Red flags at age(s):");
}

TEST(RunSchedule, NegativeNetWorthIsFlaggedFromTheTotalsShown) {
    Sim r;
    r.scenario.header.startAge = 40;
    r.scenario.header.endAge = 42;
    r.addAccount("Broker", AccountKind::InvestmentSavings, 100, 0);
    r.addAccount("Loan", AccountKind::Asset, -500, 0);
    ASSERT_EQ(r.run(), 1);
    EXPECT_EQ(r.shownLines()[0].substr(r.shownLines()[0].rfind('\t') + 1), "       $-400.00");
    EXPECT_TRUE(r.output.redFlags.negativeNetWorth.set);
    EXPECT_EQ(r.output.redFlags.negativeNetWorth.age, 40);
    EXPECT_EQ(r.shownLines().back(), " 40.0   Your net worth went negative.");
}

TEST(RunSchedule, BirthdayFractionScalesTheFirstYear) {
    Sim r;
    r.clock = FixedClock({2026, 12, 6, 0, 0, 0});
    r.scenario.header.useBirthday = 1;
    r.scenario.header.birthMonth = 9; // 91 days before December 6
    r.scenario.header.birthDay = 6;
    r.scenario.header.startAge = 45;
    r.scenario.header.endAge = 47;
    r.addAccount("Bank", AccountKind::TaxFreeSavings, 10000, 10);
    ASSERT_EQ(r.run(), 1);
    const float fraction = 91 * 0.0027397260273972603f;
    EXPECT_FLOAT_EQ(r.scenario.header.startAge, 45.0f + fraction);
    EXPECT_TRUE(r.shownLines()[0].starts_with("45.2 \t"));
    const float startAge = 45.0f + fraction;
    EXPECT_EQ(r.output.tables.years[0].incoming, 10000 * 10 * 0.01f * (1 - (startAge - 45)));
    EXPECT_EQ(r.output.tables.years[0].age, 45.0f);
    EXPECT_NE(test::readText(r.dir / "plotinf01.tmp").find("\n45.2 0.00 10000.00 "),
              std::string::npos);
    EXPECT_TRUE(r.shownLines()[2].starts_with("46.0 \t")); // later years show whole ages
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

TEST(RunSchedule, SavedResultsKeepHyphens) {
    Sim r;
    r.scenario.header.startAge = 60;
    r.scenario.header.endAge = 61;
    r.addAccount("Broker", AccountKind::InvestmentSavings, 1000, 0);
    std::ostringstream file;
    r.deriveAndRunTo(file);
    const std::string text = file.str();
    EXPECT_TRUE(text.starts_with("\n\n" + std::string(184, '-') + "\n60.0 \t"));
    EXPECT_NE(text.find("\n" + std::string(175, '-') + "\n61.0 \t"), std::string::npos);
    EXPECT_TRUE(r.output.schedule.lines.empty());
}

TEST(RunSchedule, ACardPaidOffBeforeTheScenarioLeavesNoNegativeDebt) {
    Sim r;
    r.scenario.header.startAge = 50;
    r.scenario.header.endAge = 51;
    const auto& bank = r.addAccount("Bank", AccountKind::InvestmentSavings, 5000, 0);
    EventRecord& card = r.addEvent(EventType::Loan, 48, 49, "Visa");
    card.inflationAdjust = kCreditCardMark;
    card.amount = 1000;
    card.payment = 100;
    card.rate = 0;
    card.accountId = static_cast<std::int16_t>(bank.accountId);
    card.years = kAccountChosenMarker;
    ASSERT_EQ(r.run(), 1);
    EXPECT_EQ(r.output.tables.ageTotal(AgeTotal::Liabilities, 50), 0.0f);
    EXPECT_EQ(r.output.tables.years[0].netWorth, r.output.tables.years[0].investment);
}

TEST(RunSchedule, GoToFindsTheTotalsLineNotAnEventNamedWithAPoint) {
    Sim r;
    r.scenario.header.startAge = 60;
    r.scenario.header.endAge = 61;
    const auto& bank = r.addAccount("Bank", AccountKind::InvestmentSavings, 5000, 0);
    EventRecord& gift = r.addEvent(EventType::Deposit, 60, 60, "A.B");
    gift.amount = 10;
    gift.oneTime = 1;
    gift.accountId = static_cast<std::int16_t>(bank.accountId);
    ASSERT_EQ(r.run(), 1);
    EXPECT_EQ(r.shownLines()[2], "  A.B - Deposit $10.00 to Bank");
    EXPECT_EQ(r.output.schedule.ageToLine[60], 0);
}

TEST(RunSchedule, AZoomedGraphGetsOnlyTheZoomedYearsInThePlotFile) {
    Sim r;
    r.scenario.header.startAge = 60;
    r.scenario.header.endAge = 70;
    r.addAccount("Bank", AccountKind::InvestmentSavings, 1000, 0);
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
