#include "model/derived_totals.h"

namespace finplan {

namespace {

float averageOrZero(float sum, int count) {
    return count > 0 ? sum / static_cast<float>(count) : 0.0f;
}

float* kindTotal(ScenarioHeader& header, std::uint16_t kind) {
    switch (static_cast<AccountKind>(kind)) {
    case AccountKind::Asset:
        return &header.initialAssets;
    case AccountKind::Equity:
        return &header.initialEquity;
    case AccountKind::InvestmentSavings:
        return &header.initialInvestmentSavings;
    case AccountKind::RetirementSavings:
        return &header.initialRetirementSavings;
    case AccountKind::TaxFreeSavings:
        return &header.initialTaxFreeSavings;
    }
    return nullptr;
}

} // namespace

void deriveTotals(Scenario& scenario) {
    ScenarioHeader& header = scenario.header;
    header.reserved2 = 0.0f;
    header.initialInvestmentSavings = 0.0f;
    header.initialTaxFreeSavings = 0.0f;
    header.initialRetirementSavings = 0.0f;
    header.initialEquity = 0.0f;
    header.initialAssets = 0.0f;

    std::array<float, kAccountKindCount> rateSum{};
    std::array<int, kAccountKindCount> count{};
    for (int i = 0; i < scenario.accounts.usedCount(); ++i) {
        AccountRecord& account = scenario.accounts.accounts[static_cast<std::size_t>(i)];
        account.balance = account.initialAmount;
        account.currentRate = account.rate;
        // A kind code outside the five (possible only from a damaged file) counts nowhere.
        if (float* total = kindTotal(header, account.kind)) {
            *total += account.initialAmount;
            rateSum[account.kind] += account.rate;
            ++count[account.kind];
        }
    }
    using enum AccountKind;
    const auto at = [](AccountKind k) { return static_cast<std::size_t>(k); };
    header.avgInvestmentRate =
        averageOrZero(rateSum[at(InvestmentSavings)], count[at(InvestmentSavings)]);
    header.avgTaxFreeRate = averageOrZero(rateSum[at(TaxFreeSavings)], count[at(TaxFreeSavings)]);
    header.avgRetirementRate =
        averageOrZero(rateSum[at(RetirementSavings)], count[at(RetirementSavings)]);
    header.avgEquityRate = averageOrZero(rateSum[at(Equity)], count[at(Equity)]);
    header.avgAssetRate = averageOrZero(rateSum[at(Asset)], count[at(Asset)]);
    header.reserved52 = 0.0f;
}

void resetRunFields(Scenario& scenario) {
    for (int i = 0; i < scenario.accounts.usedCount(); ++i) {
        AccountRecord& account = scenario.accounts.accounts[static_cast<std::size_t>(i)];
        account.balance = account.initialAmount;
        account.currentRate = account.rate;
        if (account.slot < kMaxAccounts) {
            scenario.slots.firstWithdrawalAge[account.slot] = 0;
        }
    }
    for (int i = 0; i < scenario.usedEventCount(); ++i) {
        EventRecord& event = scenario.events[static_cast<std::size_t>(i)];
        event.currentAmount = 0.0f;
        event.equityValue = 0.0f;
        event.state = 0;
        if (!event.is(EventType::Transfer)) {
            event.allFunds = 0;
        }
        if (!event.is(EventType::Fundamentals)) {
            event.principalPaid = 0.0f;
            event.totalInterestPaid = 0.0f;
        }
        if (event.is(EventType::Loan) || event.is(EventType::Mortgage)) {
            event.oneTime = 0;
        }
    }
}

} // namespace finplan
