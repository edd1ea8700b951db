#include "reports/page_cleanup.h"

#include <array>

namespace finplan {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != prefix[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

bool isPageFileName(std::string_view name) {
    for (const std::string_view prefix :
         std::array<std::string_view, 3>{"rpage", "spage", "page"}) {
        if (!startsWithNoCase(name, prefix)) {
            continue;
        }
        const std::string_view digits = name.substr(prefix.size());
        return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
    }
    return false;
}

} // namespace finplan
