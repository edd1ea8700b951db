#include "gui/shell/window_placement.h"

#include <algorithm>

namespace finplan::gui {

namespace {

// The start of a span of `length` placed at `start`, moved to lie within [low, low + room).
// A span longer than the room starts at its low end.
int fitSpan(int start, int length, int low, int room) {
    const int highest = low + room - length;
    return highest <= low ? low : std::clamp(start, low, highest);
}

} // namespace

QRect fitWindowToScreen(QPoint position, QSize size, QSize minimum, const QRect& available) {
    const int width = std::max(std::min(size.width(), available.width()), minimum.width());
    const int height = std::max(std::min(size.height(), available.height()), minimum.height());
    return QRect(fitSpan(position.x(), width, available.x(), available.width()),
                 fitSpan(position.y(), height, available.y(), available.height()), width, height);
}

QRect firstStartPlacement(QSize wanted, QSize minimum, const QRect& available) {
    const QSize most(available.width() * 9 / 10, available.height() * 9 / 10);
    const QSize size = wanted.boundedTo(most).expandedTo(minimum);
    const QPoint centred(available.x() + (available.width() - size.width()) / 2,
                         available.y() + (available.height() - size.height()) / 2);
    return fitWindowToScreen(centred, size, minimum, available);
}

} // namespace finplan::gui
