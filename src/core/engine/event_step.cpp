#include "engine/event_step.h"

#include "engine/debt_events.h"
#include "engine/event_accounts.h"
#include "engine/funding.h"
#include "engine/rmd.h"
#include "model/account_lookup.h"
#include "model/text_field.h"
#include "results/money_text.h"

#include <cmath>

namespace finplan {

namespace {

float whole(float age) {
    return std::floor(age);
}

Budget* budgetOf(RunContext& run, const EventRecord& event) {
    if (event.budgetNumber < 1 || event.budgetNumber > kBudgetCount) {
        return nullptr;
    }
    return &run.scenario.budgets[static_cast<std::size_t>(event.budgetNumber - 1)];
}

int itemCount(const Budget& budget) {
    return budget.itemCount < 0 ? 0 : std::min<int>(budget.itemCount, kBudgetItemCount);
}

bool isBudgetWithdrawal(const EventRecord& event) {
    return event.is(EventType::Withdrawal) && event.budgetFlag == 1;
}

// The amount of this year before proration: the entered amount unless it changes yearly.
float yearAmount(const EventRecord& event) {
    return (event.adjustRate == 0.0f && event.inflationAdjust == 0) ? event.amount
                                                                    : event.currentAmount;
}

// Next year's amount: the yearly change plus inflation when the event follows it.
void growForNextYear(RunContext& run, EventRecord& event) {
    float growth = 0.0f;
    if (event.adjustRate != 0.0f) {
        growth += event.adjustRate * 0.01f;
    }
    if (event.inflationAdjust != 0) {
        growth += run.rates.inflationRate * 0.01f;
    }
    if (growth != 0.0f) {
        event.currentAmount = event.currentAmount * (1.0f + growth);
    }
}

void logEvent(RunContext& run, const EventRecord& event) {
    if (run.logs) {
        run.logs->eventLine(run.age, fieldText(event.name), event.type, event.currentAmount);
    }
}

void applyRateChange(RunContext& run, EventRecord& event, int eventIndex) {
    run.line([&] { return "  " + eventName(event) + " - Rate Changes: "; }, eventIndex);
    if (event.accountId >= 0) {
        AccountRecord* account = accountById(run, event.accountId);
        if (account != nullptr && account->currentRate != event.rate) {
            account->currentRate = event.rate;
            run.line(
                [&] {
                    return formatRateLine("     " + std::string(fieldText(account->name)) + " = ",
                                          event.rate);
                },
                eventIndex);
        }
    }
    if (run.rates.taxRate != event.amount) {
        run.rates.taxRate = event.amount;
        run.line([&] { return formatRateLine("     Tax Rate = ", run.rates.taxRate); }, eventIndex);
    }
    if (run.rates.inflationRate != event.downPayment) {
        // The new rate lasts from this year on: each year takes its rate from the header,
        // which the run restores to the entered rate at its end.
        run.rates.inflationRate = event.downPayment;
        run.scenario.header.inflationRate = event.downPayment;
        run.line([&] { return formatRateLine("     Inflation Rate = ", run.rates.inflationRate); },
                 eventIndex);
    }
    event.state = 2;
}

void startEvent(RunContext& run, EventRecord& event, int eventIndex) {
    if (isBudgetWithdrawal(event)) {
        if (Budget* budget = budgetOf(run, event)) {
            for (int i = 0; i < itemCount(*budget); ++i) {
                const auto item = static_cast<std::size_t>(i);
                budget->itemYearlyCopy[item] = budget->itemYearly[item];
            }
        }
    }
    event.currentAmount = event.amount;
    event.state = 1;
    event.sold = 0;
    if (event.is(EventType::Fundamentals)) {
        applyRateChange(run, event, eventIndex);
    } else if (event.is(EventType::Loan) || event.is(EventType::Mortgage)) {
        startDebtEvent(run, eventIndex);
    }
}

void applyDeposit(RunContext& run, EventRecord& event, int eventIndex) {
    const bool sameYear = whole(event.startAge) == whole(run.age);
    if (event.oneTime != 0 ? whole(event.startAge) >= whole(run.age) : run.age >= event.endAge) {
        event.state = 2;
    }
    if (run.age > event.endAge && !(event.oneTime != 0 && sameYear)) {
        return;
    }
    AccountRecord* account = accountById(run, event.accountId);
    if (account == nullptr) {
        reportMissingAccount(run, eventIndex);
        return;
    }
    logEvent(run, event);
    float deposit = yearAmount(event);
    growForNextYear(run, event);
    if (event.oneTime == 0) {
        deposit *= run.yearFraction;
    }
    float tax = 0.0f;
    if (event.beforeTax() == 1) {
        tax = run.rates.taxRate * 0.01f * deposit;
        run.flows.depositTaxes += tax;
        deposit = deposit * (1.0f - run.rates.taxRate * 0.01f);
    }
    run.flows.incomingTotal += deposit;
    run.flows.deposits += deposit;
    if (run.shownYear()) {
        account->balance += deposit;
        run.totals.addToKind(account->kind, deposit);
    }
    const std::string_view accountName = fieldText(account->name);
    run.line(
        [&] {
            std::string text = "  " + eventName(event) + " - Deposit " + moneyText(deposit) +
                               " to " + std::string(accountName);
            if (event.beforeTax() == 1) {
                text += ". " + moneyText(tax) + " tax deducted from deposit.";
            }
            return text;
        },
        eventIndex);
    run.logAccountFlow(true, run.age, *account, deposit);
}

void applyTransfer(RunContext& run, EventRecord& event, int eventIndex, float amount) {
    if (!run.shownYear()) {
        return;
    }
    AccountRecord* from = accountById(run, event.fromAccountId);
    AccountRecord* to = accountById(run, event.accountId);
    if (from == nullptr || to == nullptr) {
        reportMissingAccount(run, eventIndex);
        return;
    }
    float moved = amount;
    float shortfall = 0.0f;
    if (event.allFunds == 1) {
        moved = from->balance;
    } else if (from->balance - moved < 0.0f) {
        shortfall = moved - from->balance;
        moved = from->balance;
    }
    // An overdrawn source has nothing to give: never move a negative amount.
    if (moved < 0.0f) {
        shortfall += moved;
        moved = 0.0f;
    }
    if (from->isKind(AccountKind::RetirementSavings) &&
        !to->isKind(AccountKind::RetirementSavings)) {
        const float tax = run.rates.taxRate * 0.01f * moved;
        run.flows.taxes += tax;
        run.flows.withdrawalTaxes += tax;
    }
    from->balance -= moved;
    to->balance += moved;
    run.totals.addToKind(from->kind, -moved);
    run.totals.addToKind(to->kind, moved);
    const std::string fromName(fieldText(from->name));
    run.line(
        [&] {
            return "  " + eventName(event) + "  Transfer " + moneyText(moved) + " from " +
                   fromName + " to " + std::string(fieldText(to->name)) + " ";
        },
        eventIndex);
    if (shortfall > 0.0f) {
        run.line(
            [&] {
                return "  " + eventName(event) + " - " + fromName + " depleted " +
                       moneyText(shortfall) + " not transferred!";
            },
            eventIndex);
        run.flags().addFailedTransfer(static_cast<int>(whole(run.age)));
    }
}

// The end rules of transfers and withdrawals; false when nothing happens this year.
bool dueThisYear(RunContext& run, EventRecord& event, bool allFunds) {
    const bool once = event.oneTime != 0;
    if ((once ? event.startAge >= run.age : run.age >= event.endAge) ||
        (allFunds && event.startAge >= run.age)) {
        event.state = 2;
    }
    if (run.age > event.endAge) {
        return (once || allFunds) && whole(event.startAge) == whole(run.age);
    }
    return true;
}

void applyTransferEvent(RunContext& run, EventRecord& event, int eventIndex) {
    const bool allFunds = event.allFunds == 1;
    if (!dueThisYear(run, event, allFunds)) {
        return;
    }
    if (allFunds) {
        applyTransfer(run, event, eventIndex, 0.0f);
        return;
    }
    float amount = yearAmount(event);
    if (event.oneTime == 0) {
        amount *= run.yearFraction;
    }
    growForNextYear(run, event);
    applyTransfer(run, event, eventIndex, amount);
}

void trackBudgetItems(RunContext& run, const Budget& budget, float fraction, int eventIndex) {
    bool any = false;
    for (int i = 0; i < itemCount(budget); ++i) {
        any = any || budget.itemTrack[static_cast<std::size_t>(i)] != 0;
    }
    if (!any) {
        return;
    }
    run.line("           Tracking budget item(s):", eventIndex);
    for (int i = 0; i < itemCount(budget); ++i) {
        const auto item = static_cast<std::size_t>(i);
        if (budget.itemTrack[item] != 0) {
            run.line(
                [&] {
                    return "                " + std::string(fieldText(budget.itemName[item])) +
                           " - " + moneyText(budget.itemYearlyCopy[item] * fraction);
                },
                eventIndex);
        }
    }
}

void growBudget(RunContext& run, EventRecord& event, Budget& budget) {
    event.currentAmount = 0.0f;
    for (int i = 0; i < itemCount(budget); ++i) {
        const auto item = static_cast<std::size_t>(i);
        float rate = budget.itemApplyRate[item];
        if (budget.itemInflation[item] == 1) {
            rate += run.rates.inflationRate;
        }
        budget.itemYearlyCopy[item] = budget.itemYearlyCopy[item] * (1.0f + rate * 0.01f);
        event.currentAmount += budget.itemYearlyCopy[item];
    }
}

void applyWithdrawal(RunContext& run, EventRecord& event, int eventIndex) {
    if (!dueThisYear(run, event, false)) {
        return;
    }
    logEvent(run, event);
    Budget* budget = isBudgetWithdrawal(event) ? budgetOf(run, event) : nullptr;
    const bool recurring = event.oneTime == 0;
    float amount = budget != nullptr ? event.currentAmount : yearAmount(event);
    if (recurring) {
        amount *= run.yearFraction;
    }
    run.flows.withdrawals += amount;
    run.line(
        [&] {
            return budget != nullptr
                       ? "  Budget - " + eventName(event) + " - Withdraw " + moneyText(amount)
                       : "  " + eventName(event) + " - Withdraw " + moneyText(amount);
        },
        eventIndex);
    if (budget != nullptr) {
        trackBudgetItems(run, *budget, recurring ? run.yearFraction : 1.0f, eventIndex);
        growBudget(run, event, *budget);
    } else {
        growForNextYear(run, event);
    }
    if (event.accountId >= 0 && event.fromAccountFlag() == kAccountChosenMarker) {
        amount = withdrawFromAccount(run, amount, eventIndex, event.accountId);
    }
    if (amount > 0.0f) {
        fundWithdrawal(run, amount, run.age, kOrdinaryWithdrawal, eventIndex);
    }
}

void applyRmd(RunContext& run, const EventRecord& event, int eventIndex) {
    // Distributions start with the shown years, also when the table began before them.
    if (run.age <= event.endAge && run.shownYear()) {
        distributeRmd(run, static_cast<int>(whole(run.age)), eventIndex, event.beforeTax());
    }
}

} // namespace

void applyEventForYear(RunContext& run, int eventIndex) {
    EventRecord& event = run.scenario.events[static_cast<std::size_t>(eventIndex)];
    if (event.state == 0 && event.startAge <= run.age) {
        startEvent(run, event, eventIndex);
    }
    if (event.state != 1) {
        return;
    }
    switch (event.eventType()) {
    case EventType::Deposit:
        applyDeposit(run, event, eventIndex);
        break;
    case EventType::Transfer:
        applyTransferEvent(run, event, eventIndex);
        break;
    case EventType::Withdrawal:
        applyWithdrawal(run, event, eventIndex);
        break;
    case EventType::Loan:
    case EventType::Mortgage:
        applyDebtYear(run, eventIndex);
        break;
    case EventType::Rmd:
        applyRmd(run, event, eventIndex);
        break;
    default:
        break; // rate changes act once at their start; the allocation acts through the funding
    }
}

} // namespace finplan
