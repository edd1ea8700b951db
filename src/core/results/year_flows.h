#pragma once

namespace finplan {

// What came in and went out during one simulated year.
struct YearFlows {
    float incomingTotal = 0.0f;
    float deposits = 0.0f;
    float taxableIncome = 0.0f;
    float nonTaxableIncome = 0.0f;
    float loans = 0.0f;
    float sales = 0.0f;
    float appreciation = 0.0f;
    float depreciation = 0.0f; // negative growth, a negative number
    float withdrawals = 0.0f;
    float taxes = 0.0f;
    float interestPaid = 0.0f;
    float penalties = 0.0f;
    float savingsInterestTax = 0.0f;
    float withdrawalTaxes = 0.0f;
    float propertyTaxes = 0.0f;
    float closingCosts = 0.0f;
    float depositTaxes = 0.0f;
};

// Clears the accumulators a year starts from; the tax and cost accumulators are cleared by
// the year's growth step after they are recorded.
inline void clearYearFlows(YearFlows& flows) {
    flows.withdrawals = 0.0f;
    flows.incomingTotal = 0.0f;
    flows.taxes = 0.0f;
    flows.taxableIncome = 0.0f;
    flows.nonTaxableIncome = 0.0f;
    flows.interestPaid = 0.0f;
    flows.penalties = 0.0f;
    flows.loans = 0.0f;
    flows.sales = 0.0f;
    flows.deposits = 0.0f;
    flows.appreciation = 0.0f;
    flows.depreciation = 0.0f;
}

} // namespace finplan
