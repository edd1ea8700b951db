#include "render/graph_drawing.h"

#include "render/graph_palette.h"
#include "render/graph_parts.h"

#include <QPainter>

namespace finplan::render {

namespace {

constexpr int kQuadrantMargin = 6;

const char* quadrantName(int quadrant) {
    switch (quadrant) {
    case 2:
        return "Incoming";
    case 3:
        return "Outgoing";
    default:
        return "Net Worth";
    }
}

// The graph of one place: its own kind, or the breakdown opened from `source`.
std::optional<PieGeometry> drawPlace(GraphCanvas& canvas, GraphView& view, const GraphScene& scene,
                                     GraphKind kind, GraphKind source, const GraphPlace& place) {
    if (kind == GraphKind::Breakdown) {
        return drawBreakdown(canvas, view, scene, source, place);
    }
    drawTimeSeries(canvas, view, scene, kind, place);
    return std::nullopt;
}

void drawFourGraphView(GraphCanvas& canvas, const QRect& client, GraphView& view,
                       const GraphScene& scene, int cursorQuadrant, DrawnGraph& drawn) {
    const std::array<FrameRect, 4> quadrants = fourGraphQuadrants(client.width(), client.height());
    for (int q = 1; q <= 4; ++q) {
        const FrameRect& f = quadrants[static_cast<std::size_t>(q - 1)];
        drawn.frames[static_cast<std::size_t>(q)] = f;
        canvas.frameBox(f.left + 2, f.top + 3, f.width(), f.height(), true);
        view.setQuadrantPass(q);
        if (q == 4) {
            drawn.summary = summaryBlockFor(cursorQuadrant);
            drawSummaryPanel(canvas, scene, view.selectedYear(), f, *drawn.summary);
            continue;
        }
        const GraphPlace place{f, PlotPlacement::FourGraph, q, false};
        drawn.pies[static_cast<std::size_t>(q)] =
            drawPlace(canvas, view, scene, view.kindIn(q), view.previousKind(), place);
        canvas.textCentred((f.left + f.right) / 2, f.bottom - canvas.lineHeight() - 9,
                           QString::fromLatin1(quadrantName(q)), paletteColor(kInkColor));
    }
    view.setQuadrantPass(0);
}

FrameRect insideMargins(const QRect& page, const QMargins& margins) {
    return {page.left() + margins.left(), page.top() + margins.top(),
            page.left() + page.width() - margins.right(),
            page.top() + page.height() - margins.bottom()};
}

} // namespace

std::array<FrameRect, 4> fourGraphQuadrants(int width, int height) {
    const int hw = width / 2;
    const int hh = height / 2;
    const int m = kQuadrantMargin;
    return {{
        {0, 0, width - hw - m, height - hh - 18},
        {width - hw, 0, width - m, height - hh - 18},
        {width - hw, height - hh - m, width - m, height - m},
        {0, height - hh - m, width - hw - m, height - m},
    }};
}

DrawnGraph drawScreenGraph(QPainter& painter, const QRect& client, GraphView& view,
                           const GraphScene& scene, const ScreenGraphOptions& options) {
    DrawnGraph drawn;
    painter.fillRect(client, Qt::white);
    GraphCanvas canvas(painter, false);
    canvas.setFont(options.font);
    view.setPrinting(false);
    view.beginDrawing(scene.lastYearIndex);
    if (view.fourGraphView()) {
        drawFourGraphView(canvas, client, view, scene, options.cursorQuadrant, drawn);
        return drawn;
    }
    const FrameRect frame{0, 0, client.width(), client.height()};
    drawn.frames[0] = frame;
    canvas.frameBox(2, 3, frame.right - 9, frame.bottom - 9, true);
    const GraphPlace place{frame, PlotPlacement::Single, 0, false};
    drawn.pies[0] = drawPlace(canvas, view, scene, view.kind(), view.previousKind(), place);
    return drawn;
}

FrameRect printedGraphFrame(const QRect& page, const QMargins& margins) {
    const int width = page.width();
    const int height = width <= page.height()
                           ? static_cast<int>(static_cast<long long>(width) * width / page.height())
                           : page.height();
    return insideMargins(QRect(page.left(), page.top(), width, height), margins);
}

std::array<FrameRect, 4> printedFourGraphFrames(const QRect& page, const QMargins& margins,
                                                int lineHeight) {
    FrameRect area = insideMargins(page, margins);
    area.bottom -= 5 * lineHeight;
    const int hw = area.width() / 2;
    const int hh = area.height() / 2;
    const int m = kQuadrantMargin;
    const int midX = area.left + area.width() - hw;
    const int midY = area.top + area.height() - hh;
    return {{
        {area.left, area.top, midX - m, midY - m},
        {midX, area.top, area.right - m, midY - m},
        {midX, midY, area.right - m, area.bottom - m},
        {area.left, midY, midX - m, area.bottom - m},
    }};
}

void drawPrintedGraph(QPainter& painter, const QRect& page, const QMargins& margins,
                      GraphView& view, const GraphScene& scene, const QFont& font) {
    GraphCanvas canvas(painter, true);
    canvas.setFont(font);
    view.setPrinting(true);
    view.beginDrawing(scene.lastYearIndex);
    if (view.fourGraphView()) {
        const int lh = canvas.lineHeight();
        const std::array<FrameRect, 4> frames = printedFourGraphFrames(page, margins, lh);
        constexpr std::array<GraphKind, 4> kPasses{GraphKind::NetWorth, GraphKind::IncomingOutgoing,
                                                   GraphKind::Outgoing, GraphKind::Incoming};
        painter.setPen(QPen(paletteColor(kInkColor), 0));
        painter.setBrush(Qt::NoBrush);
        for (int pass = 1; pass <= 4; ++pass) {
            const FrameRect& f = frames[static_cast<std::size_t>(pass - 1)];
            view.setPrintPass(pass);
            painter.setPen(QPen(paletteColor(kInkColor), 0));
            painter.drawRect(QRect(f.left, f.top, f.width(), f.height()));
            painter.drawRect(QRect(f.left + 1, f.top + 1, f.width() - 2, f.height() - 2));
            drawTimeSeries(canvas, view, scene, kPasses[static_cast<std::size_t>(pass - 1)],
                           GraphPlace{f, PlotPlacement::FourGraph, std::nullopt, true});
        }
        const FrameRect area = insideMargins(page, margins);
        const int centre = (area.left + area.right) / 2;
        const QColor ink = paletteColor(kInkColor);
        canvas.textCentred(centre, area.bottom - 4 * lh - 9, QStringLiteral("Summary"), ink);
        for (int i = 0; i < 3; ++i) {
            canvas.textCentred(centre, area.bottom - (3 - i) * lh - 9,
                               toQString(scene.captions[static_cast<std::size_t>(i)]), ink);
        }
        view.setPrintPass(0);
    } else {
        const GraphPlace place{printedGraphFrame(page, margins), PlotPlacement::Single,
                               std::nullopt, false};
        drawPlace(canvas, view, scene, view.kind(), view.previousKind(), place);
    }
    view.setPrinting(false);
}

} // namespace finplan::render
