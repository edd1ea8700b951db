#include "model/sample_scenario.h"
#include "model/scenario_check.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace finplan {
namespace {

// Damage a base scenario's lines cannot hold: a record changed after building.
struct Damage {
    const char* what;
    std::function<void(Scenario&)> damage;
    const char* message;
};

TEST(ScenarioCheck, NamesTheFirstValueNoEditorWouldAccept) {
    const std::string base = test::textBlock("model/scenario_check_scenarios.txt", "base");
    ASSERT_EQ(firstInvalidValue(test::makeScenario(base)), std::nullopt);
    test::forEachCase(
        "model/scenario_check_cases.txt", "damaged", 11, [&](const test::CaseLine& c) {
            const Scenario scenario = test::makeScenario(base + c.input("lines"));
            EXPECT_EQ(firstInvalidValue(scenario), std::optional<std::string>(c.answer("message")));
        });
    const std::vector<Damage> damages = {
        {"account kind", [](Scenario& s) { s.accounts.accounts[0].kind = 7; },
         "Account \"Bank\": the kind must lie between 0 and 4."},
        {"budget item NaN", [](Scenario& s) { s.budgets[1].itemYearly[1] = std::nanf(""); },
         "Budget \"Living\": the yearly amount of \"Rent\" is not a number."},
        {"budget item count", [](Scenario& s) { s.budgets[1].itemCount = 31; },
         "Budget \"Living\": the number of items must lie between 0 and 30."},
    };
    for (const Damage& c : damages) {
        Scenario scenario = test::makeScenario(base);
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
