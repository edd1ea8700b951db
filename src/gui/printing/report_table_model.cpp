#include "gui/printing/report_table_model.h"

namespace finplan::gui {

ReportTableModel::ReportTableModel(PageText page, QColor band, QObject* parent)
    : QAbstractTableModel(parent)
    , m_titles(std::move(page.header))
    , m_band(band) {
    // A report without columns shows nothing rather than rows nobody can place.
    if (m_titles.empty()) {
        return;
    }
    for (std::size_t i = 1; i < page.lines.size(); ++i) {
        const PageLine& line = page.lines[i];
        if (line.kind == PageLine::Kind::Text && !line.cells.empty()) {
            m_rows.push_back(line.cells);
        }
    }
}

int ReportTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ReportTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_titles.size());
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const auto& row = m_rows[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return column < row.size() ? QString::fromLatin1(row[column].c_str()) : QString();
    case Qt::TextAlignmentRole:
        return static_cast<int>(Qt::AlignVCenter) |
               static_cast<int>(column == 0 ? Qt::AlignLeft : Qt::AlignRight);
    case Qt::BackgroundRole:
        return index.row() % 2 == 1 ? QVariant(m_band) : QVariant(QColor(Qt::white));
    default:
        return {};
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return {};
    }
    return QString::fromLatin1(m_titles[static_cast<std::size_t>(section)].c_str());
}

std::string ReportTableModel::rowLabel(int row) const {
    if (row < 0 || row >= rowCount() || m_rows[static_cast<std::size_t>(row)].empty()) {
        return {};
    }
    return m_rows[static_cast<std::size_t>(row)].front();
}

} // namespace finplan::gui
