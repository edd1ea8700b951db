#include "gui/shell/text_list_model.h"

#include <utility>

namespace finplan::gui {

TextListModel::TextListModel(QObject* parent)
    : QAbstractListModel(parent) {}

void TextListModel::setLines(std::vector<std::string> lines) {
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

int TextListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole) {
        return {};
    }
    return QString::fromStdString(m_lines[static_cast<std::size_t>(index.row())]);
}

} // namespace finplan::gui
