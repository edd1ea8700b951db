// libFuzzer harness of the "tradeinf.dat" reader: any bytes must read, without a memory error,
// into a record of finite values, periods within 0 to 100 and names of at most 30 characters.
#include "calculators/trade_info_file.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const finplan::TradeRecord record = finplan::readTradeInfo(bytes);
    if (!(record.periods() >= 0.0f && record.periods() <= 100.0f)) {
        std::abort();
    }
    for (const float value : record.values) {
        if (!std::isfinite(value)) {
            std::abort();
        }
    }
    for (const auto& name : record.names) {
        if (name.size() > finplan::kTradeNameLength) {
            std::abort();
        }
    }
    return 0;
}
