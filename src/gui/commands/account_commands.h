#pragma once

#include "editing/import_line.h"
#include "gui/commands/account_actions.h"
#include "gui/editors/dialog_runner.h"

#include <functional>
#include <optional>

namespace finplan {
class AccountEditor;
class Planner;
class UserDialogs;
struct Scenario;
} // namespace finplan

namespace finplan::gui {

class CalculatorTools;
class CommandDispatcher;
class FileChooser;
class WindowFrame;

// The account commands: the Account Information dialog (Add Account, the Accounts page's
// Add, Edit and Delete), the account table, imports from bank files, the export of the
// yearly balances, and writing, reading and re-indexing account files.
class AccountCommands : public AccountActions {
public:
    AccountCommands(Planner& planner, UserDialogs& dialogs, FileChooser& files, WindowFrame& frame);
    void registerWith(CommandDispatcher& dispatcher);

    // How the modal dialogs run; QDialog::exec unless set.
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // The effective-rate calculator of Account Information.
    void setCalculatorTools(CalculatorTools* tools) { m_tools = tools; }

    void addAccount() override;
    void editAccount(int row) override;
    void deleteAccount(int row) override;
    void importAccounts() override;

    // New's "Create New Accounts" from a file: asks for the file and creates the accounts of
    // the fresh scenario, each confirmed in the Account Information dialog.
    void createAccountsFromFile(Delimiter delimiter);

private:
    void addAccountCommand();
    void showAccountTable();
    void exportResults();
    void saveAccounts();
    void readAccounts();
    void reindexAccounts();
    // Runs the Account Information dialog on the editor; true when OK kept the change.
    bool runEditor(AccountEditor& editor);
    // The hook that shows each account read from a file.
    bool confirmImported(Scenario& scenario);

    Planner& m_planner;
    UserDialogs& m_dialogs;
    FileChooser& m_files;
    WindowFrame& m_frame;
    DialogRunner m_runDialog = execDialog;
    CalculatorTools* m_tools = nullptr;
};

} // namespace finplan::gui
