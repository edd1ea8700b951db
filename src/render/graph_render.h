#pragma once

#include "graphs/graph_view.h"
#include "model/app_settings.h"
#include "model/safe_write.h"
#include "render/graph_source.h"

#include <QImage>
#include <QSize>

#include <filesystem>

namespace finplan::render {

// A graph to a picture or a page; graph_drawing.h draws the same onto any painter.

// The graph area as the screen shows it, on an image of the given size; the text is sized
// as for a main window whose client area is that high.
QImage renderGraphImage(GraphView& view, const GraphScene& scene, QSize size);

// That image as a PNG file. On failure the file is as it was.
WriteResult writeGraphPng(const std::filesystem::path& path, GraphView& view,
                          const GraphScene& scene, QSize size);

// One PDF page in the printer layout: a Letter page upright, the page setup's margins (in
// thousandths of an inch). On failure the file is as it was.
WriteResult writeGraphPdf(const std::filesystem::path& path, GraphView& view,
                          const GraphScene& scene, const PageMargins& margins);

} // namespace finplan::render
