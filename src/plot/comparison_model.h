#pragma once

#include "graphs/scenario_comparison.h"

#include <QAbstractTableModel>

namespace finplan::plot {

// The comparison table: the age, then each scenario's value and, from the second scenario on,
// its difference to the first; the same columns as the CSV export.
class ComparisonModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ComparisonModel(QObject* parent = nullptr);

    void setComparison(Comparison comparison);
    const Comparison& comparison() const { return m_comparison; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // Column 1 + 2 (s - 1) + 1 holds scenario s's value for s > 0, the next its difference.
    struct Column {
        std::size_t scenario = 0;
        bool difference = false;
    };
    Column column(int section) const;

    Comparison m_comparison;
};

} // namespace finplan::plot
