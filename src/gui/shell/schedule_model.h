#pragma once

#include "results/schedule_sink.h"

#include <QAbstractTableModel>

#include <array>

namespace finplan::gui {

// The schedule of the last run as the results list shows it: one row per line, eight columns
// of which a totals line fills all and any other line only the first.
class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        LineTextRole = Qt::UserRole, // the whole line
        TotalsLineRole,              // drawn in columns
        RedLineRole,                 // drawn in red
        LineKindRole,                // the event index or kind of the line
    };

    ScheduleModel(const ScheduleList& schedule, QObject* parent = nullptr);

    // Takes in the lines of a new run.
    void reload();
    // The longest text of each column over the totals lines, so that the list can keep its
    // amounts whole.
    const std::array<QString, 8>& widestFields() const { return m_widest; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const ScheduleList& m_schedule;
    // The row count the views know; the list itself changes during a run, before reload.
    int m_rows = 0;
    std::array<QString, 8> m_widest;
};

} // namespace finplan::gui
