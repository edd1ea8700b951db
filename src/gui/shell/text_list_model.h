#pragma once

#include <QAbstractListModel>

#include <string>
#include <vector>

namespace finplan::gui {

// Lines of text as a list, such as the scenario description.
class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TextListModel(QObject* parent = nullptr);

    void setLines(std::vector<std::string> lines);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<std::string> m_lines;
};

} // namespace finplan::gui
