#pragma once

#include "graphs/graph_view.h"
#include "gui/graphs/graph_source.h"
#include "model/app_settings.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace finplan::gui {

// The graph area as the screen shows it, on an image of the given size; the text is sized
// as for a main window whose client area is that high.
QImage renderGraphImage(GraphView& view, const GraphScene& scene, QSize size);

// One PDF page in the printer layout: a Letter page upright, the page setup's margins (in
// thousandths of an inch). False when the file cannot be written.
bool writeGraphPdf(const QString& path, GraphView& view, const GraphScene& scene,
                   const PageMargins& margins);

} // namespace finplan::gui
