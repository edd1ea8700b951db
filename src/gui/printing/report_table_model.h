#pragma once

#include "reports/page_reader.h"

#include <QAbstractTableModel>
#include <QColor>

namespace finplan::gui {

// The rows of an on-screen report page under its column titles: the first column
// left-aligned, the others right-aligned, every second row banded.
class ReportTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ReportTableModel(PageText page, QColor band, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The first cell of a row, trimmed as the page reader keeps it.
    std::string rowLabel(int row) const;

private:
    std::vector<std::vector<std::string>> m_rows;
    std::vector<std::string> m_titles;
    QColor m_band;
};

} // namespace finplan::gui
