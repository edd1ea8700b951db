#include "plot/plot_document.h"

#include "render/graph_canvas.h"

#include <QFile>
#include <QFileInfo>

namespace finplan::plot {

namespace {

// Plot files are a few hundred kilobytes at most; anything far larger is not one.
constexpr qint64 kLargestFile = 16 * 1024 * 1024;

} // namespace

LoadedPlot loadPlotFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {PlotReadError{0, "cannot be read"},
                QStringLiteral("Cannot read %1: %2").arg(path, file.errorString())};
    }
    if (file.size() > kLargestFile) {
        return {PlotReadError{0, "too large"},
                QStringLiteral("%1 is too large to be a plot file").arg(path)};
    }
    const QByteArray bytes = file.readAll();
    LoadedPlot loaded{
        readPlotInput(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))),
        std::nullopt};
    if (const auto* error = std::get_if<PlotReadError>(&loaded.input)) {
        loaded.error = QStringLiteral("%1, line %2: %3")
                           .arg(path)
                           .arg(error->line)
                           .arg(render::toQString(error->message));
    }
    return loaded;
}

QString plotDisplayName(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace finplan::plot
