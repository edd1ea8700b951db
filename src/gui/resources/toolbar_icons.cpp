#include "gui/resources/toolbar_icons.h"

#include "gui/shell/command_ids.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>
#include <cmath>

namespace finplan::gui {

namespace {

using namespace command;

constexpr int kSize = 32;

const QColor kInk(0x33, 0x3B, 0x47);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kBlue(0x2F, 0x6D, 0xB5);
const QColor kGreen(0x2E, 0x8B, 0x57);
const QColor kOrange(0xE0, 0x8A, 0x1E);
const QColor kPurple(0x7A, 0x4E, 0xA8);
const QColor kRed(0xC0, 0x39, 0x2B);
const QColor kFolder(0xE8, 0xB9, 0x4A);

void page(QPainter& p, const QColor& accent) {
    QPainterPath sheet;
    sheet.moveTo(7, 3);
    sheet.lineTo(20, 3);
    sheet.lineTo(26, 9);
    sheet.lineTo(26, 29);
    sheet.lineTo(7, 29);
    sheet.closeSubpath();
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawLine(QPointF(20, 3), QPointF(20, 9));
    p.drawLine(QPointF(20, 9), QPointF(26, 9));
    p.setPen(QPen(accent, 2));
    for (int y = 14; y <= 24; y += 5) {
        p.drawLine(QPointF(11, y), QPointF(22, y));
    }
}

void folder(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kFolder.darker(115));
    p.drawRoundedRect(QRectF(3, 7, 24, 19), 2, 2);
    p.setBrush(kFolder);
    QPainterPath front;
    front.moveTo(6, 13);
    front.lineTo(29, 13);
    front.lineTo(26, 26);
    front.lineTo(3, 26);
    front.closeSubpath();
    p.drawPath(front);
}

void disk(QPainter& p, const QColor& body) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(body.lighter(160));
    p.drawRect(QRectF(9, 18, 14, 10));
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
    p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot(to.x() - from.x(), to.y() - from.y()));
    const QPointF n(-d.y(), d.x());
    p.drawLine(to, to - d * 5 + n * 4);
    p.drawLine(to, to - d * 5 - n * 4);
}

void bars(QPainter& p, const QRectF& area) {
    p.setPen(Qt::NoPen);
    const std::array<qreal, 3> heights = {0.45, 0.75, 1.0};
    const std::array<QColor, 3> colors = {kBlue, kGreen, kOrange};
    const qreal w = area.width() / 3.6;
    for (std::size_t i = 0; i < 3; ++i) {
        const qreal h = area.height() * heights[i];
        p.setBrush(colors[i]);
        p.drawRect(QRectF(area.left() + static_cast<qreal>(i) * w * 1.3, area.bottom() - h, w, h));
    }
}

void printer(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(0xB8, 0xC0, 0xCC));
    p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(8, 19, 16, 10));
    p.setPen(QPen(kBlue, 1.5));
    p.drawLine(QPointF(11, 23), QPointF(21, 23));
    p.drawLine(QPointF(11, 26), QPointF(19, 26));
}

void house(QPainter& p, const QColor& roof) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 15, 18, 13));
    QPainterPath top;
    top.moveTo(3, 16);
    top.lineTo(16, 4);
    top.lineTo(29, 16);
    top.closeSubpath();
    p.setBrush(roof);
    p.drawPath(top);
    p.setBrush(kBlue.lighter(150));
    p.drawRect(QRectF(14, 20, 5, 8));
}

// A coloured tile with a short text: the tools that have no obvious picture.
void tile(QPainter& p, const QColor& color, const QString& text) {
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(text.size() > 1 ? 13 : 18);
    p.setFont(font);
    p.setPen(kPaper);
    p.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, text);
}

void drawIcon(QPainter& p, int id) {
    switch (id) {
    case New:
        page(p, kBlue);
        break;
    case Open:
        folder(p);
        break;
    case Save:
        disk(p, kBlue);
        break;
    case SaveAs:
        disk(p, kPurple);
        arrow(p, QPointF(17, 30), QPointF(29, 18), kOrange);
        break;
    case SaveAccounts:
        page(p, kGreen);
        arrow(p, QPointF(14, 18), QPointF(30, 18), kRed);
        break;
    case ReadAccounts:
        page(p, kGreen);
        arrow(p, QPointF(1, 18), QPointF(17, 18), kGreen.darker(130));
        break;
    case ExportResults:
        page(p, kOrange);
        arrow(p, QPointF(16, 26), QPointF(30, 26), kBlue);
        break;
    case ImportAccounts:
        page(p, kOrange);
        arrow(p, QPointF(1, 26), QPointF(15, 26), kBlue);
        break;
    case PrintResults:
        printer(p);
        break;
    case PrintCurrentGraphMenu:
        printer(p);
        bars(p, QRectF(10, 4, 12, 8));
        break;
    case SaveGraphs:
        disk(p, kGreen);
        bars(p, QRectF(11, 19, 11, 8));
        break;
    case GraphWindow:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kPaper);
        p.drawRect(QRectF(3, 4, 26, 24));
        bars(p, QRectF(7, 9, 18, 16));
        break;
    case MortgageCalculator:
        house(p, kRed);
        break;
    case RefinanceAnalysis:
        house(p, kGreen);
        break;
    case AcceleratedMortgage:
        house(p, kOrange);
        break;
    case CreditCardPayoff:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(2, 7, 28, 19), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawRect(QRectF(2, 11, 28, 4));
        p.setBrush(kFolder);
        p.drawRect(QRectF(6, 18, 7, 5));
        break;
    case InflationCalculator:
        tile(p, kRed, QStringLiteral("%"));
        break;
    case EffectiveRate:
        tile(p, kGreen, QStringLiteral("e%"));
        break;
    case TaxInflationInvestment:
        tile(p, kOrange, QStringLiteral("T%"));
        break;
    case TradeOff:
        tile(p, kPurple, QStringLiteral("\u21C4"));
        break;
    case CompareScenarios:
        tile(p, kBlue, QStringLiteral("="));
        break;
    case PlatformCalculator:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(0xB8, 0xC0, 0xCC));
        p.drawRoundedRect(QRectF(6, 2, 20, 28), 3, 3);
        p.setBrush(QColor(0xDD, 0xF0, 0xDD));
        p.drawRect(QRectF(9, 5, 14, 6));
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                p.drawRect(QRectF(9 + column * 5, 14 + row * 5, 3.5, 3.5));
            }
        }
        break;
    case About:
        tile(p, kBlue, QStringLiteral("i"));
        break;
    case HelpContents:
        tile(p, kGreen, QStringLiteral("?"));
        break;
    default:
        tile(p, kInk, QStringLiteral("\u2022"));
        break;
    }
}

} // namespace

QIcon toolbarIcon(int commandId) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawIcon(painter, commandId);
    painter.end();
    return QIcon(pixmap);
}

} // namespace finplan::gui
