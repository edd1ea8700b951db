#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace finplan {

// Window placement, report style switches and page margins: the whole preferences file and a
// block of the scenario file.
struct PrefInfo {
    static constexpr std::size_t kSize = 152;

    std::int32_t windowX = 0;
    std::int32_t windowY = 0;
    std::int32_t reportColumns = 0;
    std::int32_t screenBanding = 0;
    std::int32_t reportBanding = 0;
    std::int32_t hideInfoFolder = 0;
    std::int32_t reportBoxing = 0;
    std::int32_t useDefaultFonts = 0;
    std::int32_t scheduleDefaultFonts = 0;
    std::int32_t scheduleFontFlag = 0;
    float fontScale = 0.0f;
    std::array<std::uint8_t, 80> reserved44{};
    std::int32_t windowWidth = 0;
    std::int32_t windowHeight = 0;
    std::int32_t marginLeft = 0;
    std::int32_t marginTop = 0;
    std::int32_t marginRight = 0;
    std::int32_t marginBottom = 0;
    std::int32_t printOption = 0;

    template <class Io, class Self>
    static void visit(Io& io, Self& r) {
        io(r.windowX);
        io(r.windowY);
        io(r.reportColumns);
        io(r.screenBanding);
        io(r.reportBanding);
        io(r.hideInfoFolder);
        io(r.reportBoxing);
        io(r.useDefaultFonts);
        io(r.scheduleDefaultFonts);
        io(r.scheduleFontFlag);
        io(r.fontScale);
        io(r.reserved44);
        io(r.windowWidth);
        io(r.windowHeight);
        io(r.marginLeft);
        io(r.marginTop);
        io(r.marginRight);
        io(r.marginBottom);
        io(r.printOption);
    }
};

} // namespace finplan
