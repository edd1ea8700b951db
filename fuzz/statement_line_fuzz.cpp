// The bank statement conversion on any bytes, read as a tab and as a comma file. Every line it
// writes is a cleaned name of at least two characters without control characters, a tab, and
// an amount that is a plain decimal number within +-100000000 and comes out of cleaning
// unchanged.

#include "editing/import_line.h"
#include "editing/number_text.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace finplan;

bool hasControl(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return true;
        }
    }
    return false;
}

// A kept name starts with no blank and ends with a letter or digit.
void checkName(const std::string& name) {
    FUZZ_CHECK(!hasControl(name));
    FUZZ_CHECK(name.front() != ' ');
    const auto last = static_cast<unsigned char>(name.back());
    FUZZ_CHECK((last >= '0' && last <= '9') || (last >= 'a' && last <= 'z') ||
               (last >= 'A' && last <= 'Z') || last >= 0x80);
}

void checkAmount(const std::string& amount) {
    if (amount.empty()) {
        return;
    }
    const auto value = parseNumberText(amount);
    FUZZ_CHECK(value.has_value());
    FUZZ_CHECK(std::fabs(*value) <= 100000000.0);
    FUZZ_CHECK(amount.find_first_not_of("-0123456789.") == std::string::npos);
    FUZZ_CHECK(cleanAmount(amount) == amount);
}

void checkConversion(std::string_view input, Delimiter delimiter) {
    const std::string out = convertStatement(input, delimiter);
    FUZZ_CHECK(out.empty() || out.back() == '\n');
    // Split by hand: the reader's own splitting would drop a name's leading byte-order mark.
    std::string_view rest = out;
    while (!rest.empty()) {
        const std::string_view line = rest.substr(0, rest.find('\n'));
        rest.remove_prefix(line.size() + 1);
        const std::size_t tab = line.find('\t');
        FUZZ_CHECK(tab != std::string_view::npos && tab >= 2);
        const std::string name(line.substr(0, tab));
        const std::string amount(line.substr(tab + 1));
        FUZZ_CHECK(!hasControl(name));
        FUZZ_CHECK(amount.size() >= 2);
        checkAmount(amount);
        checkName(name);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkConversion(input, Delimiter::Tab);
    checkConversion(input, Delimiter::Comma);
    checkAmount(cleanAmount(input.substr(0, 256)));
    const std::string name = cleanName(input.substr(0, 256));
    if (!name.empty()) {
        checkName(name);
    }
    return 0;
}
