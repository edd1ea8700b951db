#include "render/page_canvas.h"

#include "render/page_fonts.h"
#include "results/text_format.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace finplan::render {

PageFonts pageFonts(const PageGeometry& g, const QString& family, double scale) {
    const int height = std::max(1, static_cast<int>(std::lround(g.fontHeight * scale)));
    const int width = std::max(1, static_cast<int>(std::lround(g.charWidth * scale)));
    return {reportFont(family, height, width), reportFont(family, height, width, kHeadingWeight),
            height, width};
}

int PageCanvas::pieceHeight(const QRect& box, int flags, const QString& text, const QFont& font,
                            int lineHeight) const {
    if ((flags & Qt::TextWordWrap) == 0) {
        return lineHeight;
    }
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(box, flags, text);
    const int lines = std::max(1, (needed.height() + metrics.lineSpacing() / 2) /
                                      std::max(metrics.lineSpacing(), 1));
    return lines * lineHeight;
}

void PageCanvas::text(const QRect& box, int flags, const QString& text, const QFont& font) {
    if (m_painter == nullptr) {
        return;
    }
    m_painter->setFont(font);
    m_painter->setPen(Qt::black);
    m_painter->drawText(box, flags, text);
}

void PageCanvas::band(const QRect& box, const PageStyle& style) {
    if (m_painter == nullptr) {
        return;
    }
    if (style.banding) {
        m_painter->fillRect(box, style.bandColor);
    }
    if (style.boxing) {
        outline(box);
    }
}

void PageCanvas::line(int x1, int y1, int x2, int y2) {
    if (m_painter != nullptr) {
        m_painter->setPen(Qt::black);
        m_painter->drawLine(x1, y1, x2, y2);
    }
}

void PageCanvas::outline(const QRect& box) {
    if (m_painter != nullptr) {
        m_painter->setPen(Qt::black);
        m_painter->setBrush(Qt::NoBrush);
        m_painter->drawRect(box);
    }
}

QString pageText(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The page number line and the title block; the y under the block.
int drawTitleBlock(PageCanvas& canvas, const PageGeometry& g, const PageDevice& device,
                   const PageFonts& fonts, const PrintSet& set, int page,
                   const PageSetting& setting) {
    const int lh = fonts.lineHeight;
    const int left = g.margins.left;
    const int top = g.margins.top;
    const QString number =
        QString::fromStdString(formatText("Page %d of %d", page, set.pageCount()));
    canvas.text(QRect(0, 0, device.width, std::max(top, lh)), Qt::AlignCenter, number, fonts.text);
    const QRect block(left, top, g.width, 4 * lh);
    canvas.band(block, setting.style);
    const QString name = QString::fromStdString(pageBlockName(set.name, page));
    const int nameFlags = (page == 1 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    canvas.text(QRect(left, top, g.width, lh), nameFlags, name, fonts.heading);
    const auto captions = blockCaptions(setting.captions);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        canvas.text(QRect(left, top + static_cast<int>(i + 1) * lh, g.width, lh),
                    Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(captions[i]), fonts.text);
    }
    return top + 4 * lh + lh / 2;
}

} // namespace finplan::render
