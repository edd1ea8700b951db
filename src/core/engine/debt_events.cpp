#include "engine/debt_events.h"

#include "engine/event_accounts.h"
#include "engine/funding.h"
#include "finance/debt_math.h"
#include "model/account_lookup.h"
#include "model/text_field.h"
#include "results/money_text.h"
#include "results/text_format.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace finplan {

namespace {

float whole(float age) {
    return std::floor(age);
}

const char* money(float amount, std::string& text) {
    text = moneyText(amount);
    return text.c_str();
}

// The account an event's charges come from first, or -1 for the default funding alone.
int paymentAccountId(const EventRecord& event) {
    if (event.isCreditCard()) {
        return event.accountId >= 0 && event.years == kAccountChosenMarker ? event.accountId
                                                                           : kNoAccount;
    }
    return event.payAccountId >= 0 && event.payFromAccountFlag == kAccountChosenMarker
               ? event.payAccountId
               : kNoAccount;
}

void pay(RunContext& run, const EventRecord& event, float amount, int eventIndex) {
    if (amount > 0.0f) {
        payFromAccountOrFunding(run, amount, eventIndex, paymentAccountId(event));
    }
}

float financed(const EventRecord& event) {
    return event.amount - event.downPayment;
}

float remainingPrincipal(const EventRecord& event) {
    return event.amount - event.downPayment - event.principalPaid;
}

// The account a loan bought into, when it is of this kind.
AccountRecord* loanAccountOfKind(RunContext& run, const EventRecord& event, AccountKind kind) {
    if (!event.is(EventType::Loan) || event.isCreditCard()) {
        return nullptr;
    }
    AccountRecord* account = accountById(run, event.accountId);
    return account != nullptr && account->isKind(kind) ? account : nullptr;
}

void startLoan(RunContext& run, EventRecord& event, int eventIndex) {
    AccountRecord* account = accountById(run, event.accountId);
    if (account == nullptr) {
        reportMissingAccount(run, eventIndex); // nothing is booked or paid
        event.state = 2;
        return;
    }
    const float amount = event.amount;
    account->balance += amount;
    run.flows.incomingTotal += amount;
    run.flows.loans += amount;
    run.totals.liabilities += amount;
    run.totals.addToKind(account->kind, amount);
    const std::string name = eventName(event);
    const std::string accountName(fieldText(account->name));
    std::string text;
    if (account->isLiquid()) {
        event.appreciationRate = 0.0f;
        run.line(
            [&] {
                return formatText("  %s - Deposit %s to %s from loan", name.c_str(),
                                  money(amount, text), accountName.c_str());
            },
            eventIndex);
    } else {
        run.line(
            [&] {
                return formatText("  %s - Transfer %s to %s from loan", name.c_str(),
                                  money(amount, text), accountName.c_str());
            },
            eventIndex);
    }
    const float down = event.downPayment;
    if (down > 0.0f) {
        run.line(
            [&] {
                return formatText("  %s - Withdraw %s for down payment", name.c_str(),
                                  money(down, text));
            },
            eventIndex);
        run.totals.liabilities -= down;
        run.flows.incomingTotal -= down;
        run.flows.loans -= down;
        pay(run, event, down, eventIndex);
    }
}

void startMortgage(RunContext& run, EventRecord& event, int eventIndex) {
    run.totals.liabilities += financed(event);
    run.totals.assetTotal += financed(event);
    event.beforeTax() = 0;
    const std::string name = eventName(event);
    std::string text;
    const float down = event.downPayment;
    if (down > 0.0f) {
        run.totals.equityTotal += down;
        if (event.accountId == 0) {
            run.line(
                [&] {
                    return formatText("  %s - Withdraw %s for down payment", name.c_str(),
                                      money(down, text));
                },
                eventIndex);
            pay(run, event, down, eventIndex);
        } else {
            run.line(
                [&] { return formatText("  %s - %s to equity.", name.c_str(), money(down, text)); },
                eventIndex);
        }
    }
    const float closing = event.closingCosts;
    if (closing > 0.0f) {
        run.line(
            [&] {
                return formatText("  %s - Withdraw %s for closing costs", name.c_str(),
                                  money(closing, text));
            },
            eventIndex);
        run.flows.closingCosts += closing;
        pay(run, event, closing, eventIndex);
    }
}

// The months of this year, up to the month the balance falls below two payments, which
// clears it. Purchases are owed like the balance, so they raise the liabilities with it.
void payCardMonths(RunContext& run, EventRecord& event, int eventIndex) {
    if (event.currentAmount <= 0.0f) {
        return;
    }
    const int months = static_cast<int>(12.0f * run.yearFraction);
    float paid = 0.0f;
    for (int month = 0; month < months; ++month) {
        event.currentAmount += event.extraPurchases();
        run.totals.liabilities += event.extraPurchases();
        const float interest = cardMonthInterest(event.currentAmount, event.rate);
        if (event.currentAmount - event.payment < event.payment) {
            run.flows.interestPaid += interest;
            paid += event.currentAmount;
            run.totals.liabilities -= event.currentAmount;
            run.flows.withdrawals += event.currentAmount;
            event.currentAmount = 0.0f;
            break;
        }
        const float principal = event.payment - interest;
        event.currentAmount -= principal;
        run.flows.interestPaid += interest;
        run.totals.liabilities -= principal;
        paid += event.payment;
        run.flows.withdrawals += event.payment;
    }
    std::string text;
    run.line(
        [&] {
            return formatText("  %s - Withdraw %s to pay off credit card.",
                              eventName(event).c_str(), money(paid, text));
        },
        eventIndex);
    pay(run, event, paid, eventIndex);
}

// The year's twelve months of a loan or mortgage. The whole year is amortized even when only
// part of it is shown; the line shows the shown part.
void payInstallments(RunContext& run, EventRecord& event, int eventIndex, int m0) {
    float extra = 0.0f;
    int extraFrom = 0;
    if (event.extraPrincipalMode() == 1) {
        extra = event.extraPrincipal;
    } else if (event.extraPrincipalMode() == 2) {
        // Extra principal is paid from the scenario's start only, never in run-in years.
        extraFrom = m0;
        extra = whole(run.age) < whole(run.scenario.header.startAge) ? 0.0f : event.extraPrincipal;
    }
    const int first = event.monthIndex();
    const Amortized year = amortizeMonths(financed(event), monthlyRate(event.rate),
                                          event.years * 12, first, first + 11, extra, extraFrom,
                                          run.amortization[static_cast<std::size_t>(eventIndex)]);
    event.monthIndex() = static_cast<std::uint16_t>(first + 12);
    const float p = year.principal;
    const float i = year.interest;
    const float f = run.yearFraction;
    event.principalPaid += p;
    event.totalInterestPaid += i;
    const float y = p + i;
    run.flows.interestPaid += i * f;
    run.totals.liabilities -= p;
    if (event.is(EventType::Mortgage)) {
        run.totals.equityTotal += p;
        run.totals.assetTotal -= p;
    }
    if (run.age >= run.displayStartAge && p > 0.0f) {
        std::string a;
        std::string b;
        std::string c;
        run.line(
            [&] {
                return formatText(
                    "  %s - Withdraw %s for monthly payments - principal=%s interest=%s",
                    eventName(event).c_str(), money(y * f, a), money(p * f, b), money(i * f, c));
            },
            eventIndex);
        // A chosen account pays the shown part; the default funding takes the whole year.
        pay(run, event, paymentAccountId(event) >= 0 ? y * f : y, eventIndex);
    }
}

void payPropertyTaxes(RunContext& run, EventRecord& event, int eventIndex) {
    float taxes = event.propertyTax * run.yearFraction;
    if (taxes < 1.00f) {
        return;
    }
    if (event.inflationAdjust != 0) {
        const int years = static_cast<int>(whole(run.age) - whole(event.startAge));
        for (int year = 0; year < years; ++year) {
            taxes = taxes * (1.0f + run.rates.inflationRate * 0.01f);
        }
    }
    std::string text;
    run.line([&] { return formatText("  Withdraw %s for property taxes", money(taxes, text)); },
             eventIndex);
    run.flows.propertyTaxes += taxes;
    run.flows.taxes += taxes;
    pay(run, event, taxes, eventIndex);
}

void writePaidTotals(RunContext& run, const EventRecord& event, int eventIndex) {
    std::string a;
    std::string b;
    run.line(
        [&] {
            return formatText("    Total Principal=%s Total Interest=%s",
                              money(event.principalPaid, a), money(event.totalInterestPaid, b));
        },
        eventIndex);
}

void payOffAtPayoffAge(RunContext& run, EventRecord& event, int eventIndex) {
    event.oneTime = 1;
    const std::string name = eventName(event);
    std::string text;
    if (event.isCreditCard()) {
        if (event.currentAmount > 0.0f) {
            const float x = event.currentAmount;
            run.line(
                [&] {
                    return formatText("   %s - Paid off credit card with %s", name.c_str(),
                                      money(x, text));
                },
                eventIndex);
            run.totals.liabilities -= x;
            run.flows.withdrawals += x;
            event.currentAmount = 0.0f;
            pay(run, event, x, eventIndex);
        }
        return;
    }
    const float x = remainingPrincipal(event);
    const bool mortgage = event.is(EventType::Mortgage);
    const bool assetLoan = loanAccountOfKind(run, event, AccountKind::Asset) != nullptr;
    if (mortgage) {
        run.line(
            [&] {
                return formatText("   %s - Paid off mortgage with %s", name.c_str(),
                                  money(x, text));
            },
            eventIndex);
        event.equityValue = event.currentAmount;
        run.totals.liabilities -= x;
        run.totals.assetTotal -= x;
        run.totals.equityTotal += x;
        event.beforeTax() = 1;
    } else {
        run.line(
            [&] {
                return formatText("   %s - Paid off loan with %s", name.c_str(), money(x, text));
            },
            eventIndex);
        if (assetLoan) {
            event.equityValue = event.currentAmount;
        }
        run.totals.liabilities -= x;
    }
    pay(run, event, x, eventIndex);
    writePaidTotals(run, event, eventIndex);
    // The principal is now paid in full; a later sale must not take it off the liabilities,
    // the assets or the proceeds a second time.
    if (mortgage || assetLoan) {
        event.principalPaid = financed(event);
    }
}

// The sale's proceeds go to the first Investment account, or to the Investment total alone
// when the table has none.
void depositProceeds(RunContext& run, float value, float cost, int eventIndex) {
    AccountTable& table = run.scenario.accounts;
    std::string text;
    run.totals.investmentTotal += value - cost;
    for (int i = 0; i < table.usedCount(); ++i) {
        AccountRecord& account = table.accounts[static_cast<std::size_t>(i)];
        if (account.isKind(AccountKind::InvestmentSavings)) {
            account.balance += value;
            account.balance -= cost;
            const std::string accountName(fieldText(account.name));
            run.line(
                [&] {
                    return formatText("      Deposited %s to %s", money(value - cost, text),
                                      accountName.c_str());
                },
                eventIndex);
            return;
        }
    }
    run.line(
        [&] {
            return formatText("      Deposited %s to Investment Savings",
                              money(value - cost, text));
        },
        eventIndex);
}

void sellMortgagedProperty(RunContext& run, EventRecord& event, int eventIndex) {
    const float value = event.currentAmount;
    const float cost = event.sellingExpenses * 0.01f * value;
    event.sold = 1;
    run.totals.liabilities -= remainingPrincipal(event);
    if (event.beforeTax() == 0) {
        run.totals.equityTotal -= event.principalPaid + event.downPayment + (value - event.amount);
        run.totals.assetTotal -= remainingPrincipal(event);
    } else {
        run.totals.equityTotal -= value;
    }
    const std::string name = eventName(event);
    std::string text;
    run.line(
        [&] { return formatText("  %s - Sold property for %s", name.c_str(), money(value, text)); },
        eventIndex);
    run.line([&] { return formatText("     Selling expenses = %s", money(cost, text)); },
             eventIndex);
    if (value - event.amount > 0.0f) {
        const float gain = value - remainingPrincipal(event) - cost;
        run.flows.incomingTotal += gain;
        run.flows.sales += gain;
    }
    depositProceeds(run, value, cost, eventIndex);
    event.currentAmount = 0.0f;
}

void sellLoanAsset(RunContext& run, EventRecord& event, AccountRecord& account, bool asset,
                   int eventIndex) {
    const float value = event.currentAmount;
    std::string text;
    run.line(
        [&] {
            return formatText(asset ? "  %s - Sold asset for %s" : "  %s - Sold equity for %s",
                              eventName(event).c_str(), money(value, text));
        },
        eventIndex);
    if (asset) {
        run.totals.assetTotal -= value;
        run.totals.liabilities -= remainingPrincipal(event);
    } else {
        run.totals.equityTotal -= value;
    }
    depositProceeds(run, value, 0.0f, eventIndex);
    account.balance -= value;
    event.currentAmount = 0.0f;
}

void sell(RunContext& run, EventRecord& event, int eventIndex) {
    event.state = 2;
    event.equityValue = 0.0f;
    const bool mortgage = event.is(EventType::Mortgage);
    AccountRecord* asset = loanAccountOfKind(run, event, AccountKind::Asset);
    if (mortgage) {
        sellMortgagedProperty(run, event, eventIndex);
    } else if (asset != nullptr) {
        sellLoanAsset(run, event, *asset, true, eventIndex);
    } else if (AccountRecord* equity = loanAccountOfKind(run, event, AccountKind::Equity)) {
        sellLoanAsset(run, event, *equity, false, eventIndex);
    }
    std::string text;
    if (event.oneTime == 0) {
        const float x = remainingPrincipal(event);
        event.oneTime = 1;
        run.line(
            [&] {
                return formatText(mortgage ? "   Paid off mortgage with %s"
                                           : "   Paid off loan with %s",
                                  money(x, text));
            },
            eventIndex);
        if (!mortgage && asset == nullptr) {
            run.totals.liabilities -= x;
        }
        pay(run, event, x, eventIndex);
    }
    if (event.principalPaid < financed(event)) {
        writePaidTotals(run, event, eventIndex);
    }
    event.oneTime = 1;
    if (asset != nullptr) {
        event.principalPaid = financed(event);
    }
}

} // namespace

void startDebtEvent(RunContext& run, int eventIndex) {
    EventRecord& event = run.scenario.events[static_cast<std::size_t>(eventIndex)];
    if (event.isCreditCard()) {
        return; // its balance enters the liabilities in its first shown year
    }
    event.payment = loanPayment(financed(event), monthlyRate(event.rate), event.years * 12);
    if (event.is(EventType::Loan)) {
        startLoan(run, event, eventIndex);
    } else if (event.is(EventType::Mortgage)) {
        startMortgage(run, event, eventIndex);
    }
}

void applyDebtYear(RunContext& run, int eventIndex) {
    EventRecord& event = run.scenario.events[static_cast<std::size_t>(eventIndex)];
    const float age = run.age;
    const bool card = event.isCreditCard();
    // A card's adjustRate holds its months to pay off, not a sell age: a card is never sold.
    const float sellAge = card ? 0.0f : event.adjustRate;
    const float before = (whole(run.scenario.header.startAge) - whole(event.startAge)) * 12.0f;
    // Months before the scenario: never more than a lifetime, whatever a damaged value says.
    constexpr float kMostMonths = 12.0f * 121.0f;
    const int m0 = before > 0.0f ? static_cast<int>(std::min(before, kMostMonths)) : 0;
    if (!card && event.oneTime == 0 && event.startAge + static_cast<float>(event.years) <= age) {
        event.oneTime = 1; // the term is over
        // Every payment was made: the principal is paid in full, not a float residue short of
        // it (which would bring a "Total Principal" line at a later sale).
        event.principalPaid = financed(event);
    }
    if (age != sellAge && age < event.endAge && event.oneTime == 0) {
        if (card) {
            payCardMonths(run, event, eventIndex);
        } else {
            payInstallments(run, event, eventIndex, m0);
        }
    }
    if (event.is(EventType::Mortgage) && event.sold == 0) {
        payPropertyTaxes(run, event, eventIndex);
    }
    if (age >= event.endAge && event.oneTime == 0) {
        payOffAtPayoffAge(run, event, eventIndex);
    }
    if (!card && sellAge > 0.0f && sellAge <= age && event.startAge < sellAge) {
        sell(run, event, eventIndex);
    }
}

} // namespace finplan
