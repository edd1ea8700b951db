#include "gui/commands/file_commands.h"

#include "app/planner.h"
#include "gui/commands/command_dispatcher.h"
#include "gui/commands/file_requests.h"
#include "gui/commands/window_frame.h"
#include "gui/shell/command_ids.h"

#include <QWidget>

namespace finplan::gui {

FileCommands::FileCommands(Planner& planner, FileChooser& files, WindowFrame& frame)
    : m_planner(planner)
    , m_files(files)
    , m_frame(frame) {}

void FileCommands::registerWith(CommandDispatcher& dispatcher) {
    dispatcher.add(command::New, [this] { newScenario(); });
    dispatcher.add(command::Open, [this] { openScenario(); });
    dispatcher.add(command::Save, [this] { saveScenario(); });
    dispatcher.add(command::SaveAs, [this] { saveScenarioAs(); });
    dispatcher.add(command::Exit, [this] { exitProgram(); });
    for (int id = command::RecentFile1; id <= command::RecentFile6; ++id) {
        dispatcher.add(id, [this, id] { openRecentFile(id - command::RecentFile1); });
    }
}

std::optional<NewAccountsWay> FileCommands::chooseNewAccounts() {
    if (m_chooseNewAccounts) {
        return m_chooseNewAccounts();
    }
    NewAccountsDialog dialog(&m_frame.frameWidget());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosenWay();
}

void FileCommands::newScenario() {
    if (!m_planner.mayReplaceScenario()) {
        return;
    }
    const auto way = chooseNewAccounts();
    if (!way) {
        return;
    }
    m_planner.newScenarioByHand();
    if (*way != NewAccountsWay::ByHand && m_createAccounts) {
        m_createAccounts(*way);
    }
    m_frame.refreshViews(std::nullopt);
}

void FileCommands::openScenario() {
    if (!m_planner.mayReplaceScenario()) {
        return;
    }
    std::optional<Page> page;
    if (const auto name = m_files.choose(
            scenarioRequest(m_planner, "Open a Scenario", FileRequest::Mode::Open))) {
        page = m_planner.openScenario(*name);
    }
    // Open runs even when the page it shows would not.
    m_planner.runIfStale();
    m_frame.refreshViews(page);
}

void FileCommands::openRecentFile(int entry) {
    if (!m_planner.mayReplaceScenario()) {
        return;
    }
    const std::optional<Page> page = m_planner.openRecentFile(entry);
    m_planner.runIfStale();
    m_frame.refreshViews(page);
}

void FileCommands::saveScenario() {
    m_planner.save();
    m_frame.updateTitle();
}

void FileCommands::saveScenarioAs() {
    const auto name = m_files.choose(
        scenarioRequest(m_planner, "Save Scenario With a New Name", FileRequest::Mode::Save));
    if (!name) {
        return;
    }
    m_planner.saveAs(*name);
    m_planner.runIfStale();
    m_frame.refreshViews(std::nullopt);
}

void FileCommands::exitProgram() {
    m_planner.writeSettings();
    m_frame.frameWidget().close();
}

} // namespace finplan::gui
