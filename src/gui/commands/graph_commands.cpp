#include "gui/commands/graph_commands.h"

#include "app/planner.h"
#include "gui/commands/command_dispatcher.h"
#include "gui/platform/file_chooser.h"
#include "gui/shell/command_ids.h"

namespace finplan::gui {

void GraphCommands::registerWith(CommandDispatcher& dispatcher) {
    dispatcher.add(command::SaveGraphs, [this] { saveGraphs(); });
}

void GraphCommands::saveGraphs() {
    FileRequest request;
    request.title = "Save Graphs To a File";
    request.filters = {"Plot Files (*.TVP)", "All Files (*.*)"};
    request.defaultExtension = "tvp";
    request.mode = FileRequest::Mode::Save;
    // The command asks before it replaces a file, and refuses the plot file itself.
    request.confirmOverwrite = false;
    if (const auto name = m_files.choose(request)) {
        m_planner.saveGraphs(*name);
    }
}

} // namespace finplan::gui
