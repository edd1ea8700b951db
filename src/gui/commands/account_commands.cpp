#include "gui/commands/account_commands.h"

#include "app/planner.h"
#include "editing/account_delete.h"
#include "editing/account_editor.h"
#include "editing/account_import.h"
#include "gui/commands/command_dispatcher.h"
#include "gui/commands/file_requests.h"
#include "gui/commands/window_frame.h"
#include "gui/editors/account_editor_dialog.h"
#include "gui/editors/account_file_dialog.h"
#include "gui/platform/file_chooser.h"
#include "gui/shell/command_ids.h"

#include <QWidget>

namespace finplan::gui {

namespace {

// The file dialog of a bank file to read: titles, filters and extensions per kind and purpose.
FileRequest statementRequest(const Planner& planner, Delimiter delimiter, bool update) {
    FileRequest request;
    request.mode = FileRequest::Mode::Open;
    const bool quil = planner.settings().switches.quil;
    if (delimiter == Delimiter::Tab) {
        request.title =
            update ? "Update Accounts From a Tab File" : "Read Accounts From a Tab File";
        request.filters = {"Import Tab Files (*.TVI)", "Text Files (*.TXT)", "All Files (*.*)"};
        request.defaultExtension = quil ? "txt" : "tvi";
    } else {
        request.title = update ? "Update Accounts From a Comma-delimited(*.CSV) File"
                               : "Read Accounts From a CSV (comma-delimited) File";
        request.filters = {"Import CSV Files (*.CSV)", "Text Files (*.TXT)", "'123' Files (*.PRN)",
                           "All Files (*.*)"};
        request.defaultExtension = "csv";
    }
    if (quil) {
        request.startDirectory = planner.workDir().string();
    }
    return request;
}

FileRequest exportRequest(Delimiter delimiter) {
    FileRequest request;
    request.mode = FileRequest::Mode::Save;
    if (delimiter == Delimiter::Tab) {
        request.title = "Export Results To a Tab-delimited File (*.TVE)";
        request.filters = {"Export Tab Files (*.TVE)", "All Files (*.*)"};
        request.defaultExtension = "tve";
    } else {
        request.title = "Export Results To a Comma-delimited File (*.CSV)";
        request.filters = {"Export CSV Files (*.CSV)", "All Files (*.*)"};
        request.defaultExtension = "csv";
    }
    return request;
}

} // namespace

AccountCommands::AccountCommands(Planner& planner, UserDialogs& dialogs, FileChooser& files,
                                 WindowFrame& frame)
    : m_planner(planner)
    , m_dialogs(dialogs)
    , m_files(files)
    , m_frame(frame) {}

void AccountCommands::registerWith(CommandDispatcher& dispatcher) {
    dispatcher.add(command::AddAccount, [this] { addAccountCommand(); });
    dispatcher.add(command::AccountTableEditor, [this] { showAccountTable(); });
    dispatcher.add(command::ImportAccounts, [this] { importAccounts(); });
    dispatcher.add(command::ExportResults, [this] { exportResults(); });
    dispatcher.add(command::SaveAccounts, [this] { saveAccounts(); });
    dispatcher.add(command::ReadAccounts, [this] { readAccounts(); });
    dispatcher.add(command::ReindexAccounts, [this] { reindexAccounts(); });
}

bool AccountCommands::runEditor(AccountEditor& editor) {
    if (editor.closed()) {
        return false;
    }
    {
        AccountEditorDialog dialog(editor, &m_frame.frameWidget(), m_tools);
        m_runDialog(dialog);
        // A runner that left the dialog open closes it without OK.
        if (!editor.closed()) {
            dialog.reject();
        }
    }
    return editor.session().committed();
}

void AccountCommands::addAccount() {
    if (m_frame.anyDialogOpen() || !m_planner.mayAddAccount()) {
        return;
    }
    AccountEditor editor(m_planner.scenario(), AccountEditMode::New, -1, m_dialogs);
    if (runEditor(editor)) {
        m_frame.refreshViews(Page::Accounts);
    }
}

void AccountCommands::addAccountCommand() {
    if (m_frame.anyDialogOpen() || !m_planner.mayAddAccount()) {
        return;
    }
    AccountEditor editor(m_planner.scenario(), AccountEditMode::New, -1, m_dialogs);
    if (runEditor(editor)) {
        m_planner.run();
        m_frame.refreshViews(Page::Accounts);
    }
}

void AccountCommands::editAccount(int row) {
    if (m_frame.anyDialogOpen() || row < 0 || row >= m_planner.scenario().accounts.usedCount()) {
        return;
    }
    AccountEditor editor(m_planner.scenario(), AccountEditMode::Existing, row, m_dialogs);
    if (runEditor(editor)) {
        m_frame.refreshViews(Page::Accounts);
    }
}

void AccountCommands::deleteAccount(int row) {
    if (m_frame.anyDialogOpen()) {
        return;
    }
    const bool deleted = finplan::deleteAccount(m_planner.scenario(), row, m_dialogs);
    m_frame.refreshViews(deleted ? std::optional(Page::Accounts) : std::nullopt);
}

bool AccountCommands::confirmImported(Scenario& scenario) {
    AccountEditor editor(scenario, AccountEditMode::FromFile, -1, m_dialogs);
    return runEditor(editor);
}

void AccountCommands::importAccounts() {
    if (m_frame.anyDialogOpen()) {
        return;
    }
    AccountFileDialog choice(AccountFileDialog::Purpose::Update, &m_frame.frameWidget());
    m_runDialog(choice);
    if (choice.result() != QDialog::Accepted) {
        return;
    }
    const Delimiter delimiter = choice.chosen();
    m_planner.scenario().modified = true;
    m_planner.scenario().resultsStale = true;
    const auto name = m_files.choose(statementRequest(m_planner, delimiter, true));
    if (name) {
        updateAccountsFromFile(m_planner.scenario(), *name, m_planner.workDir(), delimiter,
                               m_planner.accountSort(), m_dialogs,
                               [this](Scenario& s) { return confirmImported(s); });
    }
    m_frame.refreshViews(Page::Accounts);
}

void AccountCommands::createAccountsFromFile(Delimiter delimiter) {
    const auto name = m_files.choose(statementRequest(m_planner, delimiter, false));
    if (!name) {
        return;
    }
    finplan::createAccountsFromFile(m_planner.scenario(), *name, m_planner.workDir(), delimiter,
                                    m_dialogs, [this](Scenario& s) { return confirmImported(s); });
}

void AccountCommands::showAccountTable() {
    if (!m_frame.anyDialogOpen()) {
        m_frame.refreshViews(Page::Accounts);
    }
}

void AccountCommands::exportResults() {
    if (m_frame.anyDialogOpen()) {
        return;
    }
    AccountFileDialog choice(AccountFileDialog::Purpose::Export, &m_frame.frameWidget());
    m_runDialog(choice);
    if (choice.result() != QDialog::Accepted) {
        return;
    }
    const Delimiter delimiter = choice.chosen();
    if (const auto name = m_files.choose(exportRequest(delimiter))) {
        m_planner.exportResults(*name,
                                delimiter == Delimiter::Tab ? ExportKind::Tab : ExportKind::Comma);
    }
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
