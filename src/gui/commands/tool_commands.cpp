#include "gui/commands/tool_commands.h"

#include "gui/commands/command_dispatcher.h"
#include "gui/shell/command_ids.h"
#include "platform/user_dialogs.h"

#include <QProcess>

namespace finplan::gui {

void ToolCommands::registerWith(CommandDispatcher& dispatcher) {
    dispatcher.add(command::PlatformCalculator, [this] { startPlatformCalculator(); });
}

void ToolCommands::startPlatformCalculator() {
    if (!QProcess::startDetached(QStringLiteral("calc.exe"), {})) {
        m_dialogs.show({"The Window's Calculator could not be found in the path.",
                        "Execution Error", MessageIcon::Stop, MessageButtons::Ok});
    }
}

} // namespace finplan::gui
