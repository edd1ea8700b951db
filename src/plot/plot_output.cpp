#include "plot/plot_output.h"

#include "render/picture_file.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace finplan::plot {

namespace {

constexpr int kPdfDotsPerInch = 150;

} // namespace

QImage chartImage(const SeriesChart& chart, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    drawSeriesChart(painter, image.rect(), chart);
    return image;
}

WriteResult writeChartPng(const std::filesystem::path& path, const SeriesChart& chart, QSize size) {
    return render::writePngFile(path, chartImage(chart, size));
}

WriteResult writeChartPdf(const std::filesystem::path& path, const SeriesChart& chart) {
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                         QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("Financial Planner"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return WriteResult::failure("The page could not be made");
        }
        drawSeriesChart(painter, QRect(0, 0, writer.width(), writer.height()), chart);
        if (!painter.end()) {
            return WriteResult::failure("The page could not be made");
        }
    }
    return render::writeBytesFile(path, document);
}

void printChart(QPrinter& printer, const SeriesChart& chart) {
    QPainter painter(&printer);
    drawSeriesChart(
        painter,
        QRect(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()),
        chart);
}

} // namespace finplan::plot
