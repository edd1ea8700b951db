#include "graphs/plot_geometry.h"

#include "results/money_text.h"

#include <cmath>

namespace finplan {

int columnAt(const PlotGeometry& plot, int x, int startIndex) {
    if (plot.columnWidth <= 0) {
        return startIndex;
    }
    return (x + plot.columnWidth - plot.left) / plot.columnWidth + startIndex - 1;
}

float valueAt(const PlotGeometry& plot, int y) {
    if (plot.height <= 0) {
        return plot.min;
    }
    return static_cast<float>(plot.bottom - y) / static_cast<float>(plot.height) * plot.span +
           plot.min;
}

int valueY(const PlotGeometry& plot, float value) {
    const float span = plot.span == 0.0f ? 1.0f : plot.span;
    const float y = static_cast<float>(plot.bottom) -
                    (value - plot.min) / span * static_cast<float>(plot.height);
    // Far off-plot values are pinned well outside any device instead of overflowing.
    constexpr float kFar = 1.0e8f;
    if (!(y > -kFar)) {
        return -static_cast<int>(kFar);
    }
    if (y > kFar) {
        return static_cast<int>(kFar);
    }
    return static_cast<int>(y);
}

std::string readoutText(float value) {
    return value < 0.0f ? "-" + moneyText(-value) : moneyText(value);
}

} // namespace finplan
