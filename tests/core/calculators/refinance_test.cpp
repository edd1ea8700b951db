#include "calc_test_support.h"
#include "calculators/refinance_analysis.h"
#include "calculators/refinance_create.h"
#include "calculators/refinance_files.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/field_checks.h"
#include "support/scenario_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace finplan {
namespace {

using test::refusalOf;

// The mortgage of the known files: 50,000 from 40 at 7 % for 5 years, refinanced at 42 at
// 4.5 % for 5 years with 2,000 cash out kept as savings, 1,500 closing costs in the mortgage
// and 1 point paid apart.
FieldTexts knownFields() {
    return test::textsOf<FieldTexts>(
        "start-age=40;amount=50000;rate=7;years=5;refinance-age=42;refinanced-amount=0;cash-out="
        "2000;cash-out-as-savings=on;new-rate=4.5;new-years=5;closing-costs=1500;include-closing-"
        "costs=on;points=1;include-points=;tax-rate=25;savings-rate=3");
}

TEST(RefinanceAnalysis, KnownOutputsAndFiles) {
    RefinanceState state{knownFields(), false};
    RefinanceAnalysis analysis;
    const CalcResult result = runRefinanceAnalysis(state, &analysis);
    ASSERT_TRUE(result.accepted()) << refusalOf(result);
    EXPECT_EQ(test::outputsOf(result),
              test::settingsOf(
                  "existing-payment=$990.05;refinanced-amount=34064.73    "
                  ";refinanced-payment=$663.04;refinanced-amount-after-costs=$35,564.73;total-"
                  "mortgage-costs=$1,855.65;months-to-break-even=Never;months-compared=60"));
    EXPECT_EQ(refinanceReportText(analysis),
              test::readText(test::calculatorData("refinance/refprt.tmp")));
    EXPECT_EQ(refinanceGraphText(analysis),
              test::readText(test::calculatorData("refinance/ref.tmp")));
}

TEST(RefinanceAnalysis, BreakEvenCountsTheMonthsBeforeIt) {
    FieldTexts fields = test::textsOf<FieldTexts>(
        "start-age=40;amount=100000;rate=6;years=30;refinance-age=45;new-rate=5;new-years=30;tax-"
        "rate=25;savings-rate=3;points=2;include-points=on");
    RefinanceState state{fields, false};
    typeRefinancedAmount(state, "100000");
    const CalcResult typed = runRefinanceAnalysis(state);
    EXPECT_EQ(typed.output("refinanced-amount"), "100000");
    EXPECT_EQ(typed.output("refinanced-amount-after-costs"), "$102,000.00");
    EXPECT_EQ(typed.output("months-to-break-even"), "86 ");
    EXPECT_EQ(typed.output("months-compared"), "360");

    // Equal rates and terms and no costs: equal courses from the first month.
    RefinanceState equal{fields, false};
    equal.fields["new-rate"] = "6";
    equal.fields["points"] = "0";
    equal.fields["refinance-age"] = "40";
    EXPECT_EQ(runRefinanceAnalysis(equal).output("months-to-break-even"), "0  ");
}

TEST(RefinanceAnalysis, AComputedAmountIsComputedAgainATypedOneKept) {
    RefinanceState state{knownFields(), false};
    state.fields["cash-out"] = "0";
    ASSERT_TRUE(runRefinanceAnalysis(state).accepted());
    EXPECT_TRUE(state.amountComputed);
    EXPECT_EQ(state.fields["refinanced-amount"], "32064.72    ");

    // Another age: the computed amount follows it.
    state.fields["refinance-age"] = "43";
    EXPECT_EQ(runRefinanceAnalysis(state).output("refinanced-amount"), "22113.37    ");

    // A typed amount stays, whatever changes.
    typeRefinancedAmount(state, "25000");
    state.fields["refinance-age"] = "42";
    EXPECT_EQ(runRefinanceAnalysis(state).output("refinanced-amount"), "25000");
    EXPECT_FALSE(state.amountComputed);
    // Typing 0 or nothing asks for it again.
    typeRefinancedAmount(state, "");
    EXPECT_EQ(runRefinanceAnalysis(state).output("refinanced-amount"), "32064.72    ");
}

TEST(RefinanceAnalysis, LeavingAFieldRecomputesOnlyWhenItsInputsPass) {
    RefinanceState state{knownFields(), true};
    state.fields["refinanced-amount"] = "1.00";
    state.fields["refinance-age"] = "500"; // refused: nothing happens
    refreshRefinancedAmount(state);
    EXPECT_EQ(state.fields["refinanced-amount"], "1.00");
    state.fields["refinance-age"] = "42";
    state.fields["tax-rate"] = ""; // not needed for the amount
    refreshRefinancedAmount(state);
    EXPECT_EQ(state.fields["refinanced-amount"], "34064.73    ");
    typeRefinancedAmount(state, "7000");
    refreshRefinancedAmount(state);
    EXPECT_EQ(state.fields["refinanced-amount"], "7000");
}

TEST(RefinanceAnalysis, ChecksInTheDialogsOrder) {
    for (const test::CaseLine& c : test::readCases("calculators/answers.txt")) {
        if (c.word != "refinance") {
            continue;
        }
        SCOPED_TRACE(c.where);
        RefinanceState state{knownFields(), false};
        for (const auto& [key, text] : c.inputs) {
            state.fields[key] = text;
        }
        const CalcResult result = runRefinanceAnalysis(state);
        EXPECT_EQ(refusalOf(result), c.answer("refused"));
        test::expectIcon(result, c);
        if (!result.accepted()) {
            EXPECT_EQ(state.fields["refinanced-amount"], "0"); // not computed either
        }
    }
}

TEST(RefinanceAnalysis, AResultTooLargeToShowIsRefused) {
    RefinanceState state{
        test::textsOf<FieldTexts>("start-age=40;amount=100000;rate=6;years=50;refinance-age=90;new-"
                                  "rate=5;new-years=50;tax-rate=1;savings-rate=200"),
        false};
    EXPECT_EQ(refusalOf(runRefinanceAnalysis(state)),
              "|Amount Error!|The result is too large to show.");
}

// A scenario whose event 0 is the mortgage: 150,000 bought at 40 with 30,000 down at 5.5 % for
// 30 years, 3 % appreciation, 2,000 property taxes grown with inflation (3 %), 6 % selling
// expenses.
Scenario withMortgage() {
    return test::makeScenario(
        test::textBlock("calculators/refinance_scenarios.txt", "withMortgage"));
}

FieldTexts createFields() {
    return test::textsOf<FieldTexts>("refinance-age=45;new-rate=4;new-years=20;cash-out=5000;"
                                     "closing-costs=3000;include-closing-costs=on;points=1");
}

TEST(RefinanceCreate, TheNewMortgageStartsFromTheValueAndEquityAtTheRefinanceAge) {
    const Scenario before = withMortgage();
    const RefinanceCreation created = createRefinanceEvent(before, 0, createFields());
    ASSERT_FALSE(created.refusal) << created.refusal->text;
    ASSERT_TRUE(created.scenario);
    const Scenario& s = *created.scenario;
    ASSERT_EQ(s.liveEventCount, 2);
    const EventRecord& old = s.events[0];
    const EventRecord& copy = s.events[1];
    EXPECT_EQ(fieldText(old.name), "House");
    EXPECT_EQ(fieldText(copy.name), "RF-House");
    test::expectFields({FIELD_IS(s.modified, true), FIELD_IS(s.resultsStale, true),
                        FIELD_IS(old.adjustRate, 45), FIELD_IS(old.sellingExpenses, 0),
                        FIELD_IS(created.savedSellingExpenses, 6)});

    // Expected values from a separate year-by-year computation: the value 150,000 and the
    // property taxes 2,000 grown 3 % five times; the down payment the equity 173,891.11 -
    // (150,000 - 39,047.18), less the cash out and the closing costs; of those only the point.
    test::expectFields({FIELD_IS(copy.type, EventType::Mortgage), FIELD_IS(copy.startAge, 45),
                        FIELD_IS(copy.endAge, 60), FIELD_IS(copy.adjustRate, 120),
                        FIELD_IS(copy.rate, 4), FIELD_IS(copy.years, 20),
                        FIELD_IS(copy.accountId, 0)});
    test::expectFields(
        {FIELD_IS(copy.amount, 173891.109375f), FIELD_IS(copy.propertyTax, 2318.54833984375f),
         FIELD_IS(copy.downPayment, 54938.2890625f),
         FIELD_IS(copy.closingCosts, 1189.5281982421875f), FIELD_IS(copy.payment, 720.8310546875f),
         FIELD_IS(copy.appreciationRate, 3), FIELD_IS(copy.inflationAdjust, 1)});
}

TEST(RefinanceCreate, ValueMovesForwardWithoutInflationTooAndCostsAreThisRefinancesOnly) {
    Scenario before = withMortgage();
    before.events[0].inflationAdjust = 0;
    before.events[0].endAge = 44; // not after the refinance age
    FieldTexts fields = createFields();
    fields["include-closing-costs"] = "";
    fields["closing-costs"] = "0";
    fields["points"] = "0";
    const RefinanceCreation created = createRefinanceEvent(before, 0, fields);
    ASSERT_TRUE(created.scenario);
    const EventRecord& copy = created.scenario->events[1];
    // The closing costs are never the original 4,000 again.
    test::expectFields(
        {FIELD_IS(copy.amount, 173891.109375f), FIELD_IS(copy.propertyTax, 2000),
         FIELD_IS(copy.closingCosts, 0), FIELD_IS(copy.endAge, 120),
         FIELD_IS(copy.downPayment, 173891.109375f - (150000.0f - 39047.1796875f) - 5000.0f)});
}

TEST(RefinanceCreate, Refusals) {
    const auto refused = [](const Scenario& s, const std::string& key, const std::string& text) {
        FieldTexts fields = createFields();
        fields[key] = text;
        const RefinanceCreation c = createRefinanceEvent(s, 0, fields);
        EXPECT_NE(c.refusal.has_value(), c.scenario.has_value()) << key;
        return c.refusal ? c.refusal->title + "|" + c.refusal->text : std::string("accepted");
    };
    const Scenario base = withMortgage();
    const std::string ageRefusal = "Age Error!|The age at refinancing must be greater the the age "
                                   "of the orginal mortgage.";
    EXPECT_EQ(refused(base, "refinance-age", "40"), ageRefusal);
    EXPECT_EQ(refused(base, "refinance-age", "39"), ageRefusal);
    EXPECT_EQ(refused(base, "points", "-2"),
              "Mortgage points Error!|The mortgage points must be greater or equal to zero.");
    EXPECT_EQ(refused(base, "new-years", "60"),
              "Number of Years Error!|The number of years be less than 50.");

    Scenario full = base;
    full.liveEventCount = kMaxEvents;
    for (int i = 1; i < kMaxEvents; ++i) {
        full.events[static_cast<std::size_t>(i)] = full.events[0];
    }
    EXPECT_EQ(refused(full, "points", "1"), "Event Warning|Maximum number of events reached!");
    full.liveEventCount = kMaxEvents - 1;
    EXPECT_EQ(refused(full, "points", "1"), "accepted");
}

TEST(RefinanceCreate, TheNameIsCutToTheField) {
    Scenario s = withMortgage();
    const std::string longName(49, 'n');
    setFieldText(s.events[0].name, longName);
    const RefinanceCreation created = createRefinanceEvent(s, 0, createFields());
    ASSERT_TRUE(created.scenario);
    EXPECT_EQ(fieldText(created.scenario->events[1].name), "RF-" + std::string(46, 'n'));
}

} // namespace
} // namespace finplan
