#include "gui/commands/plot_programs.h"

#include "app/planner.h"
#include "gui/commands/command_dispatcher.h"
#include "gui/shell/command_ids.h"
#include "platform/user_dialogs.h"
#include "results/plot_file.h"

#include <QCoreApplication>
#include <QDir>

namespace finplan::gui {

namespace {

QString plotFileName() {
    return QString::fromLatin1(kPlotFileName.data(), static_cast<qsizetype>(kPlotFileName.size()));
}

} // namespace

QString plotProgramPath() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QString::fromLatin1(kPlotProgramName));
}

void PlotPrograms::registerWith(CommandDispatcher& dispatcher) {
    dispatcher.add(command::GraphWindow, [this] { openGraphWindow(); });
    dispatcher.add(command::CompareScenarios, [this] { compareScenarios(); });
}

bool PlotPrograms::start(const QStringList& arguments) {
    const QString workDir = QString::fromStdString(m_planner.workDir().string());
    if (m_launcher->startDetached(m_program, arguments, workDir)) {
        return true;
    }
    m_dialogs.show({"The graph program could not be started:\n" + m_program.toStdString(),
                    "Execution Error", MessageIcon::Stop, MessageButtons::Ok});
    return false;
}

bool PlotPrograms::openGraphWindow() {
    m_planner.runIfStale();
    return start({plotFileName()});
}

bool PlotPrograms::compareScenarios() {
    return start({QStringLiteral("--compare"), plotFileName()});
}

} // namespace finplan::gui
