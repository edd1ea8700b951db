#pragma once

#include <QColor>
#include <QStyledItemDelegate>

#include <optional>

namespace finplan::gui {

// Draws one schedule line or one column of a totals line: black or red text on the band
// colour, white on the selection colour; every column of a totals line closed by a rule.
class ScheduleDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Without a band colour every line has the base colour.
    ScheduleDelegate(std::optional<QColor> band, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    std::optional<QColor> m_band;
};

} // namespace finplan::gui
