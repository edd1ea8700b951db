#include "gui/calculators/calculator_forms.h"

namespace finplan::gui {

namespace {

// The mortgage calculator's and the refinance analysis's fields take at most ten characters;
// the others are not limited.
constexpr int kFieldLength = 10;

FormField text(std::string key, std::string label) {
    return {std::move(key), FieldKind::Text, std::move(label), kFieldLength};
}

FormField longText(std::string key, std::string label) {
    return {std::move(key), FieldKind::Text, std::move(label), 0};
}

FormField box(std::string key, std::string label) {
    return {std::move(key), FieldKind::CheckBox, std::move(label), 0};
}

FormField output(std::string key, std::string label) {
    return {std::move(key), FieldKind::Output, std::move(label), 0};
}

FormField button(std::string key, std::string label) {
    return {std::move(key), FieldKind::Button, std::move(label), 0};
}

EditorForm mortgageForm() {
    return {EditorKind::Mortgage,
            "mortgagec",
            "Mortgage Calculator",
            {text("amount", "Amount"), text("down-payment", "Down Payment"),
             text("rate", "Rate (%)"), text("years", "Number of Years"),
             output("monthly-payment", "Monthly Payment"), button("calculate", "Calculate"),
             button("use-in-plan", "Use this mortgage in plan")}};
}

EditorForm refinanceForm() {
    return {EditorKind::Mortgage,
            "refinance",
            "Refinance Analysis",
            {text("start-age", "Start Age of Existing Mortgage"),
             text("amount", "Existing Mortgage Amount"),
             text("rate", "Existing Rate (%)"),
             text("years", "Existing Number of Years"),
             output("existing-payment", "Existing Monthly Payment"),
             text("refinance-age", "Age at Refinancing"),
             text("refinanced-amount", "Refinanced Amount"),
             text("cash-out", "Cash Out"),
             box("cash-out-as-savings", "Use Cash Out as savings"),
             text("new-rate", "Refinanced Rate (%)"),
             text("new-years", "Refinanced Number of Years"),
             output("refinanced-payment", "Refinanced Monthly Payment"),
             text("closing-costs", "Closing Costs"),
             box("include-closing-costs", "Include closing costs in mortgage"),
             text("points", "Mortgage Points (%)"),
             box("include-points", "Include points in mortgage"),
             text("tax-rate", "Effective Tax Rate (%)"),
             text("savings-rate", "Savings Rate (%)"),
             output("refinanced-amount-after-costs", "Refinanced Amount after Costs"),
             output("total-mortgage-costs", "Total Mortgage Costs"),
             output("months-to-break-even", "Months to Break Even"),
             button("do-analysis", "Do Analysis"),
             button("show-details", "Show Details"),
             button("graph", "Graph"),
             button("create-event", "Create This Refinance Event")}};
}

EditorForm acceleratedForm() {
    return {EditorKind::Mortgage,
            "accel",
            "Accelerated Mortgage Payment Analysis",
            {longText("amount", "Loan Amount"), longText("years", "Number of Years"),
             longText("years-left", "Years Left"), longText("rate", "Rate (%)"),
             longText("extra", "Additional Monthly Payment"),
             longText("investment-rate", "Investment Rate (%)"),
             longText("tax-rate", "Tax Rate (%)"), longText("inflation", "Inflation Rate (%)"),
             output("existing-payment", "Existing Monthly Payment"),
             output("existing-total-payments", "Existing Total Payments"),
             output("existing-total-interest", "Existing Total Interest"),
             output("payment-years", "Accelerated Payment Years"),
             output("accelerated-payment", "Accelerated Monthly Payment"),
             output("accelerated-total-payments", "Accelerated Total Payments"),
             output("accelerated-total-interest", "Accelerated Total Interest"),
             output("savings", "Savings"), output("investment-value", "Investment Comparison"),
             output("investment-years", "Number of Years Invested"),
             button("calculate", "Calculate")}};
}

EditorForm inflationForm() {
    return {EditorKind::Mortgage,
            "inflate",
            "Inflation Calculator",
            {longText("start-age", "Start Age"), longText("amount", "Start Age Amount"),
             longText("rate", "Inflation Rate (%)"), longText("end-age", "End Age"),
             output("inflated-amount", "Inflated Amount"), button("calculate", "Calculate")}};
}

EditorForm investmentForm() {
    return {EditorKind::Mortgage,
            "taxinf",
            "Taxes, Inflation and Your Investment",
            {longText("amount", "Amount Invested"), longText("years", "Number of Years"),
             longText("return", "Effective Yearly Rate of Return (%)"),
             longText("tax-rate", "Tax Rate on the Investment (%)"),
             longText("inflation", "Yearly Inflation Rate (%)"), output("result-years", "Years"),
             output("result-tax-rate", "Tax Rate"),
             output("value-after-taxes", "Value after Taxes"),
             output("inflation-rate", "Inflation Rate"),
             output("value-in-todays-money", "Value in Today's Purchasing Power"),
             output("effective-yearly-return", "Effective Yearly Rate of Return"),
             button("calculate", "Calculate"),
             button("effective-rate", "Calculate Effective Yearly Rate")}};
}

} // namespace

const EditorForm& calculatorForm(CalculatorForm which) {
    static const EditorForm mortgage = mortgageForm();
    static const EditorForm refinance = refinanceForm();
    static const EditorForm accelerated = acceleratedForm();
    static const EditorForm inflation = inflationForm();
    static const EditorForm investment = investmentForm();
    switch (which) {
    case CalculatorForm::Mortgage:
        return mortgage;
    case CalculatorForm::Refinance:
        return refinance;
    case CalculatorForm::Accelerated:
        return accelerated;
    case CalculatorForm::Inflation:
        return inflation;
    case CalculatorForm::Investment:
        break;
    }
    return investment;
}

} // namespace finplan::gui
