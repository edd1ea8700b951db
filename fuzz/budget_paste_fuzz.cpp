// The Paste All reader on any text. An accepted budget holds 1 to 30 items whose amounts and
// rates the item editor would take; written out as a copy file and read again, it is the
// same budget.

#include "editing/budget_files.h"
#include "editing/budget_items.h"
#include "fuzz_check.h"
#include "model/text_field.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace finplan;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Budget current;
    current.itemInflation[3] = 1;
    const auto pasted = parseBudgetCopy(text, current);
    if (!pasted) {
        return 0;
    }
    FUZZ_CHECK(pasted->itemCount >= 0 && pasted->itemCount <= kBudgetItemCount);
    FUZZ_CHECK(pasted->itemInflation[3] == 1);
    FUZZ_CHECK(std::isfinite(pasted->yearlyTotal));
    for (int i = 0; i < pasted->itemCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        FUZZ_CHECK(std::fabs(pasted->itemAmount[at]) <= 100000000.0f);
        FUZZ_CHECK(std::fabs(pasted->itemApplyRate[at]) <= 200.0f);
        for (const char c : fieldText(pasted->itemName[at])) {
            FUZZ_CHECK(c != '\t' && c != '\n');
        }
    }
    // A pasted budget of items survives its own copy file, item names included.
    if (pasted->itemCount > 0) {
        const auto again = parseBudgetCopy(budgetCopyText(*pasted), current);
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(again->itemCount == pasted->itemCount);
        for (int i = 0; i < pasted->itemCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            FUZZ_CHECK(fieldText(again->itemName[at]) == fieldText(pasted->itemName[at]));
            FUZZ_CHECK(again->itemMonthly[at] == pasted->itemMonthly[at]);
        }
    }
    return 0;
}
