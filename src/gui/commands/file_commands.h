#pragma once

#include "gui/editors/new_accounts_dialog.h"

#include <functional>
#include <optional>

namespace finplan {
class Planner;
}

namespace finplan::gui {

class CommandDispatcher;
class FileChooser;
class WindowFrame;

// The File menu's scenario commands: New, Open, the recent files, Save, Save As and Exit.
class FileCommands {
public:
    using NewAccountsChooser = std::function<std::optional<NewAccountsWay>()>;

    FileCommands(Planner& planner, FileChooser& files, WindowFrame& frame);
    void registerWith(CommandDispatcher& dispatcher);

    // How New learns the way to create the accounts; the dialog unless set.
    void setNewAccountsChooser(NewAccountsChooser chooser) {
        m_chooseNewAccounts = std::move(chooser);
    }
    // What New does for the two file ways, after the scenario was made new.
    void setAccountsFromFile(std::function<void(NewAccountsWay)> create) {
        m_createAccounts = std::move(create);
    }

private:
    std::optional<NewAccountsWay> chooseNewAccounts();
    void newScenario();
    void openScenario();
    void openRecentFile(int entry);
    void saveScenario();
    void saveScenarioAs();
    void exitProgram();

    Planner& m_planner;
    FileChooser& m_files;
    WindowFrame& m_frame;
    NewAccountsChooser m_chooseNewAccounts;
    std::function<void(NewAccountsWay)> m_createAccounts;
};

} // namespace finplan::gui
