#include "gui/calculators/text_table_model.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace finplan::gui {

TextTableModel::TextTableModel(QStringList columns, std::vector<QStringList> rows, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
    , m_rows(std::move(rows)) {}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole: {
        const QStringList& row = m_rows[static_cast<std::size_t>(index.row())];
        return index.column() < row.size() ? row[index.column()] : QString();
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight));
    case Qt::BackgroundRole:
        if (index.row() % 2 == 1) {
            // The scroll bar's colour, lightened halfway to white.
            const QColor bar = QApplication::palette().color(QPalette::Button);
            return QColor((bar.red() + 255) / 2, (bar.green() + 255) / 2, (bar.blue() + 255) / 2);
        }
        return QColor(Qt::white);
    default:
        return {};
    }
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_columns.size()) {
        return {};
    }
    return m_columns[section];
}

} // namespace finplan::gui
