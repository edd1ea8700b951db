#pragma once

#include "calculators/trade_record.h"

#include <string>
#include <string_view>

namespace finplan {

inline constexpr std::string_view kTradeInfoFile = "tradeinf.dat";

// Reads "tradeinf.dat" line by line: three names (each cut to 30 characters, the rest of its
// line dropped), then fifteen values. A missing line, a value that is not a number or does not
// fit a float reads 0; the number of periods is kept within 0 to 100.
TradeRecord readTradeInfo(std::string_view bytes);

// The bytes of "tradeinf.dat": the names, then the values printed with "%f", one per line.
std::string tradeInfoText(const TradeRecord& record);

} // namespace finplan
