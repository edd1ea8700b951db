#include "plot/plot_program.h"

#include "plot/compare_window.h"
#include "plot/plot_window.h"
#include "render/picture_file.h"

#include <QApplication>
#include <QMessageBox>
#include <QPixmap>

#include <memory>
#include <ostream>

namespace finplan::plot {

namespace {

std::unique_ptr<PlotFrame> makeWindow(const PlotArguments& arguments, const QString& file) {
    if (!arguments.compare) {
        return std::make_unique<PlotWindow>(file);
    }
    auto window = std::make_unique<CompareWindow>();
    for (const QString& path : arguments.files) {
        window->addScenario(path);
    }
    return window;
}

} // namespace

int grabPlotWindow(const PlotArguments& arguments, std::ostream& errors) {
    const std::unique_ptr<PlotFrame> window = makeWindow(arguments, arguments.files.front());
    if (!window->problem().isEmpty()) {
        errors << window->problem().toStdString() << '\n';
        return kExitUnreadable;
    }
    window->resize(arguments.size);
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    QApplication::processEvents();
    const std::filesystem::path target(arguments.grab->toStdString());
    const WriteResult result = render::writePngFile(target, window->grab().toImage());
    if (!result) {
        errors << writeFailureText(target, result) << '\n';
        return kExitUnwritable;
    }
    return kExitOk;
}

int runPlotWindows(const PlotArguments& arguments, std::ostream& errors) {
    const QStringList files = arguments.compare ? QStringList{QString()} : arguments.files;
    for (const QString& file : files) {
        // Each window deletes itself when it is closed.
        PlotFrame* window = makeWindow(arguments, file).release();
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        if (!window->problem().isEmpty()) {
            errors << window->problem().toStdString() << '\n';
            QMessageBox::warning(window, QStringLiteral("Financial Planner Graphs"),
                                 window->problem());
        }
    }
    return QApplication::exec();
}

} // namespace finplan::plot
