#include "gui/shell/schedule_delegate.h"

#include "gui/shell/banding.h"
#include "gui/shell/schedule_line_rules.h"
#include "gui/shell/schedule_model.h"

#include <QPainter>

namespace finplan::gui {

namespace {

constexpr int kTextPadding = 4;
// The last column stops short of the list's edge.
constexpr int kLastColumnInset = 2;

} // namespace

ScheduleDelegate::ScheduleDelegate(std::optional<QColor> band, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_band(band) {}

void ScheduleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    QColor background = option.palette.color(QPalette::Base);
    if (selected) {
        background = selectionColor();
    } else if (m_band && index.row() % 2 == 1) {
        background = *m_band;
    }
    QColor text =
        index.data(ScheduleModel::RedLineRole).toBool() ? QColor(Qt::red) : QColor(Qt::black);
    if (selected) {
        text = Qt::white;
    }

    painter->save();
    painter->fillRect(option.rect, background);
    painter->setPen(text);
    painter->setFont(option.font);
    if (!index.data(ScheduleModel::TotalsLineRole).toBool()) {
        painter->drawText(option.rect.adjusted(kTextPadding, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine |
                              Qt::TextExpandTabs,
                          index.data(ScheduleModel::LineTextRole).toString());
    } else {
        QRect cell = option.rect;
        if (index.column() == kScheduleColumns - 1) {
            cell.setRight(cell.right() - kLastColumnInset);
        }
        const Qt::Alignment alignment =
            Qt::AlignVCenter | (index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight);
        painter->drawText(cell.adjusted(kTextPadding, 0, -kTextPadding, 0),
                          alignment | Qt::TextSingleLine, index.data().toString());
        painter->setPen(selected ? QColor(Qt::white) : option.palette.color(QPalette::Mid));
        painter->drawLine(cell.topRight(), cell.bottomRight());
    }
    painter->restore();
}

} // namespace finplan::gui
