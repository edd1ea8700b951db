#pragma once

#include "calculators/calc_fields.h"

#include <optional>
#include <vector>

namespace finplan {

// The refinance analysis compares keeping a mortgage with refinancing it at an age.
//
// Fields, in the dialog's order: start-age, amount, rate, years (the existing mortgage),
// refinance-age, refinanced-amount, cash-out, cash-out-as-savings, new-rate, new-years,
// closing-costs, include-closing-costs, points, include-points, tax-rate, savings-rate.
// Outputs: existing-payment, refinanced-amount, refinanced-payment,
// refinanced-amount-after-costs, total-mortgage-costs, months-to-break-even ("Never" when the
// refinanced course never catches up), months-compared.

struct RefinanceInputs {
    int startAge = 0;
    float amount = 0.0f;
    float rate = 0.0f;
    int years = 0;
    float refinanceAge = 0.0f;
    float typedAmount = 0.0f; // the refinanced amount as typed; 0 or less: computed
    float cashOut = 0.0f;
    bool cashOutAsSavings = false;
    float newRate = 0.0f;
    int newYears = 0;
    float closingCosts = 0.0f;
    bool includeClosingCosts = false;
    float points = 0.0f;
    bool includePoints = false;
    float taxRate = 0.0f;
    float savingsRate = 0.0f;
};

// Reads and checks the fields in the dialog's order; empty with the reader's refusal set when
// one is refused. Closing costs and points are checked here too, not only on Create.
std::optional<RefinanceInputs> readRefinanceInputs(FieldReader& in);

// Single checks that Create applies too; each refuses through the reader.
std::optional<int> readRefinanceTerm(FieldReader& in, std::string_view key);
std::optional<float> readClosingCosts(FieldReader& in);
std::optional<float> readPoints(FieldReader& in);
std::optional<float> readCashOut(FieldReader& in);
void refuseRefinanceAge(FieldReader& in);

// The months of the existing mortgage before the refinance age: whole months from its start.
int monthsBeforeRefinancing(int startAge, float refinanceAge);

// The existing mortgage's balance at the refinance age plus the cash out.
float computedRefinancedAmount(const RefinanceInputs& inputs);

// One course in one year of the comparison (or at its start).
struct CourseYear {
    double netWorth = 0.0;
    float savings = 0.0f;
    float equity = 0.0f;
    double paymentDifference = 0.0; // (budget - payment) x 12, 0 when below 1
    float principal = 0.0f;
    float interest = 0.0f;
    float taxSavings = 0.0f;
    float savingsInterest = 0.0f;
    float taxOnInterest = 0.0f;
};

struct RefinanceYear {
    int age = 0; // the age the row is labelled with
    CourseYear existing;
    CourseYear refinanced;
};

struct RefinanceGraphPoint {
    int month = 0; // months since the refinance age
    double existing = 0.0;
    double refinanced = 0.0;
};

struct RefinanceAnalysis {
    float existingPayment = 0.0f;
    float refinancedAmount = 0.0f; // before the included costs
    float amountAfterCosts = 0.0f; // what the refinanced mortgage borrows
    float totalCosts = 0.0f;       // points and closing costs
    float refinancedPayment = 0.0f;
    float monthlyBudget = 0.0f; // the larger payment, which both courses spend
    std::optional<int> breakEvenMonths;
    int monthsCompared = 0;
    int graphMonths = 0; // the months the graph's x axis shows
    RefinanceYear start; // both courses at the refinance age
    std::vector<RefinanceYear> years;
    std::vector<RefinanceGraphPoint> points;
};

// The comparison, month by month from the refinance age, for a refinanced amount already
// decided (typed, or computedRefinancedAmount).
RefinanceAnalysis analyzeRefinance(const RefinanceInputs& inputs, float refinancedAmount);

// What the dialog keeps between uses: its fields and whether the refinanced amount field holds
// a value the analysis computed (recomputed every time) or one the user typed (kept).
struct RefinanceState {
    FieldTexts fields;
    bool amountComputed = false;
};

// The user typed into the refinanced amount field: 0 or empty asks for it to be computed.
void typeRefinancedAmount(RefinanceState& state, std::string text);

// Do Analysis: checks the fields, fills a computed refinanced amount into its field and answers
// the outputs. `analysis`, when given, receives the comparison for the files and the details.
CalcResult runRefinanceAnalysis(RefinanceState& state, RefinanceAnalysis* analysis = nullptr);

// Leaving the refinance age or cash-out field: a computed (or empty) refinanced amount is
// computed again, but only when the fields it needs pass their checks. Nothing is shown.
void refreshRefinancedAmount(RefinanceState& state);

} // namespace finplan
