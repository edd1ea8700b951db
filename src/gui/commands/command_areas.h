#pragma once

#include "gui/commands/account_commands.h"
#include "gui/commands/event_commands.h"
#include "gui/commands/file_commands.h"
#include "gui/commands/graph_commands.h"
#include "gui/commands/help_commands.h"
#include "gui/commands/option_commands.h"
#include "gui/commands/plot_programs.h"
#include "gui/commands/report_commands.h"
#include "gui/commands/tool_commands.h"

namespace finplan {
class Planner;
class UserDialogs;
} // namespace finplan

namespace finplan::gui {

// The command handlers of every menu area, registered with the window's one dispatcher. The
// handlers refer to their area, so the areas stay where they are made.
class CommandAreas {
public:
    CommandAreas(Planner& planner, UserDialogs& dialogs, FileChooser& files, WindowFrame& frame,
                 CommandDispatcher& dispatcher);
    CommandAreas(const CommandAreas&) = delete;
    CommandAreas& operator=(const CommandAreas&) = delete;

    FileCommands& file() { return m_file; }
    EventCommands& events() { return m_events; }
    OptionCommands& options() { return m_options; }
    AccountCommands& accounts() { return m_accounts; }
    PlotPrograms& plotPrograms() { return m_plots; }
    ToolCommands& tools() { return m_tools; }
    ReportCommands& reports() { return m_reports; }

private:
    FileCommands m_file;
    EventCommands m_events;
    AccountCommands m_accounts;
    ReportCommands m_reports;
    GraphCommands m_graphs;
    ToolCommands m_tools;
    HelpCommands m_help;
    OptionCommands m_options;
    PlotPrograms m_plots;
};

} // namespace finplan::gui
