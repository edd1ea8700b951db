#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace finplan {

inline constexpr std::size_t kTradeOptionCount = 3;
inline constexpr std::size_t kTradeNameLength = 30;
inline constexpr int kTradeMaxPeriods = 100;

// The trade-off analysis's inputs as "tradeinf.dat" keeps them: three option names and fifteen
// values. Values 0-2 are the options' fixed costs, 3-5 their costs per period, 6-8 their fixed
// amounts, 9-11 their incomes per period; 12 the number of periods, 13 whether the tax rate is
// used (1 or 0) and 14 a value kept as it was read.
struct TradeRecord {
    std::array<std::string, kTradeOptionCount> names;
    std::array<float, 15> values{};

    float fixedCost(std::size_t option) const { return values[option]; }
    float costPerPeriod(std::size_t option) const { return values[3 + option]; }
    float fixedAmount(std::size_t option) const { return values[6 + option]; }
    float incomePerPeriod(std::size_t option) const { return values[9 + option]; }
    float& periods() { return values[12]; }
    float periods() const { return values[12]; }
    bool usesTaxRate() const { return values[13] != 0.0f; }
    void setUsesTaxRate(bool use) { values[13] = use ? 1.0f : 0.0f; }
};

// What the analysis starts with when there is no "tradeinf.dat": "Option 1" to "Option 3" and
// nothing else.
TradeRecord defaultTradeRecord();

} // namespace finplan
