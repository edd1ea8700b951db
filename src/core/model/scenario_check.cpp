#include "model/scenario_check.h"

#include "model/text_field.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace finplan {

namespace {

constexpr float kHighestAge = 120.0f;
constexpr float kLargestAmount = 100000000.0f;
constexpr float kLargestRate = 200.0f;
constexpr float kLargestTaxOrLoanRate = 1000.0f;
constexpr int kHighestKind = 4;

struct Range {
    float low;
    float high;
};

constexpr Range kAges{0.0f, kHighestAge};
constexpr Range kAmounts{-kLargestAmount, kLargestAmount};
constexpr Range kRates{-kLargestRate, kLargestRate};
constexpr Range kTaxOrLoanRates{-kLargestRate, kLargestTaxOrLoanRate};

std::string number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", static_cast<double>(value));
    return text;
}

// Collects the first problem; later checks are skipped once one is found.
class Checker {
public:
    void value(const std::string& owner, std::string_view field, float value, Range range) {
        if (m_problem) {
            return;
        }
        if (!std::isfinite(value)) {
            m_problem = owner + ": the " + std::string(field) + " is not a number.";
        } else if (value < range.low || value > range.high) {
            m_problem = owner + ": the " + std::string(field) + " must lie between " +
                        number(range.low) + " and " + number(range.high) + ".";
        }
    }
    void whole(const std::string& owner, const char* field, int value, int low, int high) {
        if (!m_problem && (value < low || value > high)) {
            m_problem = owner + ": the " + field + " must lie between " + std::to_string(low) +
                        " and " + std::to_string(high) + ".";
        }
    }
    std::optional<std::string> problem() const { return m_problem; }

private:
    std::optional<std::string> m_problem;
};

int daysInMonth(int month) {
    constexpr int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 ? days[month - 1] : 31;
}

void checkHeader(Checker& check, const ScenarioHeader& h) {
    // The start and end ages have their own message, given by the run.
    const std::string owner = "The scenario";
    check.value(owner, "tax rate", h.taxRate, kTaxOrLoanRates);
    check.value(owner, "inflation rate", h.inflationRate, kRates);
    check.value(owner, "penalty age", h.defaultPenaltyAge, kAges);
    check.value(owner, "penalty rate", h.defaultPenaltyRate, kRates);
    if (h.useBirthday == 1) {
        check.whole(owner, "birth month", h.birthMonth, 1, 12);
        check.whole(owner, "birth day", h.birthDay, 1, daysInMonth(h.birthMonth));
    }
}

void checkAccounts(Checker& check, const Scenario& s) {
    for (int i = 0; i < s.accounts.usedCount(); ++i) {
        const AccountRecord& a = s.accounts.accounts[static_cast<std::size_t>(i)];
        const std::string owner = "Account \"" + std::string(fieldText(a.name)) + "\"";
        check.value(owner, "amount", a.initialAmount, kAmounts);
        check.value(owner, "rate", a.rate, kRates);
        check.value(owner, "lowest random rate", a.randomMinRate, kRates);
        check.value(owner, "highest random rate", a.randomMaxRate, kRates);
        check.whole(owner, "kind", a.kind, 0, kHighestKind);
        check.whole(owner, "group", a.group, 0, kGroupCount - 1);
        if (a.slot < kMaxAccounts) {
            check.value(owner, "penalty age", s.slots.penaltyAge[a.slot], kAges);
            check.value(owner, "penalty rate", s.slots.penaltyRate[a.slot], kRates);
        }
    }
    for (int g = 0; g < kGroupCount; ++g) {
        const auto index = static_cast<std::size_t>(g);
        const std::string owner = "Group " + std::to_string(g + 1);
        check.value(owner, "lowest random rate", s.groups.groupRandomMin[index], kRates);
        check.value(owner, "highest random rate", s.groups.groupRandomMax[index], kRates);
    }
}

void checkEvent(Checker& check, const EventRecord& e) {
    const std::string owner = "Event \"" + std::string(fieldText(e.name)) + "\"";
    const bool debt = e.is(EventType::Loan) || e.is(EventType::Mortgage);
    check.value(owner, "start age", e.startAge, kAges);
    // A one-time event's end age is never used, and its editor takes any text.
    check.value(owner, "end age", e.endAge, e.oneTime == 1 && !debt ? kAmounts : kAges);
    if (e.is(EventType::Fundamentals)) {
        check.value(owner, "tax rate", e.amount, kTaxOrLoanRates);
        check.value(owner, "inflation rate", e.downPayment, kRates);
        check.value(owner, "account rate", e.rate, kRates);
        return;
    }
    check.value(owner, "amount", e.amount, kAmounts);
    check.value(owner, "down payment", e.downPayment, kAmounts);
    check.value(owner, "payment", e.payment, kAmounts);
    check.value(owner, "rate", e.rate, debt ? kTaxOrLoanRates : kAmounts);
    check.value(owner, debt ? "sell age" : "apply rate", e.adjustRate, debt ? kAmounts : kRates);
    for (const auto& [field, value] : {std::pair{"appreciation rate", e.appreciationRate},
                                       {"property tax", e.propertyTax},
                                       {"closing costs", e.closingCosts},
                                       {"selling expenses", e.sellingExpenses},
                                       {"extra principal", e.extraPrincipal}}) {
        check.value(owner, field, value, kAmounts);
    }
}

// A budget that a withdrawal pays: its items are what the run grows and withdraws.
void checkBudget(Checker& check, const Budget& budget) {
    const std::string owner = "Budget \"" + std::string(fieldText(budget.name)) + "\"";
    check.whole(owner, "number of items", budget.itemCount, 0, kBudgetItemCount);
    const int count = std::clamp<int>(budget.itemCount, 0, kBudgetItemCount);
    for (int i = 0; i < count; ++i) {
        const auto item = static_cast<std::size_t>(i);
        const std::string name = "\"" + std::string(fieldText(budget.itemName[item])) + "\"";
        check.value(owner, "yearly amount of " + name, budget.itemYearly[item], kAmounts);
        check.value(owner, "apply rate of " + name, budget.itemApplyRate[item], kRates);
    }
}

void checkPaidBudgets(Checker& check, const Scenario& s) {
    for (int i = 0; i < s.usedEventCount(); ++i) {
        const EventRecord& e = s.events[static_cast<std::size_t>(i)];
        if (e.is(EventType::Withdrawal) && e.budgetFlag == 1 && e.budgetNumber >= 1 &&
            e.budgetNumber <= kBudgetCount) {
            checkBudget(check, s.budgets[static_cast<std::size_t>(e.budgetNumber - 1)]);
        }
    }
}

} // namespace

std::optional<std::string> firstInvalidValue(const Scenario& scenario) {
    Checker check;
    checkHeader(check, scenario.header);
    checkAccounts(check, scenario);
    for (int i = 0; i < scenario.usedEventCount(); ++i) {
        const EventRecord& event = scenario.events[static_cast<std::size_t>(i)];
        if (!event.is(EventType::Empty)) {
            checkEvent(check, event);
        }
    }
    checkPaidBudgets(check, scenario);
    return check.problem();
}

} // namespace finplan
