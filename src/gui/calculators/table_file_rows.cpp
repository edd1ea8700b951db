#include "gui/calculators/table_file_rows.h"

#include <QString>

namespace finplan::gui {

std::vector<QStringList> tableFileRows(std::string_view text) {
    std::vector<QStringList> rows;
    const QStringList lines = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                                  .split(QLatin1Char('\n'));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        // The end marker and the empty rest have no tab.
        if (!lines[i].contains(QLatin1Char('\t'))) {
            continue;
        }
        QStringList cells = lines[i].split(QLatin1Char('\t'));
        if (cells.back().trimmed().isEmpty()) {
            cells.removeLast();
        }
        for (QString& cell : cells) {
            cell = cell.trimmed();
        }
        rows.push_back(cells);
    }
    return rows;
}

} // namespace finplan::gui
