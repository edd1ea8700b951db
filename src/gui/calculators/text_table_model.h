#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace finplan::gui {

// The rows of a calculator's year-by-year table as texts: the first column left-aligned, the
// others right-aligned, every second row banded.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TextTableModel(QStringList columns, std::vector<QStringList> rows, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_columns;
    std::vector<QStringList> m_rows;
};

} // namespace finplan::gui
