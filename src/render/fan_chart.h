#pragma once

#include "model/safe_write.h"
#include "montecarlo/monte_carlo_result.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>

#include <filesystem>

class QPainter;

namespace finplan::render {

// The net worth of many trials by age as a fan: the 5th to 95th and the 25th to 75th
// percentile as shaded bands and the median as a line, on the axes, grid, money labels and
// colours of the net worth graph, with the success rate above the plot.
void drawFanChart(QPainter& painter, const QRect& area, const MonteCarloResult& result,
                  const QFont& font);

// The chart on an image of the given size, text sized as for a window that high.
QImage renderFanChartImage(const MonteCarloResult& result, QSize size);

// That image as a PNG file. On failure the file is as it was.
WriteResult writeFanChartPng(const std::filesystem::path& path, const MonteCarloResult& result,
                             QSize size);

} // namespace finplan::render
