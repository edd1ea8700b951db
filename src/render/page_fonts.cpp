#include "render/page_fonts.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace finplan::render {

QFont reportFont(const QString& family, int pixelHeight, int charWidth, int weight) {
    QFont font(family.isEmpty() ? QStringLiteral("Sans Serif") : family);
    font.setPixelSize(std::max(pixelHeight, 1));
    font.setWeight(static_cast<QFont::Weight>(weight));
    const double average = QFontMetricsF(font).averageCharWidth();
    if (average > 0.0 && charWidth > 0) {
        const long stretch = std::lround(100.0 * charWidth / average);
        font.setStretch(static_cast<int>(std::clamp(stretch, 1L, 4000L)));
    }
    return font;
}

} // namespace finplan::render
