#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace finplan::gui {

// The window rectangle stored in the preferences, made to fit the screen area it will show
// on: no larger than that area (though never below the window's minimum size) and moved so
// that it lies on it. A damaged or foreign preferences file can hold any numbers (which is why
// the stored placement does not come as a QRect: its corners could overflow).
QRect fitWindowToScreen(QPoint position, QSize size, QSize minimum, const QRect& available);

// The window of a first start, when no placement is stored: the wanted size (never below the
// minimum), at most 90 % of the available area, centred on it.
QRect firstStartPlacement(QSize wanted, QSize minimum, const QRect& available);

} // namespace finplan::gui
