#include "model/account_table.h"

namespace finplan {

std::string_view accountKindLabel(int kind) {
    static constexpr std::array<std::string_view, kAccountKindCount> labels = {
        "Asset             ", "Equity            ", "Investment Savings",
        "Retirement Savings", "Tax Free Savings  ",
    };
    if (kind < 0 || kind >= kAccountKindCount) {
        return {};
    }
    return labels[static_cast<std::size_t>(kind)];
}

} // namespace finplan
