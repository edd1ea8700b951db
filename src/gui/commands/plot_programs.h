#pragma once

#include "gui/platform/program_launcher.h"

#include <QString>
#include <QStringList>

namespace finplan {
class Planner;
class UserDialogs;
} // namespace finplan

namespace finplan::gui {

class CommandDispatcher;

inline constexpr const char* kPlotProgramName = "finplan-plot";

// finplan-plot as it lies beside the running program.
QString plotProgramPath();

// Starts finplan-plot, detached, in the work directory where the run's files lie: the graph
// window (F2) and the scenario comparison on the plot file, the calculators' plots on their
// files. A program that cannot be started is told with an "Execution Error" message.
class PlotPrograms {
public:
    PlotPrograms(Planner& planner, UserDialogs& dialogs)
        : m_planner(planner)
        , m_dialogs(dialogs)
        , m_program(plotProgramPath()) {}
    void registerWith(CommandDispatcher& dispatcher);

    // For tests: another launcher and program path.
    void setLauncher(ProgramLauncher& launcher) { m_launcher = &launcher; }
    void setProgram(const QString& path) { m_program = path; }

    // finplan-plot with these arguments; false when it could not be started.
    bool start(const QStringList& arguments);
    // A calculator's plot: `file` ("ref.tmp", "trade.tmp") written in the work directory.
    bool startCalculatorPlot(const QString& file) { return start({file}); }
    // The graph window on the plot file, after a run when the scenario changed since the last.
    bool openGraphWindow();
    bool compareScenarios();

private:
    Planner& m_planner;
    UserDialogs& m_dialogs;
    DetachedLauncher m_detached;
    ProgramLauncher* m_launcher = &m_detached;
    QString m_program;
};

} // namespace finplan::gui
