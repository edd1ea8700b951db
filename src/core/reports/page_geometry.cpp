#include "reports/page_geometry.h"

#include <array>
#include <cstdint>

namespace finplan {

namespace {

// Lines of report text a page is laid out for.
constexpr int kLinesPerPage = 55;

struct ColumnRule {
    int divisor = 118;      // characters across the printable width
    bool wideFirst = false; // the first column as wide as the others
    int otherColumns = 7;   // columns sharing the width beside an 8-character first column
    int shareWidth = 0;     // when set: the others are W / shareWidth
    int ruledColumns = 8;
    bool labelBox = true;
};

ColumnRule columnRule(PrintKind kind) {
    switch (kind) {
    case PrintKind::Outgoing:
        return {103, false, 6, 0, 7, true};
    case PrintKind::Accounts:
    case PrintKind::Groups:
    case PrintKind::AccountFlow:
        return {250, false, 10, 0, 11, true};
    case PrintKind::IncomingEvents:
    case PrintKind::OutgoingEvents:
        return {103, false, 7, 0, 8, true};
    case PrintKind::AgeIncoming:
    case PrintKind::AgeOutgoing:
        return {103, true, 0, 3, 0, false};
    case PrintKind::Budget:
        return {120, false, 8, 0, 9, true};
    case PrintKind::Mortgage:
    case PrintKind::Refinance:
        return {160, true, 0, 10, 11, false};
    case PrintKind::BudgetSheet:
        return {120, true, 6, 0, 7, false};
    default:
        return {};
    }
}

std::int64_t scaled(int thousandths, int dpi) {
    return static_cast<std::int64_t>(thousandths) * dpi / 1000;
}

} // namespace

DeviceMargins deviceMargins(const PageMargins& margins, const PageDevice& device) {
    const auto convert = [&](const PageMargins& m) {
        return std::array<std::int64_t, 4>{scaled(m.left, device.dpiX), scaled(m.top, device.dpiY),
                                           scaled(m.right, device.dpiX),
                                           scaled(m.bottom, device.dpiY)};
    };
    auto dots = convert(margins);
    const bool negative =
        margins.left < 0 || margins.top < 0 || margins.right < 0 || margins.bottom < 0;
    if (negative || dots[0] + dots[2] >= device.width || dots[1] + dots[3] >= device.height) {
        dots = convert(PageMargins{});
    }
    return {static_cast<int>(dots[0]), static_cast<int>(dots[1]), static_cast<int>(dots[2]),
            static_cast<int>(dots[3])};
}

PageGeometry pageGeometry(PrintKind kind, const PageDevice& device, const PageMargins& margins) {
    PageGeometry g;
    g.margins = deviceMargins(margins, device);
    g.width = device.width - g.margins.left - g.margins.right;
    g.height = device.height - g.margins.top - g.margins.bottom;
    g.fontHeight = g.height / kLinesPerPage;
    const ColumnRule rule = columnRule(kind);
    g.charWidth = g.width / rule.divisor;
    const int eight = 8 * g.charWidth;
    if (rule.shareWidth > 0) {
        g.columnWidth = g.width / rule.shareWidth;
    } else {
        g.columnWidth = (g.width - eight) / rule.otherColumns;
    }
    g.firstColumn = rule.wideFirst ? g.columnWidth : eight;
    g.ruledColumns = rule.ruledColumns;
    g.labelBox = rule.labelBox;
    return g;
}

} // namespace finplan
