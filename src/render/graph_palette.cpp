#include "render/graph_palette.h"

#include <QGuiApplication>
#include <QPalette>

#include <cstddef>

namespace finplan::render {

QColor toQColor(RgbColor color) {
    return {color.red, color.green, color.blue};
}

QColor paletteColor(int index) {
    const int count = static_cast<int>(kSeriesColors.size());
    if (index < 0 || index >= count) {
        // Eleven series and more take the series colours again.
        index = 1 + ((index < 0 ? -index : index) - 1) % 10;
    }
    return toQColor(kSeriesColors[static_cast<std::size_t>(index)]);
}

QColor buttonFaceColor() {
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
}

QColor activeCaptionColor() {
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight);
}

QColor lightenColor(QColor color, bool lightening) {
    if (!lightening) {
        return color;
    }
    const int red = color.red();
    const int green = color.green();
    const int blue = color.blue();
    int room = (256 - blue) % 256;
    if (green > 0 && 256 - green < room) {
        room = 256 - green;
    }
    if (red > 0 && 256 - red < room) {
        room = 256 - red;
    }
    if (room == 0) {
        return color;
    }
    const int lift = (room - 1) / 3;
    return {red + lift, green + lift, blue + lift, color.alpha()};
}

} // namespace finplan::render
