#pragma once

#include "model/safe_write.h"
#include "plot/series_chart.h"

#include <QImage>
#include <QSize>

#include <filesystem>

class QPrinter;

namespace finplan::plot {

// A chart made whole in memory, then written by the safe writer: a failed write leaves the old
// file as it was.
QImage chartImage(const SeriesChart& chart, QSize size);
WriteResult writeChartPng(const std::filesystem::path& path, const SeriesChart& chart, QSize size);
// One landscape Letter page.
WriteResult writeChartPdf(const std::filesystem::path& path, const SeriesChart& chart);
void printChart(QPrinter& printer, const SeriesChart& chart);

} // namespace finplan::plot
