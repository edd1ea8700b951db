#include "gui/shell/placeholder_page.h"

#include <QPainter>
#include <QPainterPath>

#include <utility>

namespace finplan::gui {

namespace {

constexpr int kPanelRadius = 6;
constexpr qreal kHeadingScale = 1.8;

} // namespace

PlaceholderPage::PlaceholderPage(QString heading, QString note, QWidget* parent)
    : QWidget(parent)
    , m_heading(std::move(heading))
    , m_note(std::move(note)) {
    setObjectName(QStringLiteral("placeholderPage"));
}

void PlaceholderPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath panel;
    panel.addRoundedRect(area, kPanelRadius, kPanelRadius);
    painter.fillPath(panel, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawPath(panel);

    QFont headingFont = font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * kHeadingScale);
    headingFont.setBold(true);
    const QFontMetrics headingMetrics(headingFont);
    const QFontMetrics noteMetrics(font());
    const int gap = noteMetrics.height();
    const int blockHeight = headingMetrics.height() + gap + noteMetrics.height() * 2;
    const int top = (height() - blockHeight) / 2;

    painter.setFont(headingFont);
    painter.setPen(QColor(0x1F, 0x4E, 0x8C));
    painter.drawText(QRect(0, top, width(), headingMetrics.height()), Qt::AlignCenter, m_heading);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawText(
        QRect(0, top + headingMetrics.height() + gap, width(), noteMetrics.height() * 2),
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_note);
}

} // namespace finplan::gui
