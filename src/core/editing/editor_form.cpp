#include "editing/editor_form.h"

#include <array>

namespace finplan {

namespace {

// Event names, account names and access orders take 49, 29 and 3 characters; a field whose
// length nothing else fixes takes 20.
constexpr int kNameLength = 49;
constexpr int kAmountLength = 12;
constexpr int kFieldLength = 20;

FormField text(std::string key, std::string label, int length = kFieldLength) {
    return {std::move(key), FieldKind::Text, std::move(label), length};
}

FormField box(std::string key, std::string label) {
    return {std::move(key), FieldKind::CheckBox, std::move(label), 0};
}

FormField picker(std::string key, std::string label, bool withNone) {
    return {std::move(key), withNone ? FieldKind::AccountPickerWithNone : FieldKind::AccountPicker,
            std::move(label), 0};
}

FormField output(std::string key, std::string label) {
    return {std::move(key), FieldKind::Output, std::move(label), 0};
}

FormField button(std::string key, std::string label) {
    return {std::move(key), FieldKind::Button, std::move(label), 0};
}

EditorForm withdrawalForm() {
    return {EditorKind::Withdrawal,
            "withdrawal",
            "Withdrawal",
            {text("description", "Description", kNameLength),
             text("amount", "Amount", kAmountLength), text("start-age", "Start Age"),
             text("end-age", "End Age"), text("apply-rate", "Apply Rate"),
             picker("withdrawal-account", "Withdrawal Account", true),
             box("one-time", "One time only withdrawal"),
             box("apply-inflation", "Apply inflation rate to withdrawal")}};
}

EditorForm depositForm() {
    return {EditorKind::Deposit,
            "income",
            "Deposit",
            {text("description", "Description", kNameLength), text("start-age", "Start Age"),
             text("end-age", "End Age"), text("amount", "Amount", kAmountLength),
             text("apply-rate", "Apply Rate"), picker("deposit-to", "Deposit to:", false),
             box("one-time", "One time only deposit"),
             box("apply-inflation", "Apply inflation rate to deposits"),
             box("tax-deposit", "Tax deposit at current tax rate")}};
}

EditorForm transferForm() {
    return {EditorKind::Transfer,
            "transfer",
            "Transfer",
            {text("description", "Description", kNameLength), text("start-age", "Start Age"),
             text("end-age", "End Age"), text("amount", "Amount", kAmountLength),
             text("apply-rate", "Apply Rate"), picker("from-account", "From Account:", false),
             picker("to-account", "To Account:", false), box("one-time", "One transaction only"),
             box("apply-inflation", "Apply inflation rate to transfer"),
             box("transfer-all-funds", "Transfer all funds at Start Age")}};
}

EditorForm fundamentalsForm() {
    return {EditorKind::Fundamentals,
            "fundamentals",
            "Fundamentals",
            {text("description", "Description", kNameLength), text("start-age", "Start Age"),
             text("tax-rate", "Tax Rate"), text("inflation-rate", "Inflation Rate"),
             picker("change-account-rate", "Change account rate", true),
             button("change-rate", "Press to change selected account's rate")}};
}

EditorForm accountRateForm() {
    return {EditorKind::AccountRate,
            "account",
            "Account Rate",
            {{"account-name", FieldKind::StaticText, "Account", 0},
             text("current-rate", "Rate"),
             button("calculate-effective-yearly-rate", "Calculate Effective Yearly Rate")}};
}

EditorForm initialValuesForm() {
    return {
        EditorKind::InitialValues,
        "initial",
        "Initial Values",
        {text("start-age", "Start Age"), text("end-age", "End Age"), text("tax-rate", "Tax rate"),
         text("inflation-rate", "Inflation rate"), text("birth-month", "Birth Month"),
         text("birth-day", "Birth Day"), box("use-birthday", "Use Birthday"),
         output("investment-savings", "Investment Savings"),
         output("tax-free-savings", "Tax Free Savings"),
         output("retirement-savings", "Retirement Savings"), output("equity", "Equity"),
         output("assets", "Assets"), output("investment-savings-rate", "Investment Savings Rate"),
         output("tax-free-savings-rate", "Tax Free Savings Rate"),
         output("retirement-savings-rate", "Retirement Savings Rate"),
         output("equity-rate", "Equity Rate"), output("assets-rate", "Assets Rate"),
         output("total-amount-in-accounts", "Total Amount In Accounts")}};
}

EditorForm loanForm() {
    return {EditorKind::Loan,
            "loan",
            "Loan",
            {text("description", "Description", kNameLength), text("start-age", "Start Age"),
             text("payoff-age", "Payoff Age"), text("amount", "Amount", kAmountLength),
             text("down-payment", "Down Payment"), text("rate", "Rate"),
             text("no-of-years", "No of Years"), output("monthly-payment", "Monthly Payment"),
             text("sell-asset-age", "Sell asset age"), picker("deposit-to", "Deposit to:", false),
             picker("payments-account", "Withdrawal payments from account:", true),
             button("calculate", "Calculate")}};
}

EditorForm mortgageForm() {
    return {EditorKind::Mortgage,
            "mortgage",
            "Mortgage",
            {text("description", "Description", kNameLength),
             text("start-age", "Start Age"),
             text("payoff-age", "Payoff Age"),
             text("amount", "Amount"),
             text("down-payment", "Down Payment / Equity"),
             text("rate", "Rate"),
             text("no-of-years", "No of Years"),
             output("monthly-payment", "Monthly Payment"),
             text("appreciation-rate", "Appreciation Rate"),
             text("sell-age", "Sell Age"),
             text("percent-of-selling-price", "Percent of Selling Price at Sale"),
             text("taxes", "Taxes"),
             text("closing-costs", "Closing Costs"),
             text("accelerated-amount", "Accelerated Payment Monthly Amount"),
             box("do-not-withdraw-down-payment", "Do not withdraw down payment"),
             box("apply-inflation-to-taxes", "Apply inflation rate to taxes"),
             box("accelerate-from-mortgage-start",
                 "Apply accelerated monthly payment starting at Mortgage Start Age"),
             box("accelerate-from-initial-start",
                 "Apply accelerated monthly payment starting at Initial Values Start Age"),
             picker("payments-account", "Withdraw payments from account:", true),
             button("calculate", "Calculate"),
             button("schedule", "Schedule"),
             button("refinance", "Do Refinancing Analysis"),
             button("accelerated", "Do Accelerated Payment Analysis")}};
}

EditorForm creditCardForm() {
    return {EditorKind::CreditCard,
            "ccard",
            "Credit Card Debt",
            {text("company", "Company", kNameLength), text("start-age", "Start Age"),
             text("payoff-age", "Payoff Age"), text("balance", "Balance", kAmountLength),
             text("rate", "Rate"), text("monthly-payments", "Monthly Payments"),
             text("monthly-purchases", "Monthly Purchases"), output("years", "Years"),
             output("months", "Months"), output("total-interest", "Total Interest"),
             picker("payments-account", "Withdraw payments from account:", true),
             button("calculate", "Calculate")}};
}

EditorForm makeForm(EditorKind kind) {
    switch (kind) {
    case EditorKind::Withdrawal:
        return withdrawalForm();
    case EditorKind::Deposit:
        return depositForm();
    case EditorKind::Transfer:
        return transferForm();
    case EditorKind::Fundamentals:
        return fundamentalsForm();
    case EditorKind::AccountRate:
        return accountRateForm();
    case EditorKind::InitialValues:
        return initialValuesForm();
    case EditorKind::Loan:
        return loanForm();
    case EditorKind::Mortgage:
        return mortgageForm();
    case EditorKind::CreditCard:
        return creditCardForm();
    case EditorKind::AssetAllocation:
    case EditorKind::Rmd:
    case EditorKind::Budget:
    case EditorKind::Groups:
    case EditorKind::LifeTable:
    case EditorKind::Preferences:
    case EditorKind::ReportOptions:
    case EditorKind::PageSetup:
        break;
    }
    return {kind, {}, {}, {}};
}

} // namespace

const FormField* EditorForm::field(std::string_view key) const {
    for (const FormField& f : fields) {
        if (f.key == key) {
            return &f;
        }
    }
    return nullptr;
}

const EditorForm& editorForm(EditorKind kind) {
    static const std::array<EditorForm, 12> kForms = [] {
        std::array<EditorForm, 12> forms;
        for (std::size_t i = 0; i < forms.size(); ++i) {
            forms[i] = makeForm(static_cast<EditorKind>(i));
        }
        return forms;
    }();
    return kForms[static_cast<std::size_t>(kind)];
}

} // namespace finplan
