#include "calc_test_support.h"
#include "calculators/mortgage_schedule.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace finplan {
namespace {

EventRecord mortgage(float start, float amount, float down, float rate, int years) {
    EventRecord m;
    m.type = static_cast<std::int16_t>(EventType::Mortgage);
    m.startAge = start;
    m.amount = amount;
    m.downPayment = down;
    m.rate = rate;
    m.years = static_cast<std::int16_t>(years);
    return m;
}

TEST(MortgageSchedule, KnownFileWithAppreciationExtraFromTheScenarioStartAndASale) {
    // Bought at 40 for 150,000 with 30,000 down at 5.5 % for 30 years, 3 % appreciation, 100
    // extra a month from the scenario's start at 43, sold at 46.
    EventRecord m = mortgage(40, 150000, 30000, 5.5f, 30);
    m.adjustRate = 46;
    m.appreciationRate = 3;
    m.extraPrincipal = 100;
    m.extraPrincipalMode() = 2;
    const MortgageSchedule schedule = buildMortgageSchedule(m, 43.0f);
    ASSERT_TRUE(schedule.valid);
    EXPECT_EQ(mortgageScheduleFileText(schedule),
              test::readText(test::calculatorData("psched/psched.tmp")));
    // The first year's row holds the price grown once.
    EXPECT_EQ(schedule.rows[1].values[7], static_cast<double>(150000.0f * 1.03f));
}

TEST(MortgageSchedule, StopsAtTheRowThatReachesTheSellOrPayoffAge) {
    struct Case {
        float payoffAge;
        float sellAge;
        int lastAge;
    };
    const Case cases[] = {{0, 0, 70}, {0, 50, 50}, {42, 0, 42}, {45, 44, 44}, {40, 0, 41}};
    for (const Case& c : cases) {
        EventRecord m = mortgage(40, 100000, 0, 6, 30);
        m.endAge = c.payoffAge;
        m.adjustRate = c.sellAge;
        const MortgageSchedule schedule = buildMortgageSchedule(m, 40.0f);
        ASSERT_TRUE(schedule.valid);
        EXPECT_EQ(schedule.rows.front().age, 40);
        EXPECT_EQ(schedule.rows.back().age, c.lastAge) << c.payoffAge << " " << c.sellAge;
        EXPECT_EQ(static_cast<int>(schedule.rows.size()), c.lastAge - 40 + 1);
    }
    // Paid in full at the end of the term: nothing owed, the whole price is equity.
    const MortgageSchedule whole = buildMortgageSchedule(mortgage(40, 100000, 0, 6, 30), 40.0f);
    EXPECT_NEAR(whole.rows.back().values[2], 100000.0, 0.5);
    EXPECT_NEAR(whole.rows.back().values[8], 0.0, 0.5);
}

TEST(MortgageSchedule, ExtraPrincipalModes) {
    EventRecord plain = mortgage(40, 100000, 0, 6, 30);
    EventRecord fromStart = plain;
    fromStart.extraPrincipal = 100;
    fromStart.extraPrincipalMode() = 1;
    EventRecord fromScenario = fromStart;
    fromScenario.extraPrincipalMode() = 2;
    const auto none = buildMortgageSchedule(plain, 43.0f).rows;
    const auto one = buildMortgageSchedule(fromStart, 43.0f).rows;
    const auto two = buildMortgageSchedule(fromScenario, 43.0f).rows;
    // Mode 1 pays the extra from the first year, mode 2 from 43 on: 1,200 more principal and
    // the interest it saves (principals from a separate computation).
    EXPECT_EQ(none[1].values[0], 1228.0147705078125);
    EXPECT_EQ(one[1].values[0], 2461.571044921875);
    for (std::size_t row = 1; row <= 3; ++row) {
        EXPECT_EQ(two[row].values, none[row].values) << row;
    }
    EXPECT_EQ(none[4].values[0], 1469.54052734375);
    EXPECT_EQ(two[4].values[0], 2703.0966796875);
    // Paid off early: the last years' rows pay nothing.
    EXPECT_EQ(two.back().values[0], 0.0);
    EXPECT_GT(none.back().values[0], 0.0);
}

TEST(MortgageSchedule, InvalidDataGiveTheTitlesAndTheEndMarkerOnly) {
    EventRecord late = mortgage(40, 100000, 0, 6, 30);
    late.endAge = 39;
    EventRecord soldEarly = mortgage(40, 100000, 0, 6, 30);
    soldEarly.adjustRate = 39;
    const EventRecord cases[] = {
        mortgage(0.5f, 100000, 0, 6, 30),
        mortgage(121, 100000, 0, 6, 30),
        late,
        soldEarly,
        mortgage(40, 100000, 100000, 6, 30),
        mortgage(40, 100000, 0, -1, 30),
        mortgage(40, 100000, 0, 100.5f, 30),
        mortgage(40, 100000, 0, 6, 0),
        mortgage(40, 100000, 0, 6, 101),
    };
    const std::string titlesOnly = "Age\tPrincipal\tInterest\tTotal Principal\tTotal Interest\t"
                                   "Total Payment\tEquity\tInflated Equity\tProperty Value\t"
                                   "Property Liability\t\nDooone";
    for (const EventRecord& m : cases) {
        const MortgageSchedule schedule = buildMortgageSchedule(m, 40.0f);
        EXPECT_FALSE(schedule.valid);
        EXPECT_TRUE(schedule.rows.empty());
        EXPECT_EQ(mortgageScheduleFileText(schedule), titlesOnly);
    }
}

} // namespace
} // namespace finplan
