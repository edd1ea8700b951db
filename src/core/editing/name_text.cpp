#include "editing/name_text.h"

#include <utility>

namespace finplan {

namespace {

// The code point of the UTF-8 sequence at text[at], and its length; -1 when the bytes there
// are no valid sequence (the length is then 1).
std::pair<long, std::size_t> decodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    long code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return {-1, 1};
    }
    if (at + length > text.size()) {
        return {-1, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return {-1, 1};
        }
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms would smuggle control characters past the check below.
    static constexpr long kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length]) {
        return {-1, 1};
    }
    return {code, length};
}

bool isControl(long code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

} // namespace

std::string latin1Name(std::string_view utf8, std::size_t maxChars) {
    std::string name;
    std::size_t at = 0;
    while (at < utf8.size() && name.size() < maxChars) {
        const auto [code, length] = decodeAt(utf8, at);
        at += length;
        if (code < 0 || code > 0xFF) {
            name.push_back('?');
        } else if (isControl(code)) {
            name.push_back(' ');
        } else {
            name.push_back(static_cast<char>(static_cast<unsigned char>(code)));
        }
    }
    return name;
}

std::string utf8FromLatin1(std::string_view latin1) {
    std::string text;
    text.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text.push_back(c);
        } else {
            text.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            text.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return text;
}

} // namespace finplan
