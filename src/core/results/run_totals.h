#pragma once

#include "model/account_table.h"

namespace finplan {

// The totals a run carries from year to year: what the account kinds hold, what is owed and
// the net worth.
struct RunTotals {
    float investmentTotal = 0.0f;
    float taxFreeTotal = 0.0f;
    float retirementTotal = 0.0f;
    float equityTotal = 0.0f;
    float assetTotal = 0.0f;
    float liabilities = 0.0f;
    float netWorth = 0.0f;

    float computeNetWorth() const {
        return investmentTotal + taxFreeTotal + retirementTotal + equityTotal + assetTotal -
               liabilities;
    }

    // The total an account of this kind counts in; none for a code outside the five kinds
    // (possible only from a damaged file).
    float* totalOfKind(std::uint16_t kind) {
        switch (static_cast<AccountKind>(kind)) {
        case AccountKind::Asset:
            return &assetTotal;
        case AccountKind::Equity:
            return &equityTotal;
        case AccountKind::InvestmentSavings:
            return &investmentTotal;
        case AccountKind::RetirementSavings:
            return &retirementTotal;
        case AccountKind::TaxFreeSavings:
            return &taxFreeTotal;
        }
        return nullptr;
    }

    void addToKind(std::uint16_t kind, float amount) {
        if (float* total = totalOfKind(kind)) {
            *total += amount;
        }
    }
};

} // namespace finplan
