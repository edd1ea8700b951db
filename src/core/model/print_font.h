#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace finplan {

inline constexpr int kPrintFontCount = 3;

// A logical font description as stored in scenario files (60 bytes). The first of the three is
// the report font, the second the result value font, the third the folder font.
struct PrintFont {
    static constexpr std::size_t kSize = 60;

    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::array<char, 32> faceName{};

    template <class Io, class Self>
    static void visit(Io& io, Self& r) {
        io(r.height);
        io(r.width);
        io(r.escapement);
        io(r.orientation);
        io(r.weight);
        io(r.italic);
        io(r.underline);
        io(r.strikeOut);
        io(r.charSet);
        io(r.outPrecision);
        io(r.clipPrecision);
        io(r.quality);
        io(r.pitchAndFamily);
        io(r.faceName);
    }
};

using PrintFonts = std::array<PrintFont, kPrintFontCount>;

} // namespace finplan
