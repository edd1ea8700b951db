#include "gui/commands/report_commands.h"

#include "app/planner.h"
#include "gui/commands/command_dispatcher.h"
#include "gui/shell/command_ids.h"

namespace finplan::gui {

void ReportCommands::registerWith(CommandDispatcher& dispatcher) {
    // Takes effect at the next run, so nothing is shown again now.
    dispatcher.add(command::SummarySwitch, [this] { m_planner.toggleSummarySwitch(); });
}

} // namespace finplan::gui
