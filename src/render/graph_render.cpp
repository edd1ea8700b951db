#include "render/graph_render.h"

#include "render/graph_drawing.h"
#include "render/graph_fonts.h"
#include "render/picture_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace finplan::render {

namespace {

// Printer resolution of the PDF pages.
constexpr int kPdfDotsPerInch = 600;

int toDots(int thousandths) {
    return thousandths * kPdfDotsPerInch / 1000;
}

} // namespace

QImage renderGraphImage(GraphView& view, const GraphScene& scene, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ScreenGraphOptions options{screenGraphFont(size.height()), 0};
    drawScreenGraph(painter, image.rect(), view, scene, options);
    return image;
}

WriteResult writeGraphPng(const std::filesystem::path& path, GraphView& view,
                          const GraphScene& scene, QSize size) {
    return writePngFile(path, renderGraphImage(view, scene, size));
}

WriteResult writeGraphPdf(const std::filesystem::path& path, GraphView& view,
                          const GraphScene& scene, const PageMargins& margins) {
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    {
        // The writer finishes the document when it goes.
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QStringLiteral("Printing Graph"));
        writer.setCreator(QStringLiteral("Financial Planner"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return WriteResult::failure("The page could not be made");
        }
        const QRect page(0, 0, writer.width(), writer.height());
        const QMargins device(toDots(margins.left), toDots(margins.top), toDots(margins.right),
                              toDots(margins.bottom));
        drawPrintedGraph(painter, page, device, view, scene, printerGraphFont());
        if (!painter.end()) {
            return WriteResult::failure("The page could not be made");
        }
    }
    return writeBytesFile(path, document);
}

} // namespace finplan::render
