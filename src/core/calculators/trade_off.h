#pragma once

#include "calculators/calc_fields.h"
#include "calculators/trade_record.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace finplan {

inline constexpr std::string_view kTradePlotFile = "trade.tmp";

// The trade-off analysis compares three options over a number of periods, optionally after the
// scenario's tax rate.
//
// Fields: name-N, fixed-cost-N, cost-per-period-N, fixed-amount-N, income-per-period-N for the
// options N = 1 to 3, periods and use-tax-rate (a check box). Outputs: name-1, end-amount-1,
// name-2, end-amount-2, name-3, end-amount-3, difference-1-2, difference-2-3, difference-1-3.

// The record as the dialog's fields.
FieldTexts tradeFields(const TradeRecord& record);

// The fields read into the record they came from (value 14 stays): names cut to 30 characters,
// a number that is not one counts 0.
TradeRecord readTradeFields(const FieldTexts& fields, const TradeRecord& previous);

// Option `option`'s amount after `periods` periods, with the tax rate when the record uses it.
float tradeValue(const TradeRecord& record, std::size_t option, int periods, float taxRate);

// Calculate: the end amounts after the whole number of periods and their differences. More
// than 100 periods are refused.
CalcResult calculateTradeOff(const TradeRecord& record, float taxRate);

// The refusal of Graph when the number of periods is not 3 to 100; empty when it may plot.
std::optional<Refusal> tradePlotRefusal(const TradeRecord& record);

// The bytes of "trade.tmp" for the trade-off plot: the named options' values at every period
// from 0 to one past the last (without an end marker).
std::string tradePlotText(const TradeRecord& record, float taxRate);

} // namespace finplan
