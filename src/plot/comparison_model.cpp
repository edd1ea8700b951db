#include "plot/comparison_model.h"

#include "render/graph_canvas.h"
#include "results/money_text.h"

namespace finplan::plot {

namespace {

QString money(std::optional<float> value) {
    if (!value) {
        return {};
    }
    return render::toQString(moneyText(*value)).trimmed();
}

} // namespace

ComparisonModel::ComparisonModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void ComparisonModel::setComparison(Comparison comparison) {
    beginResetModel();
    m_comparison = std::move(comparison);
    endResetModel();
}

int ComparisonModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_comparison.rows.size());
}

int ComparisonModel::columnCount(const QModelIndex& parent) const {
    const int scenarios = static_cast<int>(m_comparison.names.size());
    return parent.isValid() || scenarios == 0 ? 0 : 2 * scenarios;
}

ComparisonModel::Column ComparisonModel::column(int section) const {
    if (section <= 1) {
        return {0, false};
    }
    return {static_cast<std::size_t>(section / 2), section % 2 == 1};
}

QVariant ComparisonModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const ComparisonRow& row = m_comparison.rows[static_cast<std::size_t>(index.row())];
    if (index.column() == 0) {
        return row.age;
    }
    const Column c = column(index.column());
    return money(c.difference                     ? row.difference(c.scenario)
                 : c.scenario < row.values.size() ? row.values[c.scenario]
                                                  : std::nullopt);
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (section == 0) {
        return QStringLiteral("Age");
    }
    const Column c = column(section);
    const QString name = render::toQString(m_comparison.names[c.scenario]);
    return c.difference
               ? QStringLiteral("%1 - %2").arg(name, render::toQString(m_comparison.names.front()))
               : name;
}

} // namespace finplan::plot
