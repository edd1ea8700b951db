#include "gui/shell/schedule_model.h"

#include "gui/shell/schedule_line_rules.h"

#include <QBrush>
#include <QColor>

#include <array>

namespace finplan::gui {

namespace {

const std::array<const char*, kScheduleColumns> kHeaders = {
    "Age", "Investment", "Tax-Free", "Retirement", "Asset", "Equity", "Liabilities", "Net Worth"};

Qt::Alignment columnAlignment(int column) {
    return Qt::AlignVCenter | (column == 0 ? Qt::AlignLeft : Qt::AlignRight);
}

} // namespace

ScheduleModel::ScheduleModel(const ScheduleList& schedule, QObject* parent)
    : QAbstractTableModel(parent)
    , m_schedule(schedule)
    , m_rows(static_cast<int>(schedule.lines.size())) {}

void ScheduleModel::reload() {
    beginResetModel();
    m_rows = static_cast<int>(m_schedule.lines.size());
    std::array<std::size_t, kScheduleColumns> longest{};
    m_widest = {};
    for (const ScheduleLine& line : m_schedule.lines) {
        if (!isTotalsLine(line.text)) {
            continue;
        }
        const auto fields = splitTotalsLine(line.text);
        for (std::size_t column = 0; column < fields.size(); ++column) {
            if (fields[column].size() > longest[column]) {
                longest[column] = fields[column].size();
                m_widest[column] = QString::fromStdString(fields[column]);
            }
        }
    }
    endResetModel();
}

int ScheduleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int ScheduleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kScheduleColumns;
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        index.row() >= static_cast<int>(m_schedule.lines.size())) {
        return {};
    }
    const ScheduleLine& line = m_schedule.lines[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        if (isTotalsLine(line.text)) {
            return QString::fromStdString(
                splitTotalsLine(line.text)[static_cast<std::size_t>(index.column())]);
        }
        return index.column() == 0 ? QString::fromStdString(line.text) : QString();
    case Qt::TextAlignmentRole:
        return columnAlignment(index.column()).toInt();
    case Qt::ForegroundRole:
        return QBrush(isRedScheduleLine(line.text) ? QColor(Qt::red) : QColor(Qt::black));
    case LineTextRole:
        return QString::fromStdString(line.text);
    case TotalsLineRole:
        return isTotalsLine(line.text);
    case RedLineRole:
        return isRedScheduleLine(line.text);
    case LineKindRole:
        return line.kind;
    default:
        return {};
    }
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kScheduleColumns) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return QString::fromLatin1(kHeaders[static_cast<std::size_t>(section)]);
    }
    if (role == Qt::TextAlignmentRole) {
        return columnAlignment(section).toInt();
    }
    return {};
}

} // namespace finplan::gui
