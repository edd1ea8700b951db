#include "render/graph_canvas.h"

#include "render/graph_fonts.h"
#include "render/graph_palette.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace finplan::render {

namespace {

const QColor kWhite{255, 255, 255};

TextMetrics measure(const QFont& font, QPaintDevice* device) {
    const QFontMetrics fm(font, device);
    TextMetrics m;
    m.textHeight = fm.height();
    m.lineHeight = fm.height() + std::max(fm.leading(), 0);
    m.charWidth = std::max(fm.averageCharWidth(), 1);
    m.ascent = fm.ascent();
    return m;
}

// A readout line with the trailing blank that keeps it off the box's right edge.
QString padded(const QString& line) {
    return line + QLatin1Char(' ');
}

} // namespace

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

GraphCanvas::GraphCanvas(QPainter& painter, bool printer)
    : m_painter(painter)
    , m_printer(printer) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    // Text is drawn transparently; the screen's text background is the palette's grey.
    m_painter.setBackgroundMode(Qt::TransparentMode);
    if (!m_printer) {
        m_painter.setBackground(paletteColor(kTextBackgroundColor));
    }
    setFont(m_painter.font());
}

void GraphCanvas::setFont(const QFont& font) {
    m_font = font;
    m_painter.setFont(font);
    m_metrics = measure(font, m_painter.device());
}

int GraphCanvas::textWidth(const QString& text) const {
    return QFontMetrics(m_font, m_painter.device()).horizontalAdvance(text);
}

void GraphCanvas::text(int x, int y, const QString& text, const QColor& color) {
    m_painter.setPen(color);
    m_painter.drawText(x, y + m_metrics.ascent, text);
}

void GraphCanvas::textRight(int right, int y, const QString& text, const QColor& color) {
    this->text(right - textWidth(text), y, text, color);
}

void GraphCanvas::textCentred(int centre, int y, const QString& text, const QColor& color) {
    this->text(centre - textWidth(text) / 2, y, text, color);
}

void GraphCanvas::textStrip(int x, int y, int width, const QColor& color) {
    fill(x, y, x + width, y + m_metrics.textHeight, color);
}

void GraphCanvas::line(int x1, int y1, int x2, int y2, const QColor& color, int width) {
    QPen pen(color);
    pen.setWidth(width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
    m_painter.drawLine(x1, y1, x2, y2);
}

void GraphCanvas::fill(int left, int top, int right, int bottom, const QColor& color) {
    if (right > left && bottom > top) {
        m_painter.fillRect(QRect(left, top, right - left, bottom - top), color);
    }
}

void GraphCanvas::rectangle(int left, int top, int right, int bottom, const QColor& fillColor) {
    if (right - left < 1 || bottom - top < 1) {
        return;
    }
    m_painter.setPen(QPen(paletteColor(kInkColor), 0));
    m_painter.setBrush(fillColor);
    m_painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    m_painter.setBrush(Qt::NoBrush);
}

void GraphCanvas::polygon(const QPolygon& points, const QColor& fillColor) {
    m_painter.setPen(QPen(paletteColor(kInkColor), 0));
    m_painter.setBrush(fillColor);
    m_painter.drawPolygon(points);
    m_painter.setBrush(Qt::NoBrush);
}

void GraphCanvas::frameBox(int x, int y, int width, int height, bool shadow) {
    const QColor grey = paletteColor(kGridColor);
    const int right = x + width;
    const int bottom = y + height;
    if (shadow) {
        fill(right + 1, y + 4, right + 5, bottom + 5, grey);
        fill(x + 4, bottom + 1, right + 1, bottom + 5, grey);
    }
    line(x - 1, y - 1, right, y - 1, kWhite);
    line(x - 1, y - 1, x - 1, bottom, kWhite);
    line(x + 1, y + 1, right - 1, y + 1, grey);
    line(x + 1, y + 1, x + 1, bottom - 1, grey);
    m_painter.setPen(QPen(paletteColor(kInkColor), 0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRect(x, y, width, height));
    line(right - 1, y + 1, right - 1, bottom - 1, kWhite);
    line(x + 1, bottom - 1, right - 1, bottom - 1, kWhite);
    line(x + 2, y + 2, x + 2, bottom - 2, grey);
}

QRect GraphCanvas::readoutArea(const QStringList& lines, int right, int top) const {
    const QFontMetrics fm(readoutFont(m_metrics.lineHeight), m_painter.device());
    int width = 0;
    for (const QString& line : lines) {
        width = std::max(width, fm.horizontalAdvance(padded(line)));
    }
    const int height = fm.height() * static_cast<int>(lines.size());
    // The box stands 4 pixels out from the text, its shadow 4 more right and down; the bevel
    // reaches one pixel out above and left.
    return QRect(QPoint(right - width - 5, top - 5), QPoint(right + 9, top + height + 9));
}

QRect GraphCanvas::readoutBox(const QStringList& lines, int right, int top) {
    const QFont graphFont = m_font;
    const TextMetrics graphMetrics = m_metrics;
    setFont(readoutFont(graphMetrics.lineHeight));
    int width = 0;
    for (const QString& line : lines) {
        width = std::max(width, textWidth(padded(line)));
    }
    const int lineStep = m_metrics.textHeight;
    const int height = lineStep * static_cast<int>(lines.size());
    if (!m_printer) {
        // Opaque under the text and out to the box, so no graph line shows through.
        fill(right - width - 3, top - 3, right + 4, top + height + 4, buttonFaceColor());
    }
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        textRight(right, top + i * lineStep, padded(lines[i]), paletteColor(kInkColor));
    }
    frameBox(right - width - 4, top - 4, width + 8, height + 8, true);
    setFont(graphFont);
    m_metrics = graphMetrics;
    return readoutArea(lines, right, top);
}

} // namespace finplan::render
