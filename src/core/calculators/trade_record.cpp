#include "calculators/trade_record.h"

namespace finplan {

TradeRecord defaultTradeRecord() {
    TradeRecord record;
    record.names = {"Option 1", "Option 2", "Option 3"};
    return record;
}

} // namespace finplan
