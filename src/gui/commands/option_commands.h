#pragma once

#include "gui/editors/dialog_runner.h"

#include <memory>
#include <string>

namespace finplan {
class OptionEditor;
class Planner;
class UserDialogs;
enum class FontRole;
} // namespace finplan

namespace finplan::gui {

class CommandDispatcher;
class OptionDialog;
class WindowFrame;

// The budgets (461 to 465), Group Names (102), the asset allocation and RMD options (888, 889)
// with the life expectancy tables, Preferences (111), the three fonts (112 to 114), Report
// Options (405) and Page Setup (406).
class OptionCommands {
public:
    OptionCommands(Planner& planner, UserDialogs& dialogs, WindowFrame& frame);
    void registerWith(CommandDispatcher& dispatcher);

    // How the modal dialogs run; QDialog::exec unless set.
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    // Budget 1 to 5; true when OK changed the scenario.
    bool editBudget(int number);
    void chooseFont(FontRole role);

private:
    bool runOptions(std::unique_ptr<OptionEditor> editor);
    void optionButton(OptionDialog& dialog, const std::string& key);
    void editLifeTable(int table);
    // Report Options or Page Setup: the settings in force are the editor's start, its OK
    // puts them in force.
    void editPrintSettings(bool pageSetup);

    Planner& m_planner;
    UserDialogs& m_dialogs;
    WindowFrame& m_frame;
    DialogRunner m_runDialog = execDialog;
};

} // namespace finplan::gui
