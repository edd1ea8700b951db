#pragma once

#include "calculators/calc_fields.h"
#include "calculators/refinance_analysis.h"
#include "calculators/trade_record.h"

#include <optional>

namespace finplan {

// What the calculators remember while the program runs, so that each dialog shows its last
// values when it is opened again. One per session, owned by whoever runs the program.
struct CalculatorSession {
    FieldTexts mortgage;
    RefinanceState refinance;
    FieldTexts accelerated; // filled from acceleratedStartFields on first use
    FieldTexts inflation;
    FieldTexts effectiveRate;
    FieldTexts investment;
    FieldTexts cardPayoff;
    std::optional<TradeRecord> trade; // read from "tradeinf.dat" on first use
};

} // namespace finplan
