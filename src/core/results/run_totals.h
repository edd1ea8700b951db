#pragma once

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
};

} // namespace finplan
