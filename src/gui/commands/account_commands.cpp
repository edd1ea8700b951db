#include "gui/commands/account_commands.h"

#include "app/planner.h"
#include "gui/commands/command_dispatcher.h"
#include "gui/commands/file_requests.h"
#include "gui/commands/window_frame.h"
#include "gui/shell/command_ids.h"

namespace finplan::gui {

AccountCommands::AccountCommands(Planner& planner, FileChooser& files, WindowFrame& frame)
    : m_planner(planner)
    , m_files(files)
    , m_frame(frame) {}

void AccountCommands::registerWith(CommandDispatcher& dispatcher) {
    dispatcher.add(command::SaveAccounts, [this] { saveAccounts(); });
    dispatcher.add(command::ReadAccounts, [this] { readAccounts(); });
    dispatcher.add(command::ReindexAccounts, [this] { reindexAccounts(); });
}

void AccountCommands::saveAccounts() {
    if (const auto name =
            m_files.choose(accountsRequest(m_planner, "Write Accounts", FileRequest::Mode::Save))) {
        m_planner.saveAccounts(*name);
    }
}

void AccountCommands::readAccounts() {
    const auto name =
        m_files.choose(accountsRequest(m_planner, "Read Accounts", FileRequest::Mode::Open));
    if (!name) {
        return;
    }
    if (const auto page = m_planner.readAccounts(*name)) {
        m_frame.refreshViews(page);
    }
}

void AccountCommands::reindexAccounts() {
    if (const auto page = m_planner.reindexAccounts()) {
        m_frame.refreshViews(page);
    }
}

} // namespace finplan::gui
