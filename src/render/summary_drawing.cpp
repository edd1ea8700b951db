#include "render/graph_palette.h"
#include "render/graph_parts.h"
#include "results/text_format.h"

#include <algorithm>

namespace finplan::render {

namespace {

constexpr int kPanelLines = 12;

// Panel text: drawn once more a pixel lower when the summary is to read darker.
struct PanelWriter {
    GraphCanvas& canvas;
    bool darker;

    void left(int x, int y, const QString& text, const QColor& color) {
        canvas.text(x, y, text, color);
        if (darker) {
            canvas.text(x, y + 1, text, color);
        }
    }
    void right(int x, int y, const QString& text, const QColor& color) {
        canvas.textRight(x, y, text, color);
        if (darker) {
            canvas.textRight(x, y + 1, text, color);
        }
    }
    void centred(int x, int y, const QString& text, const QColor& color) {
        canvas.textCentred(x, y, text, color);
        if (darker) {
            canvas.textCentred(x, y + 1, text, color);
        }
    }
};

} // namespace

void drawSummaryPanel(GraphCanvas& canvas, const GraphScene& scene, int yearIndex,
                      const FrameRect& frame, SummaryBlockKind block) {
    const int lh = canvas.lineHeight();
    const int cw = canvas.charWidth();
    // Inside the quadrant's frame box, which stands 2 right and 3 down of the quadrant.
    const int left = frame.left + 5;
    const int right = frame.right;
    const int top = frame.top + 6;
    const int bottom = std::min(top + kPanelLines * lh, frame.bottom + 1);
    if (!canvas.printer()) {
        canvas.fill(left, top, right, bottom, buttonFaceColor());
    }
    PanelWriter write{canvas, scene.darker};
    const QColor ink = paletteColor(kInkColor);
    auto lineTop = [&](int line) { return top + (line - 1) * lh + 2; };

    write.left(left + cw, lineTop(1), QStringLiteral("Age"), ink);
    write.right(right - cw, lineTop(1), toQString(formatText("%d", scene.wholeAgeOf(yearIndex))),
                ink);
    const SummaryBlock rows = summaryBlock(block, scene.tables, yearIndex);
    write.centred((left + right) / 2, lineTop(3), toQString(rows.heading), ink);
    int line = 4;
    for (const SummaryRow& row : rows.rows) {
        write.left(left + cw, lineTop(line), toQString(row.label), paletteColor(row.labelColor));
        write.right(right - cw, lineTop(line), toQString(row.amount),
                    paletteColor(row.amountColor));
        ++line;
    }
}

} // namespace finplan::render
