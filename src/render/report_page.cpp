#include "render/page_canvas.h"
#include "render/page_fonts.h"
#include "render/page_renderer.h"
#include "reports/page_reader.h"
#include "results/text_format.h"

#include <algorithm>

namespace finplan::render {

namespace {

bool between(PrintKind kind, PrintKind first, PrintKind last) {
    return static_cast<int>(kind) >= static_cast<int>(first) &&
           static_cast<int>(kind) <= static_cast<int>(last);
}

bool ageReport(PrintKind kind) {
    return between(kind, PrintKind::AgeIncoming, PrintKind::AgeOutgoing);
}

// The table's columns: the geometry's, narrowed when a page holds more columns than the
// printable width takes.
struct Columns {
    int left = 0;
    int first = 0;
    int width = 0;

    QRect cell(std::size_t index, int y, int height) const {
        if (index == 0) {
            return {left, y, first, height};
        }
        return {left + first + static_cast<int>(index - 1) * width, y, width, height};
    }
};

Columns columnsFor(const PageGeometry& g, const PageText& text) {
    Columns columns{g.margins.left, g.firstColumn, g.columnWidth};
    std::size_t widest = 0;
    for (const PageLine& line : text.lines) {
        widest = std::max(widest, line.cells.size());
    }
    if (widest > 1) {
        const int fits = (g.width - columns.first) / static_cast<int>(widest - 1);
        columns.width = std::max(1, std::min(columns.width, fits));
    }
    return columns;
}

int cellFlags(PrintKind kind, const PageLine& line, std::size_t index) {
    if (ageReport(kind)) {
        return Qt::AlignRight | Qt::AlignTop;
    }
    if (line.dataRow) {
        const bool centred = kind == PrintKind::AccountFlow && index == 0;
        return (centred ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignTop;
    }
    if (between(kind, PrintKind::Mortgage, PrintKind::Refinance)) {
        return Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap;
    }
    return Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
}

struct Ruling {
    int top = 0;
    int bottom = 0;
};

void drawColumnRules(PageCanvas& canvas, const PageGeometry& g, const Columns& columns,
                     const PageFonts& fonts, Ruling ruling) {
    if (g.ruledColumns <= 0) {
        return;
    }
    if (ruling.bottom + fonts.lineHeight <= pageBottom(g)) {
        ruling.bottom = pageBottom(g);
    }
    const int height = ruling.bottom - ruling.top;
    for (int i = 1; i < g.ruledColumns; ++i) {
        const int x = columns.cell(static_cast<std::size_t>(i), 0, 0).left();
        canvas.line(x, ruling.top, x, ruling.bottom);
    }
    if (g.labelBox) {
        canvas.outline(QRect(columns.left, ruling.top, 9 * fonts.charWidth, height));
    }
    const int right = columns.cell(static_cast<std::size_t>(g.ruledColumns), 0, 0).left();
    canvas.outline(QRect(columns.left, ruling.top, right - columns.left, height));
}

int layoutReportPage(PageCanvas& canvas, const PageGeometry& g, const PageDevice& device,
                     const PrintSet& set, int page, const PageSetting& setting,
                     const PageText& text, double scale) {
    const PageFonts fonts = pageFonts(g, setting.style.fontFamily, scale);
    const PrintKind kind = set.name.kind;
    const int lh = fonts.lineHeight;
    const int tableTop = drawTitleBlock(canvas, g, device, fonts, set, page, setting);
    const Columns columns = columnsFor(g, text);
    const bool paddedHeaders = between(kind, PrintKind::Mortgage, PrintKind::Refinance);
    int y = tableTop;
    int count = between(kind, PrintKind::NetWorth, PrintKind::AccountFlow) ? 0 : 1;
    bool afterRule = false;
    for (const PageLine& line : text.lines) {
        if (line.kind == PageLine::Kind::Rule) {
            canvas.line(columns.left, y + lh / 4, columns.left + g.width, y + lh / 4);
            y += lh / 2;
            afterRule = true;
            continue;
        }
        std::vector<QString> pieces;
        int height = lh;
        for (std::size_t i = 0; i < line.cells.size(); ++i) {
            QString piece = QString::fromLatin1(line.cells[i].data(),
                                                static_cast<qsizetype>(line.cells[i].size()));
            if (paddedHeaders && afterRule && !line.dataRow && i > 0) {
                piece += QLatin1Char(' ');
            }
            height = std::max(height,
                              canvas.pieceHeight(columns.cell(i, y, lh), cellFlags(kind, line, i),
                                                 piece, fonts.text, lh));
            pieces.push_back(std::move(piece));
        }
        const bool banded =
            count % 2 == 0 && (line.dataRow || static_cast<int>(kind) > 10 || ageReport(kind));
        if (banded) {
            canvas.band(QRect(columns.left, y, g.width, height), setting.style);
        }
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            canvas.text(columns.cell(i, y, height), cellFlags(kind, line, i), pieces[i],
                        fonts.text);
        }
        y += height;
        ++count;
    }
    if (setting.style.columns) {
        drawColumnRules(canvas, g, columns, fonts, {tableTop, y});
    }
    return y;
}

} // namespace

bool renderTitlePage(QPainter& painter, const PageGeometry& g, const PrintSet& set,
                     const PageSetting& setting) {
    if (!painter.isActive()) {
        return false;
    }
    const QString& family = setting.style.fontFamily;
    const int lh = 3 * g.fontHeight;
    const QFont main = reportFont(family, lh, 3 * g.charWidth);
    const QFont heading = reportFont(family, 2 * g.fontHeight, 2 * g.charWidth, kHeadingWeight);
    PageCanvas canvas(&painter);
    const QRect block(g.margins.left, g.margins.top + 3 * lh, g.width, 5 * lh);
    canvas.band(block, setting.style);
    const auto captions = titlePageCaptions(setting.captions);
    int y = block.top() + lh / 2;
    for (const std::string& caption : captions) {
        canvas.text(QRect(block.left(), y, block.width(), lh), Qt::AlignCenter,
                    QString::fromStdString(caption), main);
        y += lh;
    }
    canvas.text(QRect(block.left(), y, block.width(), lh), Qt::AlignCenter,
                QString::fromStdString(titlePageName(set.name)), heading);
    return true;
}

void renderReportPage(QPainter& painter, const PageGeometry& g, const PageDevice& device,
                      const PrintSet& set, int page, const PageSetting& setting) {
    const PageText text = parsePage(*set.pages[static_cast<std::size_t>(page - 1)]);
    fitAndPaint(painter, g, g.margins.top, [&](PageCanvas& canvas, double scale) {
        return layoutReportPage(canvas, g, device, set, page, setting, text, scale);
    });
}

bool renderPrintPage(QPainter& painter, const PageDevice& device, const PrintSet& set, int page,
                     const PageSetting& setting) {
    if (!painter.isActive() || page < 0 || page > set.pageCount()) {
        return false;
    }
    const PageGeometry g = pageGeometry(set.name.kind, device, setting.margins);
    if (page == 0) {
        return renderTitlePage(painter, g, set, setting);
    }
    if (!set.pages[static_cast<std::size_t>(page - 1)]) {
        return false;
    }
    if (set.name.kind == PrintKind::Schedule) {
        renderSchedulePage(painter, g, device, set, page, setting);
    } else {
        renderReportPage(painter, g, device, set, page, setting);
    }
    return true;
}

} // namespace finplan::render
