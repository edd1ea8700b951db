#include "gui/commands/help_commands.h"

#include "gui/commands/command_dispatcher.h"
#include "gui/commands/window_frame.h"
#include "gui/help/help_topics.h"
#include "gui/help/help_window.h"
#include "gui/shell/command_ids.h"

#include <QMessageBox>

namespace finplan::gui {

void HelpCommands::registerWith(CommandDispatcher& dispatcher) {
    dispatcher.add(command::About, [this] { about(); });
    for (const int id : helpCommands()) {
        dispatcher.add(id, [this, id] {
            HelpWindow::showTopic(m_frame.frameWidget(), *helpTopicForCommand(id));
        });
    }
}

void HelpCommands::about() {
    QMessageBox::about(&m_frame.frameWidget(), QStringLiteral("About the Financial Planner"),
                       QStringLiteral("<b>Financial Planner</b><p>Plans savings, spending, debts "
                                      "and retirement year by year, from today to the end of "
                                      "the plan.</p>"));
}

} // namespace finplan::gui
