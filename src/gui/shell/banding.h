#pragma once

#include "model/command_line.h"

#include <QColor>

namespace finplan::gui {

// The fill of every second line of the lists and the schedule when banding is on, in the
// variant the command line chose.
QColor bandColor(BandingVariant variant);

// The fill of a selected line; its text is white.
QColor selectionColor();

} // namespace finplan::gui
