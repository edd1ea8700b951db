#pragma once

#include <QTreeView>

namespace finplan::gui {

// The report-style schedule list: a totals line is drawn column by column, any other line as
// one text across the whole row. Column widths keep their proportions as the list resizes.
class ScheduleView : public QTreeView {
    Q_OBJECT
public:
    explicit ScheduleView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

    // Sizes the columns to the list's width.
    void fitColumns();

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace finplan::gui
