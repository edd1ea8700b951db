#include "model/sample_scenario.h"
#include "model/text_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace finplan {
namespace {

class SampleScenario : public ::testing::Test {
protected:
    const Scenario s = makeSampleScenario();

    const EventRecord& event(int i) const { return s.events[static_cast<std::size_t>(i)]; }

    // The one event of a type; credit cards count apart from loans.
    const EventRecord& only(EventType type, bool creditCard = false) const {
        const EventRecord* found = nullptr;
        for (int i = 0; i < s.liveEventCount; ++i) {
            if (event(i).is(type) && event(i).isCreditCard() == creditCard) {
                EXPECT_EQ(found, nullptr) << "two events of type " << event(i).type;
                found = &event(i);
            }
        }
        EXPECT_NE(found, nullptr) << "no event of type " << static_cast<int>(type);
        return found != nullptr ? *found : event(kMaxEvents);
    }

    int kindOf(int id) const {
        for (int i = 0; i < s.accounts.accountCount; ++i) {
            const AccountRecord& a = s.accounts.accounts[static_cast<std::size_t>(i)];
            if (a.accountId == id) {
                return a.kind;
            }
        }
        return -1;
    }
};

TEST_F(SampleScenario, EventsAreOrderedUnrunAndTheRestOfTheTableIsEmpty) {
    ASSERT_EQ(s.liveEventCount, 10);
    EXPECT_EQ(s.header.eventCount, 10);
    for (int i = 0; i + 1 < s.liveEventCount; ++i) {
        const EventRecord& a = event(i);
        const EventRecord& b = event(i + 1);
        EXPECT_TRUE(
            a.startAge < b.startAge ||
            (a.startAge == b.startAge &&
             (a.type < b.type || (a.type == b.type && fieldText(a.name) <= fieldText(b.name)))))
            << "events " << i << " and " << i + 1;
    }
    for (int i = 0; i < kEventCapacity; ++i) {
        const EventRecord& e = event(i);
        SCOPED_TRACE(i);
        if (i >= s.liveEventCount) {
            EXPECT_EQ(e.type, 99);
            EXPECT_EQ(fieldText(e.name), "");
            continue;
        }
        EXPECT_EQ(e.state + e.sold, 0);
        EXPECT_EQ(e.equityValue + e.principalPaid + e.totalInterestPaid, 0.0f);
        EXPECT_EQ(e.currentAmount, e.budgetFlag == 1 ? e.amount : 0.0f);
        EXPECT_EQ(e.startAge, std::trunc(e.startAge));
        EXPECT_EQ(e.endAge, std::trunc(e.endAge));
    }
}

TEST_F(SampleScenario, AccountsHaveUniqueIdsAndSlotsAndSlotValuesFollowTheirKind) {
    ASSERT_EQ(s.accounts.accountCount, 6);
    EXPECT_EQ(s.accounts.nextAccountId, 6);
    std::set<int> ids, slots, kinds;
    int penalised = 0;
    for (int i = 0; i < kMaxAccounts; ++i) {
        const AccountRecord& a = s.accounts.accounts[static_cast<std::size_t>(i)];
        EXPECT_TRUE(slots.insert(a.slot).second) << "slot " << a.slot << " twice";
        const bool used = i < s.accounts.accountCount;
        const bool retirement = used && a.isKind(AccountKind::RetirementSavings);
        EXPECT_EQ(s.slots.rmdTable[a.slot], retirement ? 10 : 0) << i;
        if (!used) {
            continue;
        }
        EXPECT_TRUE(ids.insert(a.accountId).second);
        EXPECT_LT(a.accountId, s.accounts.nextAccountId);
        kinds.insert(a.kind);
        if (a.penaltyApplies == 1) {
            ++penalised;
            EXPECT_TRUE(retirement) << i;
            EXPECT_EQ(s.slots.penaltyAge[a.slot], 59.0f);
            EXPECT_EQ(s.slots.penaltyRate[a.slot], 10.0f);
        }
    }
    EXPECT_EQ(penalised, 1);
    EXPECT_EQ(kinds.size(), 5u);
    // Three named groups, with ranges a file keeps when it is read.
    for (int g = 0; g < kGroupCount; ++g) {
        const auto at = static_cast<std::size_t>(g);
        EXPECT_EQ(fieldText(s.groups.groupNames[at]).size() > 1, g < 3) << g;
        EXPECT_GE(s.groups.groupRandomMin[at], -50.0f);
        EXPECT_LE(s.groups.groupRandomMin[at], s.groups.groupRandomMax[at]);
    }
}

TEST_F(SampleScenario, EveryAccountReferenceNamesAnAccountOfTheRightKind) {
    using enum AccountKind;
    const auto kind = [](AccountKind k) { return static_cast<int>(k); };
    const EventRecord& transfer = only(EventType::Transfer);
    EXPECT_EQ(kindOf(transfer.fromAccountId), kind(InvestmentSavings));
    EXPECT_EQ(kindOf(transfer.accountId), kind(TaxFreeSavings));
    EXPECT_EQ(kindOf(event(1).accountId), kind(InvestmentSavings)); // the salary
    EXPECT_EQ(kindOf(event(0).accountId), kind(RetirementSavings)); // the 401(k) deposits
    EXPECT_NE(kindOf(only(EventType::Fundamentals).accountId), -1);
    const EventRecord& loan = only(EventType::Loan);
    EXPECT_EQ(kindOf(loan.accountId), kind(Asset));
    EXPECT_EQ(loan.appreciationRate, -15.0f); // the car account's rate
    const EventRecord& card = only(EventType::Loan, true);
    EXPECT_NE(kindOf(card.accountId), -1);
    EXPECT_EQ(card.years, kAccountChosenMarker);
    EXPECT_NE(kindOf(s.slots.rmdTargetAccountId), -1);
}

TEST_F(SampleScenario, DebtResultsFollowTheirFormulas) {
    const auto payment = [](double principal, double yearlyPercent, int years) {
        const double r = yearlyPercent / 1200.0;
        return principal * r / (1.0 - std::pow(1.0 + r, -12.0 * years));
    };
    const EventRecord& mortgage = only(EventType::Mortgage);
    EXPECT_NEAR(mortgage.payment, payment(210000.0, 3.75, 17), 0.05); // 1393.72
    const EventRecord& loan = only(EventType::Loan);
    EXPECT_NEAR(loan.payment, payment(26000.0, 5.9, 5), 0.01); // 501.44 on 32000 less 6000

    // The card month by month: purchases added, interest, then the payment.
    const EventRecord& card = only(EventType::Loan, true);
    double balance = card.amount;
    double interest = 0.0;
    int months = 0;
    while (balance > 0.0 && months < 1200) {
        balance += card.extraPurchases();
        const double monthInterest = balance * card.rate / 365.0 * 30.0 * 0.01;
        interest += monthInterest;
        balance =
            balance - card.payment <= card.payment ? 0.0 : balance - card.payment + monthInterest;
        ++months;
    }
    EXPECT_EQ(card.adjustRate, static_cast<float>(months));
    EXPECT_NEAR(card.appreciationRate, months / 12.0, 1e-5);
    EXPECT_NEAR(card.downPayment, interest, 0.5);
    EXPECT_LE(card.startAge + card.appreciationRate, card.endAge);
}

TEST_F(SampleScenario, BudgetOneAndItsWithdrawalAgree) {
    const Budget& budget = s.budgets[0];
    ASSERT_EQ(budget.itemCount, 6);
    float total = 0.0f;
    for (std::size_t i = 0; i < 6; ++i) {
        const float yearly =
            budget.itemMonthly[i] == 1 ? 12.0f * budget.itemAmount[i] : budget.itemAmount[i];
        EXPECT_EQ(budget.itemYearly[i], yearly) << i;
        EXPECT_EQ(budget.itemYearlyCopy[i], yearly) << i;
        total += yearly;
    }
    EXPECT_EQ(budget.yearlyTotal, 35140.0f);
    EXPECT_EQ(total, budget.yearlyTotal);
    EXPECT_EQ(budget.active, 1);

    const EventRecord* budgetDriven = nullptr;
    for (int i = 0; i < s.liveEventCount; ++i) {
        if (event(i).is(EventType::Withdrawal) && event(i).budgetFlag == 1) {
            EXPECT_EQ(budgetDriven, nullptr) << "two budget withdrawals";
            budgetDriven = &event(i);
        }
    }
    ASSERT_NE(budgetDriven, nullptr);
    const EventRecord& withdrawal = *budgetDriven;
    EXPECT_EQ(withdrawal.budgetNumber, 1);
    EXPECT_EQ(withdrawal.amount, budget.yearlyTotal);
    EXPECT_EQ(fieldText(withdrawal.name), fieldText(budget.name));
    EXPECT_EQ(withdrawal.startAge, budget.startAge);
    EXPECT_EQ(withdrawal.endAge, budget.endAge);
    EXPECT_EQ(withdrawal.accountId, budget.sourceAccountId);
    EXPECT_EQ(fieldText(s.budgets[4].name), "Budget 5");
}

TEST_F(SampleScenario, LifeTableOneDecreasesAndDrivesTheRmdEvent) {
    for (std::size_t i = 0; i + 1 < kLifeTableLength; ++i) {
        EXPECT_GT(s.slots.lifeTable1[i], s.slots.lifeTable1[i + 1]) << i;
    }
    EXPECT_GT(s.slots.lifeTable1.back(), 0.0f);
    const EventRecord& rmd = only(EventType::Rmd);
    EXPECT_EQ(fieldText(rmd.name), "IRS Uniform -- RMD withdrawal option in effect using Table 1.");
    EXPECT_EQ(rmd.startAge, static_cast<float>(s.slots.lifeTable1StartAge));
    EXPECT_EQ(rmd.startAge, 72.0f);
    EXPECT_EQ(rmd.endAge, 120.0f);
    EXPECT_EQ(rmd.fromAccountId, 1);
}

} // namespace
} // namespace finplan
