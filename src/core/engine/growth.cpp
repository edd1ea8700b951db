#include "engine/growth.h"

#include "engine/funding.h"
#include "engine/random_draws.h"
#include "engine/year_record.h"
#include "model/account_lookup.h"
#include "model/text_field.h"
#include "results/schedule_text.h"

#include <cmath>

namespace finplan {

namespace {

void growSavings(RunContext& run, AccountRecord& account, float rate, float& kindTotal,
                 bool taxed) {
    const float interest = account.balance * rate * 0.01f * run.yearFraction;
    if (taxed && interest > 0.0f) {
        const float tax = interest * run.rates.taxRate * 0.01f;
        run.flows.savingsInterestTax += tax;
        run.flows.taxes += tax;
    }
    kindTotal += interest;
    account.balance += interest;
    run.flows.incomingTotal += interest;
    (taxed ? run.flows.taxableIncome : run.flows.nonTaxableIncome) += interest;
    run.logAccountFlow(true, run.age, account, interest);
}

void growProperty(RunContext& run, AccountRecord& account, float rate, float& kindTotal) {
    const float growth = account.balance * rate * 0.01f * run.yearFraction;
    const bool equity = account.isKind(AccountKind::Equity);
    if (rate > 0.0f) {
        run.flows.appreciation += growth;
        run.flows.incomingTotal += growth;
    } else if (rate < 0.0f) {
        run.flows.depreciation += growth;
    }
    if (equity || rate > 0.0f) {
        run.logAccountFlow(true, run.age, account, growth);
    } else if (rate < 0.0f) {
        run.logAccountFlow(false, run.age, account, -growth);
    }
    kindTotal += growth;
    account.balance = account.balance * (1.0f + rate * 0.01f * run.yearFraction);
}

void growAccounts(RunContext& run) {
    AccountTable& table = run.scenario.accounts;
    RunTotals& t = run.totals;
    for (int i = 0; i < table.usedCount(); ++i) {
        AccountRecord& account = table.accounts[static_cast<std::size_t>(i)];
        const float rate = accountGrowthRate(run, account); // drawn whatever the balance
        if (account.balance <= 0.0f) {
            continue;
        }
        reportDrawnRate(run, account, rate);
        switch (static_cast<AccountKind>(account.kind)) {
        case AccountKind::InvestmentSavings:
            growSavings(run, account, rate, t.investmentTotal, true);
            break;
        case AccountKind::TaxFreeSavings:
            growSavings(run, account, rate, t.taxFreeTotal, false);
            break;
        case AccountKind::RetirementSavings:
            growSavings(run, account, rate, t.retirementTotal, false);
            break;
        case AccountKind::Asset:
            growProperty(run, account, rate, t.assetTotal);
            break;
        case AccountKind::Equity:
            growProperty(run, account, rate, t.equityTotal);
            break;
        }
    }
}

// Assets bought with a loan follow their account's rate; mortgaged property appreciates.
void growFinancedProperty(RunContext& run) {
    Scenario& s = run.scenario;
    for (int i = 0; i < s.usedEventCount(); ++i) {
        EventRecord& event = s.events[static_cast<std::size_t>(i)];
        if (event.startAge > run.age) {
            continue;
        }
        // A credit card's balance is money owed, not an asset: it does not grow here.
        if (event.is(EventType::Loan) && !event.isCreditCard()) {
            const int index = run.accountIndex(event.accountId);
            if (index < 0) {
                continue;
            }
            const AccountRecord& account = s.accounts.accounts[static_cast<std::size_t>(index)];
            if (account.isKind(AccountKind::Asset) || account.isKind(AccountKind::Equity)) {
                event.currentAmount = event.currentAmount * (1.0f + account.currentRate * 0.01f);
            }
        } else if (event.is(EventType::Mortgage)) {
            const float value = event.currentAmount;
            const float growth = event.appreciationRate * 0.01f * value * run.yearFraction;
            run.totals.equityTotal += growth;
            if (growth > 0.0f) {
                run.flows.appreciation += growth;
                run.flows.incomingTotal += growth;
            } else if (growth < 0.0f) {
                run.flows.depreciation += growth;
            }
            event.currentAmount = value + growth;
            event.equityValue = event.oneTime != 0 ? event.currentAmount
                                                   : event.currentAmount - event.amount +
                                                         event.downPayment + event.principalPaid;
        }
    }
}

void payYearEndCharges(RunContext& run) {
    YearFlows& f = run.flows;
    if (f.savingsInterestTax > 0.0f) {
        run.line([&] { return savingsInterestTaxLine(f.savingsInterestTax); });
        fundWithdrawal(run, f.savingsInterestTax, run.age, kTaxPayment, kPlainLine);
    }
    if (f.withdrawalTaxes > 0.0f) {
        run.line([&] { return withdrawalTaxesLine(f.withdrawalTaxes); });
        fundWithdrawal(run, f.withdrawalTaxes, run.age, kTaxPayment, kPlainLine);
    }
    if (f.penalties > 0.0f) {
        run.line([&] { return penaltiesPaidLine(f.penalties); });
        run.flags().penalty.raise(static_cast<int>(std::floor(run.age)));
        fundWithdrawal(run, f.penalties, run.age, kPenaltyPayment, kPlainLine);
    }
    if (f.depositTaxes > 0.0f) {
        run.line([&] { return depositTaxesLine(f.depositTaxes); });
    }
}

void writeYearSummary(RunContext& run) {
    if (!run.writesText()) {
        return;
    }
    if (run.switches.detailedResults || run.switches.summary) {
        for (const std::string& text : summaryBlock(run.flows)) {
            run.line(text);
        }
    }
    if (run.switches.accountSummary) {
        for (const std::string& text : accountSummaryBlock(run.scenario.accounts)) {
            run.line(text);
        }
    }
}

} // namespace

void applyYearGrowth(RunContext& run) {
    run.flows.savingsInterestTax = 0.0f;
    if (run.switches.randomGroupRates && run.randomRates()) {
        drawGroupRates(run);
    }
    if (run.shownYear()) {
        if (run.rateDetails() && run.randomRates()) {
            run.line(
                [&] { return inEffectLine(run.switches.randomAccountRates, run.distribution()); });
        }
        growAccounts(run);
    }
    growFinancedProperty(run);
    payYearEndCharges(run);
    writeYearSummary(run);
    recordYearFlows(run);
    YearFlows& f = run.flows;
    f.withdrawalTaxes = 0.0f;
    f.propertyTaxes = 0.0f;
    f.savingsInterestTax = 0.0f;
    f.taxes = 0.0f;
    f.closingCosts = 0.0f;
}

} // namespace finplan
