#include "gui/shell/gui_main.h"

#include "app/planner.h"
#include "gui/commands/command_areas.h"
#include "gui/platform/qt_file_chooser.h"
#include "gui/platform/qt_user_dialogs.h"
#include "gui/platform/unattended_dialogs.h"
#include "gui/resources/toolbar_icons.h"
#include "gui/shell/command_ids.h"
#include "gui/shell/dialog_grab.h"
#include "gui/shell/gui_options.h"
#include "gui/shell/main_window.h"
#include "gui/shell/work_dir.h"
#include "model/safe_write.h"
#include "platform/numeric_locale.h"
#include "render/picture_file.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTabWidget>
#include <QThread>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

namespace finplan::gui {

namespace {

// How long a page button's work may take before the picture is taken all the same.
constexpr qint64 kPageWorkLimitMs = 60000;

constexpr int kUsageStatus = 1;
constexpr int kFailureStatus = 2;
constexpr int kUnwritableStatus = 3;

std::filesystem::path chooseWorkDir(const GuiOptions& options) {
    if (options.workDir) {
        return std::filesystem::absolute(*options.workDir);
    }
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .toStdString();
}

std::optional<std::string> scenarioOf(const GuiOptions& options) {
    if (!options.scenarioFile) {
        return std::nullopt;
    }
    return std::filesystem::absolute(*options.scenarioFile).string();
}

// Presses the button `key` of the page shown and lets the work it starts end (the button is
// enabled again), for at most a minute. False when the page has no such button to press.
bool pressPageButton(MainWindow& window, const std::string& key) {
    QWidget* page = window.currentPage();
    auto* button =
        page == nullptr ? nullptr : page->findChild<QPushButton*>(QString::fromStdString(key));
    if (button == nullptr || !button->isEnabled()) {
        return false;
    }
    button->click();
    QElapsedTimer waited;
    waited.start();
    while (!button->isEnabled() && waited.elapsed() < kPageWorkLimitMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    QApplication::processEvents();
    return true;
}

// The picture of the window with the chosen folder shown: 0, or the status of what failed.
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
    if (options.grabButton && !pressPageButton(window, *options.grabButton)) {
        std::cerr << "finplan: folder " << options.grabTab << " has no button \""
                  << *options.grabButton << "\" to press\n";
        return kUsageStatus;
    }
    const std::filesystem::path file(*options.grabFile);
    if (const WriteResult written = render::writePngFile(file, window.grab().toImage()); !written) {
        std::cerr << "finplan: cannot write " << writeFailureText(file, written) << '\n';
        return kUnwritableStatus;
    }
    return 0;
}

// The picture of the dialog of a command or of an event's editor, closed without OK: 0, or the
// status of what failed.
int grabDialog(MainWindow& window, Planner& planner, const GuiOptions& options) {
    window.show();
    QApplication::processEvents();
    DialogGrab grab(*options.grabFile);
    if (options.grabButton) {
        grab.pressFirst(*options.grabButton);
    }
    EventCommands& events = window.commands().events();
    window.commands().tools().setDialogRunner(grab.runner());
    events.setDialogRunner(grab.runner());
    window.commands().options().setDialogRunner(grab.runner());
    window.commands().accounts().setDialogRunner(grab.runner());
    if (options.grabEvent) {
        const int count = planner.scenario().usedEventCount();
        if (*options.grabEvent >= count) {
            std::cerr << "finplan: there is no event " << *options.grabEvent
                      << " (the scenario has " << count << ")\n";
            return kUsageStatus;
        }
        events.editEvent(*options.grabEvent);
    } else {
        window.handleCommand(*options.grabCommand);
    }
    if (!grab.taken() && !grab.takeLeftOpen(window)) {
        std::cerr << "finplan: "
                  << (options.grabEvent ? "event " + std::to_string(*options.grabEvent)
                                        : "command " + std::to_string(*options.grabCommand))
                  << " opened no dialog\n";
        return kUsageStatus;
    }
    QApplication::processEvents();
    if (!grab.failure().empty()) {
        std::cerr << "finplan: cannot write " << grab.failure() << '\n';
        return kUnwritableStatus;
    }
    return 0;
}

// --grab: start-up, picture and end with nobody there. Every message box prints its title and
// text on the error stream and takes the answer that changes nothing. A scenario that cannot
// be opened or run still gives the picture of the window it leaves, but the status says so.
int grabPicture(const std::filesystem::path& workDir, const GuiOptions& options,
                const Clock& clock) {
    UnattendedDialogs dialogs(std::cerr);
    UnattendedFileChooser files(std::cerr);
    Planner planner(workDir, dialogs, clock);
    planner.prepare(options.switches);
    MainWindow window(planner, dialogs, files);
    const std::optional<std::string> scenario = scenarioOf(options);
    planner.openAtStart(scenario);
    window.startUp();
    const bool failed = (scenario && !planner.scenarioLoaded()) ||
                        (planner.scenarioLoaded() && !planner.hasResults()) ||
                        dialogs.errorsShown() > 0;
    const int pictureStatus = options.grabCommand || options.grabEvent
                                  ? grabDialog(window, planner, options)
                                  : grabWindow(window, options);
    const int errorsBeforeEnd = dialogs.errorsShown();
    window.finishUnattended();
    if (failed) {
        return kFailureStatus;
    }
    if (pictureStatus != 0) {
        return pictureStatus;
    }
    return dialogs.errorsShown() > errorsBeforeEnd ? kUnwritableStatus : 0;
}

} // namespace

void setUpApplication() {
    // The application has taken the user's locale; printf and strtof must keep the point.
    useCNumericLocale();
    QApplication::setApplicationName(QStringLiteral("finplan"));
    // No display name: the window system would append it to every title, and the titles are the
    // program's own ("Financial Planner - FILE").
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(toolbarIcon(command::GraphWindow));
}

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
    // A picture needs no screen (an offscreen screen set up by the caller is kept).
    if (options.grabFile && !qgetenv("QT_QPA_PLATFORM").startsWith("offscreen")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    setUpApplication();

    const std::filesystem::path workDir = chooseWorkDir(options);
    if (const std::string problem = makeWorkDir(workDir); !problem.empty()) {
        std::cerr << "finplan: cannot use the work directory " << workDir.string() << ": "
                  << problem << '\n';
        return kFailureStatus;
    }

    const SystemClock clock;
    if (options.grabFile) {
        return grabPicture(workDir, options, clock);
    }
    QtUserDialogs dialogs;
    QtFileChooser files;
    Planner planner(workDir, dialogs, clock);
    planner.prepare(options.switches);
    MainWindow window(planner, dialogs, files);
    dialogs.setParentWidget(&window);
    files.setParentWidget(&window);
    window.show();
    planner.openAtStart(scenarioOf(options));
    window.startUp();
    return QApplication::exec();
}

} // namespace finplan::gui
