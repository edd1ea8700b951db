#include "model/sample_scenario.h"
#include "model/scenario_check.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace finplan {
namespace {

struct Damage {
    const char* what;
    std::function<void(Scenario&)> damage;
    const char* message;
};

TEST(ScenarioCheck, NamesTheFirstValueNoEditorWouldAccept) {
    const std::string base = test::textBlock("model/scenario_check_scenarios.txt", "base");
    const auto event = [](Scenario& s, int i) -> EventRecord& {
        return s.events[static_cast<std::size_t>(i)];
    };
    const std::vector<Damage> cases = {
        {"NaN amount", [&](Scenario& s) { event(s, 0).amount = std::nanf(""); },
         "Event \"Salary\": the amount is not a number."},
        {"huge amount", [&](Scenario& s) { event(s, 0).amount = 3.4e38f; },
         "Event \"Salary\": the amount must lie between -100000000 and 100000000."},
        {"start age -inf",
         [&](Scenario& s) { event(s, 1).startAge = -std::numeric_limits<float>::infinity(); },
         "Event \"Home\": the start age is not a number."},
        {"start age -1e30", [&](Scenario& s) { event(s, 1).startAge = -1e30f; },
         "Event \"Home\": the start age must lie between 0 and 120."},
        {"loan rate 1000 is allowed, 1001 not", [&](Scenario& s) { event(s, 1).rate = 1001; },
         "Event \"Home\": the rate must lie between -200 and 1000."},
        {"account rate", [](Scenario& s) { s.accounts.accounts[0].rate = 300; },
         "Account \"Bank\": the rate must lie between -200 and 200."},
        {"random range 1e30", [](Scenario& s) { s.accounts.accounts[0].randomMaxRate = 1e30f; },
         "Account \"Bank\": the highest random rate must lie between -200 and 200."},
        {"account kind", [](Scenario& s) { s.accounts.accounts[0].kind = 7; },
         "Account \"Bank\": the kind must lie between 0 and 4."},
        {"group range NaN", [](Scenario& s) { s.groups.groupRandomMin[2] = std::nanf(""); },
         "Group 3: the lowest random rate is not a number."},
        {"February 31",
         [](Scenario& s) {
             s.header.useBirthday = 1;
             s.header.birthMonth = 2;
             s.header.birthDay = 31;
         },
         "The scenario: the birth day must lie between 1 and 29."},
        {"inflation", [](Scenario& s) { s.header.inflationRate = std::nanf(""); },
         "The scenario: the inflation rate is not a number."},
        {"budget item NaN", [](Scenario& s) { s.budgets[1].itemYearly[1] = std::nanf(""); },
         "Budget \"Living\": the yearly amount of \"Rent\" is not a number."},
        {"budget apply rate", [](Scenario& s) { s.budgets[1].itemApplyRate[0] = 1e30f; },
         "Budget \"Living\": the apply rate of \"Food\" must lie between -200 and 200."},
        {"budget item count", [](Scenario& s) { s.budgets[1].itemCount = 31; },
         "Budget \"Living\": the number of items must lie between 0 and 30."},
    };
    for (const Damage& c : cases) {
        Scenario scenario = test::makeScenario(base);
        ASSERT_EQ(firstInvalidValue(scenario), std::nullopt) << c.what;
        c.damage(scenario);
        EXPECT_EQ(firstInvalidValue(scenario), std::optional<std::string>(c.message)) << c.what;
    }
    // The editors' own limits pass: a one-time event's end age is never used.
    Scenario edge = test::makeScenario(base + "withdrawal name=Gift start=62 end=500 once=1 "
                                              "amount=100000000\n");
    edge.events[1].rate = 1000;
    EXPECT_EQ(firstInvalidValue(edge), std::nullopt);
    // A budget no withdrawal pays is not run, so its damage stops nothing; items past the count
    // are not run either.
    Scenario unpaid = test::makeScenario(base);
    unpaid.budgets[3].itemCount = 2;
    unpaid.budgets[3].itemYearly[0] = std::nanf("");
    unpaid.budgets[1].itemYearly[2] = std::nanf("");
    EXPECT_EQ(firstInvalidValue(unpaid), std::nullopt);
    EXPECT_EQ(firstInvalidValue(makeSampleScenario()), std::nullopt);
}

} // namespace
} // namespace finplan
