#pragma once

#include "render/plot_layout.h"

#include <QColor>
#include <QFont>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QStringList>

#include <string>

class QPainter;

namespace finplan::render {

// The drawing primitives of the graphs on one device: text placed by its top left corner,
// rectangles whose right and bottom edges lie outside them, frame boxes with shadows. The same
// calls serve the screen, images, PDF pages and printers.
class GraphCanvas {
public:
    GraphCanvas(QPainter& painter, bool printer);

    QPainter& painter() { return m_painter; }
    bool printer() const { return m_printer; }
    int tick() const { return m_printer ? 16 : 4; }
    int seriesPenWidth() const { return m_printer ? 8 : 2; }

    // The graph font; the metrics follow it.
    void setFont(const QFont& font);
    const QFont& font() const { return m_font; }
    const TextMetrics& metrics() const { return m_metrics; }
    int lineHeight() const { return m_metrics.lineHeight; }
    int charWidth() const { return m_metrics.charWidth; }

    int textWidth(const QString& text) const;
    void text(int x, int y, const QString& text, const QColor& color);
    void textRight(int right, int y, const QString& text, const QColor& color);
    void textCentred(int centre, int y, const QString& text, const QColor& color);
    // A strip as wide as `width` and one text line high, filled as text drawn opaquely.
    void textStrip(int x, int y, int width, const QColor& color);

    void line(int x1, int y1, int x2, int y2, const QColor& color, int width = 1);
    void fill(int left, int top, int right, int bottom, const QColor& color);
    // An outlined, filled rectangle covering left .. right - 1 and top .. bottom - 1.
    void rectangle(int left, int top, int right, int bottom, const QColor& fillColor);
    void polygon(const QPolygon& points, const QColor& fillColor);

    // A box from (x, y) to (x + width, y + height): the outline with its bevel, and with a
    // shadow a grey band four pixels wide below and right of it.
    void frameBox(int x, int y, int width, int height, bool shadow);

    // Lines of text boxed and right-aligned so that they end at `right`, the first line's top
    // at `top`, in the readout font. Gives the area the box covers with its shadow.
    QRect readoutBox(const QStringList& lines, int right, int top);
    // The area such a box would cover.
    QRect readoutArea(const QStringList& lines, int right, int top) const;

private:
    QPainter& m_painter;
    bool m_printer;
    QFont m_font;
    TextMetrics m_metrics;
};

QString toQString(const std::string& text);

} // namespace finplan::render
