#pragma once

#include "graphs/series_colors.h"

#include <QColor>

namespace finplan::render {

// A colour of the graph palette (0 ink, 1..10 series, 11 grid and shadows, 12 text
// background); indexes outside it wrap onto the series colours.
QColor paletteColor(int index);
QColor toQColor(RgbColor color);

// The face of buttons: the fill behind legends, the summary panel and value readouts.
QColor buttonFaceColor();
// The colour of an active window caption: the zoom guide lines.
QColor activeCaptionColor();

// Lightens a background colour by up to a third of the room its brightest non-zero channel
// has left; a colour without blue stays as it is. With lightening off, unchanged.
QColor lightenColor(QColor color, bool lightening);

} // namespace finplan::render
