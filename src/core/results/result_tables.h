#pragma once

#include "model/account_table.h"

#include <array>

namespace finplan {

inline constexpr int kMaxShownYears = 100;
// Ages 0 to 120: a scenario may end at 120, and its final age is recorded too.
inline constexpr int kAgeSlots = 121;
inline constexpr int kYearResultFields = 20;

// One shown year: the opening snapshot (fields 0-6) and the year's flows (fields 7-19).
struct YearResult {
    float age = 0.0f;
    float investment = 0.0f;
    float taxFree = 0.0f;
    float retirement = 0.0f;
    float assetAccounts = 0.0f;
    float equity = 0.0f;
    float netWorth = 0.0f;
    float incoming = 0.0f;
    float deposits = 0.0f;
    float taxableIncome = 0.0f;
    float nonTaxableIncome = 0.0f;
    float outgoing = 0.0f;
    float withdrawals = 0.0f;
    float taxes = 0.0f;
    float interestPaid = 0.0f;
    float penalties = 0.0f;
    float loans = 0.0f;
    float sales = 0.0f;
    float appreciation = 0.0f;
    float depreciationAndCosts = 0.0f;

    // The fields in their numbered order, for views that walk them by number.
    std::array<float, kYearResultFields> fields() const {
        return {age,           investment,    taxFree,          retirement,
                assetAccounts, equity,        netWorth,         incoming,
                deposits,      taxableIncome, nonTaxableIncome, outgoing,
                withdrawals,   taxes,         interestPaid,     penalties,
                loans,         sales,         appreciation,     depreciationAndCosts};
    }
};

// The kind totals and liabilities by whole age.
enum class AgeTotal { Investment = 0, TaxFree, Retirement, Asset, Equity, Liabilities };
inline constexpr int kAgeTotalCount = 6;

// The tables a run leaves behind. Rows a run does not reach keep what an earlier run wrote.
struct ResultTables {
    std::array<YearResult, kMaxShownYears> years{};
    std::array<std::array<float, kMaxAccounts + 1>, kMaxShownYears> accountValues{};
    std::array<std::array<float, kAgeSlots>, kAgeTotalCount> ageTotals{};
    int shownYears = 0; // rows the last completed run wrote

    float ageTotal(AgeTotal which, int age) const {
        return ageTotals[static_cast<std::size_t>(which)][static_cast<std::size_t>(age)];
    }
};

} // namespace finplan
