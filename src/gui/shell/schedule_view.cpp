#include "gui/shell/schedule_view.h"

#include "gui/shell/schedule_line_rules.h"
#include "gui/shell/schedule_model.h"

#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QResizeEvent>

#include <array>

namespace finplan::gui {

namespace {

// Column widths in parts of the list's width.
constexpr std::array<int, kScheduleColumns> kColumnParts = {30, 72, 72, 72, 70, 70, 72, 72};
constexpr int kAllParts = 534;
// Room beside a column's text: the delegate's padding on both sides and the rule.
constexpr int kCellPadding = 12;

} // namespace

ScheduleView::ScheduleView(QWidget* parent)
    : QTreeView(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setStretchLastSection(true);
    header()->setSectionsMovable(false);
    header()->setSectionResizeMode(QHeaderView::Fixed);
}

void ScheduleView::setModel(QAbstractItemModel* model) {
    QTreeView::setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, &ScheduleView::fitColumns);
    fitColumns();
}

void ScheduleView::fitColumns() {
    const auto* schedule = qobject_cast<const ScheduleModel*>(model());
    const int width = viewport()->width();
    const QFontMetrics metrics(font());
    for (int column = 0; column + 1 < kScheduleColumns; ++column) {
        const auto index = static_cast<std::size_t>(column);
        const int share = kColumnParts[index] * width / kAllParts;
        // A narrow window scrolls sideways rather than cut amounts short.
        const int needed =
            schedule == nullptr
                ? 0
                : metrics.horizontalAdvance(schedule->widestFields()[index]) + kCellPadding;
        setColumnWidth(column, std::max(share, needed));
    }
}

void ScheduleView::resizeEvent(QResizeEvent* event) {
    QTreeView::resizeEvent(event);
    fitColumns();
}

void ScheduleView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    QStyleOptionViewItem row = option;
    if (selectionModel() != nullptr && selectionModel()->isRowSelected(index.row(), {})) {
        row.state |= QStyle::State_Selected;
    }
    QAbstractItemDelegate* delegate = itemDelegate();
    const QHeaderView* columns = header();
    if (!index.data(ScheduleModel::TotalsLineRole).toBool()) {
        row.rect.setLeft(columns->sectionViewportPosition(0));
        row.rect.setWidth(std::max(columns->length(), viewport()->width()));
        delegate->paint(painter, row, index.siblingAtColumn(0));
        return;
    }
    for (int column = 0; column < kScheduleColumns; ++column) {
        QStyleOptionViewItem cell = row;
        cell.rect = QRect(columns->sectionViewportPosition(column), option.rect.top(),
                          columns->sectionSize(column), option.rect.height());
        delegate->paint(painter, cell, index.siblingAtColumn(column));
    }
}

} // namespace finplan::gui
