#include "engine/year_record.h"

#include <cmath>

namespace finplan {

namespace {

float assetAccountBalances(const AccountTable& table) {
    float sum = 0.0f;
    for (int i = 0; i < table.usedCount(); ++i) {
        const AccountRecord& account = table.accounts[static_cast<std::size_t>(i)];
        if (account.isKind(AccountKind::Asset)) {
            sum += account.balance;
        }
    }
    return sum;
}

// Under a graph zoom only the zoomed years go into the plot file.
bool plotsThisYear(const RunContext& run) {
    return plotsAge(run.age, run.scenario.header.startAge, run.switches.plotZoom);
}

bool rowInRange(const RunContext& run) {
    return run.yearIndex >= 0 && run.yearIndex < kMaxShownYears;
}

} // namespace

void recordOpeningSnapshot(RunContext& run, float plotAge) {
    if (!rowInRange(run)) {
        return;
    }
    const RunTotals& t = run.totals;
    const AccountTable& table = run.scenario.accounts;
    YearResult& row = run.output.tables.years[static_cast<std::size_t>(run.yearIndex)];
    row.age = run.age;
    row.investment = t.investmentTotal;
    row.taxFree = t.taxFreeTotal;
    row.retirement = t.retirementTotal;
    row.assetAccounts = assetAccountBalances(table);
    row.equity = t.equityTotal;
    row.netWorth = t.computeNetWorth();
    auto& values = run.output.tables.accountValues[static_cast<std::size_t>(run.yearIndex)];
    for (int i = 0; i < table.usedCount(); ++i) {
        values[static_cast<std::size_t>(i)] = table.accounts[static_cast<std::size_t>(i)].balance;
    }
    if (run.outputs.exportTo != nullptr) {
        run.outputs.exportTo->row(run.age, table, t.equityTotal);
    }
    if (plotsThisYear(run)) {
        run.plot.accountBalances(table);
        run.plot.openingTotals(plotAge, {row.investment, row.taxFree, row.retirement,
                                         row.assetAccounts, row.equity, row.netWorth});
    }
}

void recordYearFlows(RunContext& run) {
    if (!run.shownYear() || !rowInRange(run)) {
        return;
    }
    const YearFlows& f = run.flows;
    YearResult& row = run.output.tables.years[static_cast<std::size_t>(run.yearIndex)];
    const float depreciation = std::fabs(f.depreciation);
    row.incoming = f.incomingTotal;
    row.deposits = f.deposits;
    row.taxableIncome = f.taxableIncome;
    row.nonTaxableIncome = f.nonTaxableIncome;
    row.outgoing =
        f.withdrawals + f.taxes + f.interestPaid + f.penalties + depreciation + f.closingCosts;
    row.withdrawals = f.withdrawals;
    row.taxes = f.taxes;
    row.interestPaid = f.interestPaid;
    row.penalties = f.penalties;
    row.loans = f.loans;
    row.sales = f.sales;
    row.appreciation = f.appreciation;
    row.depreciationAndCosts = depreciation + f.closingCosts;
    const auto all = row.fields();
    std::array<float, 13> flowFields{};
    for (std::size_t i = 0; i < flowFields.size(); ++i) {
        flowFields[i] = all[i + 7];
    }
    if (plotsThisYear(run)) {
        run.plot.flows(flowFields);
    }
    if (run.logs) {
        run.logs->categoryLines(run.age, f);
    }
}

void recordAgeTotals(RunContext& run) {
    const float whole = std::floor(run.age);
    if (!(whole >= 0.0f && whole < static_cast<float>(kAgeSlots))) {
        return;
    }
    const auto age = static_cast<std::size_t>(whole);
    const RunTotals& t = run.totals;
    auto& ages = run.output.tables.ageTotals;
    ages[static_cast<std::size_t>(AgeTotal::Investment)][age] = t.investmentTotal;
    ages[static_cast<std::size_t>(AgeTotal::TaxFree)][age] = t.taxFreeTotal;
    ages[static_cast<std::size_t>(AgeTotal::Retirement)][age] = t.retirementTotal;
    ages[static_cast<std::size_t>(AgeTotal::Asset)][age] = t.assetTotal;
    ages[static_cast<std::size_t>(AgeTotal::Equity)][age] = t.equityTotal;
    ages[static_cast<std::size_t>(AgeTotal::Liabilities)][age] = t.liabilities;
}

} // namespace finplan
