#include "gui/shell/gui_main.h"

#include "app/planner.h"
#include "gui/platform/qt_file_chooser.h"
#include "gui/platform/qt_user_dialogs.h"
#include "gui/resources/toolbar_icons.h"
#include "gui/shell/command_ids.h"
#include "gui/shell/gui_options.h"
#include "gui/shell/main_window.h"
#include "platform/numeric_locale.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTabWidget>

#include <filesystem>
#include <iostream>

namespace finplan::gui {

namespace {

constexpr int kUsageStatus = 1;
constexpr int kFailureStatus = 2;

std::filesystem::path chooseWorkDir(const GuiOptions& options) {
    if (options.workDir) {
        return std::filesystem::absolute(*options.workDir);
    }
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .toStdString();
}

int grabWindow(MainWindow& window, const GuiOptions& options) {
    if (options.grabTab >= window.folders()->count()) {
        std::cerr << "finplan: there is no folder " << options.grabTab << " (the folders are 0 to "
                  << window.folders()->count() - 1 << ")\n";
        return kUsageStatus;
    }
    if (options.grabWidth && options.grabHeight) {
        window.resize(*options.grabWidth, *options.grabHeight);
    }
    window.show();
    window.folders()->showFolder(options.grabTab);
    QApplication::processEvents();
    const QPixmap picture = window.grab();
    if (!picture.save(QFile::decodeName(options.grabFile->c_str()), "PNG")) {
        std::cerr << "finplan: cannot write " << *options.grabFile << '\n';
        return kFailureStatus;
    }
    return 0;
}

} // namespace

int runGui(int argc, char** argv) {
    // The command line is checked before there is any window, so that help and mistakes need no
    // display.
    const GuiOptions options = parseGuiOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
        std::cout << kGuiUsage;
        return 0;
    }
    if (!options.error.empty()) {
        std::cerr << "finplan: " << options.error << "\n\n" << kGuiUsage;
        return kUsageStatus;
    }
    // A picture needs no screen.
    if (options.grabFile) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    // The application has taken the user's locale; printf and strtof must keep the point.
    useCNumericLocale();
    QApplication::setApplicationName(QStringLiteral("finplan"));
    QApplication::setApplicationDisplayName(QStringLiteral("Financial Planner"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(toolbarIcon(command::GraphWindow));

    const std::filesystem::path workDir = chooseWorkDir(options);
    std::error_code error;
    std::filesystem::create_directories(workDir, error);
    if (!std::filesystem::is_directory(workDir, error)) {
        std::cerr << "finplan: cannot use the work directory " << workDir.string() << '\n';
        return kFailureStatus;
    }

    QtUserDialogs dialogs;
    QtFileChooser files;
    const SystemClock clock;
    Planner planner(workDir, dialogs, clock);
    planner.prepare(options.switches);
    MainWindow window(planner, dialogs, files);
    dialogs.setParentWidget(&window);
    files.setParentWidget(&window);
    std::optional<std::string> scenario;
    if (options.scenarioFile) {
        scenario = std::filesystem::absolute(*options.scenarioFile).string();
    }
    if (options.grabFile) {
        planner.openAtStart(scenario);
        window.startUp();
        return grabWindow(window, options);
    }
    window.show();
    planner.openAtStart(scenario);
    window.startUp();
    return QApplication::exec();
}

} // namespace finplan::gui
