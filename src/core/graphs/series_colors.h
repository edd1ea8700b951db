#pragma once

#include <array>
#include <cstdint>

namespace finplan {

// A colour as red, green, blue; the painter turns it into whatever its device wants.
struct RgbColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

// The graph palette by index: 0 is the ink of axes, frames and text, 1..10 are the series
// colours (series i of a graph is drawn in colour i + 1), 11 is the grid and shadow grey and
// 12 the text background of the graph area.
inline constexpr std::array<RgbColor, 13> kSeriesColors{{
    {0, 0, 0},
    {0, 0, 255},
    {255, 0, 0},
    {213, 208, 21},
    {170, 0, 255},
    {0, 255, 0},
    {136, 0, 72},
    {10, 85, 85},
    {255, 170, 0},
    {255, 68, 255},
    {52, 255, 255},
    {100, 100, 100},
    {200, 200, 200},
}};

inline constexpr int kInkColor = 0;
inline constexpr int kNegativeColor = 2; // negative amounts in the summary panel
inline constexpr int kTotalsColor = 1;   // totals rows of the summary panel
inline constexpr int kGridColor = 11;
inline constexpr int kTextBackgroundColor = 12;

// The disc under the pie.
inline constexpr RgbColor kPieShadowColor{119, 119, 119};

} // namespace finplan
