#include "results/text_format.h"

#include <array>
#include <cstdio>

namespace finplan {

std::string formatTextV(const char* fmt, std::va_list args) {
    // Most texts fit a line buffer; only longer ones are printed twice.
    std::array<char, 256> line{};
    std::va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(line.data(), line.size(), fmt, measure);
    va_end(measure);
    if (length <= 0) {
        return {};
    }
    if (static_cast<std::size_t>(length) < line.size()) {
        return std::string(line.data(), static_cast<std::size_t>(length));
    }
    // One extra byte for the terminating NUL vsnprintf always writes.
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), fmt, args);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string formatText(const char* fmt, ...) {
    std::va_list args;
    va_start(args, fmt);
    std::string text = formatTextV(fmt, args);
    va_end(args);
    return text;
}

} // namespace finplan
