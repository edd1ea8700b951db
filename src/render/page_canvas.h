#pragma once

#include "render/print_set.h"
#include "reports/page_geometry.h"

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

#include <string_view>

namespace finplan::render {

// The fonts and line height of a page, scaled down when its lines would not fit.
struct PageFonts {
    QFont text;
    QFont heading;
    int lineHeight = 1;
    int charWidth = 1;
};

PageFonts pageFonts(const PageGeometry& geometry, const QString& family, double scale);

// Draws a page's pieces, or only measures them: a page is laid out once without painting
// to learn whether it fits, then painted.
class PageCanvas {
public:
    // No painter: measure only.
    explicit PageCanvas(QPainter* painter)
        : m_painter(painter) {}

    bool painting() const { return m_painter != nullptr; }
    // The height a piece takes in lines of lineHeight (word-wrapped pieces take more).
    int pieceHeight(const QRect& box, int flags, const QString& text, const QFont& font,
                    int lineHeight) const;
    void text(const QRect& box, int flags, const QString& text, const QFont& font);
    // Filled with the band colour when banding, outlined when boxing.
    void band(const QRect& box, const PageStyle& style);
    void line(int x1, int y1, int x2, int y2);
    void outline(const QRect& box);

private:
    QPainter* m_painter;
};

// A page file's text as Qt text.
QString pageText(std::string_view text);

// The "Page %d of %d" line above the top margin and the four-line title block: the report's
// name and the captions. The y where the page's lines start.
int drawTitleBlock(PageCanvas& canvas, const PageGeometry& g, const PageDevice& device,
                   const PageFonts& fonts, const PrintSet& set, int page,
                   const PageSetting& setting);

// The lowest y the page's lines may reach.
inline int pageBottom(const PageGeometry& g) {
    return g.margins.top + g.height;
}

// Runs a page's layout at scale 1 and, while it overruns the printable area, at smaller
// scales; then paints it at the last one. layout(canvas, scale) returns the y it ended at.
template <class Layout>
void fitAndPaint(QPainter& painter, const PageGeometry& g, int startY, Layout layout) {
    double scale = 1.0;
    for (int attempt = 0; attempt < 6; ++attempt) {
        PageCanvas measure(nullptr);
        const int end = layout(measure, scale);
        if (end <= pageBottom(g) || end <= startY) {
            break;
        }
        scale *= 0.98 * (pageBottom(g) - startY) / static_cast<double>(end - startY);
    }
    PageCanvas canvas(&painter);
    layout(canvas, scale);
}

} // namespace finplan::render
