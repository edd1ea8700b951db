#include "gui/commands/option_commands.h"

#include "app/planner.h"
#include "editing/budget_editor.h"
#include "editing/font_choice.h"
#include "editing/option_editor.h"
#include "gui/commands/command_dispatcher.h"
#include "gui/commands/window_frame.h"
#include "gui/editors/budget_dialog.h"
#include "gui/editors/option_dialog.h"
#include "gui/shell/command_ids.h"

#include <QFont>
#include <QFontDialog>

namespace finplan::gui {

namespace {

// The record's font as the font dialog starts from it.
QFont qtFont(const FontChoice& choice) {
    QFont font(QString::fromStdString(choice.face));
    if (choice.points > 0) {
        font.setPointSize(choice.points);
    }
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeOut);
    return font;
}

FontChoice choiceOf(const QFont& font) {
    return {font.family().toStdString(),
            font.pointSize(),
            font.bold(),
            font.italic(),
            font.underline(),
            font.strikeOut()};
}

} // namespace

OptionCommands::OptionCommands(Planner& planner, UserDialogs& dialogs, WindowFrame& frame)
    : m_planner(planner)
    , m_dialogs(dialogs)
    , m_frame(frame) {}

void OptionCommands::registerWith(CommandDispatcher& dispatcher) {
    for (int number = 1; number <= kBudgetCount; ++number) {
        dispatcher.add(command::Budget1 + number - 1, [this, number] { editBudget(number); });
    }
    dispatcher.add(command::GroupNames,
                   [this] { runOptions(openGroupsEditor(m_planner.scenario(), m_dialogs)); });
    dispatcher.add(command::AssetAllocationOptions, [this] {
        runOptions(openAssetAllocationEditor(m_planner.scenario(), m_dialogs));
    });
    dispatcher.add(command::RmdOptions,
                   [this] { runOptions(openRmdOptionsEditor(m_planner.scenario(), m_dialogs)); });
    dispatcher.add(command::Preferences,
                   [this] { runOptions(openPreferencesEditor(m_planner.scenario(), m_dialogs)); });
    dispatcher.add(command::ReportFont, [this] { chooseFont(FontRole::Report); });
    dispatcher.add(command::ReportOptions, [this] { editPrintSettings(false); });
    dispatcher.add(command::PageSetup, [this] { editPrintSettings(true); });
    dispatcher.add(command::ResultValueFont, [this] { chooseFont(FontRole::ResultValue); });
    dispatcher.add(command::FolderFont, [this] { chooseFont(FontRole::Folder); });
}

bool OptionCommands::editBudget(int number) {
    bool changed = false;
    {
        BudgetEditor editor(m_planner.scenario(), number - 1, m_planner.workDir(), m_dialogs);
        BudgetDialog dialog(editor, &m_frame.frameWidget());
        m_runDialog(dialog);
        if (!editor.closed()) {
            dialog.reject();
        }
        changed = dialog.result() == QDialog::Accepted;
    }
    // The budget's withdrawal takes part in the next run.
    m_frame.refreshViews(std::nullopt);
    return changed;
}

bool OptionCommands::runOptions(std::unique_ptr<OptionEditor> editor) {
    bool committed = false;
    {
        OptionDialog dialog(
            *editor, [this](OptionDialog& d, const std::string& key) { optionButton(d, key); },
            &m_frame.frameWidget());
        m_runDialog(dialog);
        if (!editor->closed()) {
            dialog.reject();
        }
        committed = dialog.result() == QDialog::Accepted;
    }
    if (committed) {
        m_frame.refreshViews(std::nullopt);
    }
    return committed;
}

void OptionCommands::optionButton(OptionDialog& dialog, const std::string& key) {
    for (int table = 1; table <= kLifeTableCount; ++table) {
        if (key == "edit-table-" + std::to_string(table) + "-life-expectancy-values") {
            editLifeTable(table);
            dialog.editor().keepNestedChanges();
            return;
        }
    }
    // Report Options stay open while the report font is chosen.
    if (key == "fonts") {
        chooseFont(FontRole::Report);
        return;
    }
    // Either font button closes the preferences without the steps of OK.
    if (key == "select-scenario-results-folder-fonts" || key == "select-results-value-fonts") {
        dialog.reject();
        chooseFont(key == "select-results-value-fonts" ? FontRole::ResultValue : FontRole::Folder);
    }
}

void OptionCommands::editPrintSettings(bool pageSetup) {
    AppSettings& settings = m_planner.settings();
    PrefInfo& prefs = m_planner.scenario().prefs;
    prefs.reportBanding = settings.reportBanding;
    prefs.reportBoxing = settings.reportBoxing;
    prefs.reportColumns = settings.reportColumns;
    prefs.marginLeft = settings.margins.left;
    prefs.marginTop = settings.margins.top;
    prefs.marginRight = settings.margins.right;
    prefs.marginBottom = settings.margins.bottom;
    prefs.printOption = settings.printOption;
    auto editor = pageSetup ? openPageSetupEditor(m_planner.scenario(), m_dialogs)
                            : openReportOptionsEditor(m_planner.scenario(), m_dialogs);
    if (!runOptions(std::move(editor))) {
        return;
    }
    settings.reportBanding = prefs.reportBanding;
    settings.reportBoxing = prefs.reportBoxing;
    settings.reportColumns = prefs.reportColumns;
    settings.margins = {prefs.marginLeft, prefs.marginTop, prefs.marginRight, prefs.marginBottom};
    settings.printOption = prefs.printOption;
}

// A table whose order breaks at a zero is opened once more.
void OptionCommands::editLifeTable(int table) {
    for (int opening = 0; opening < 2; ++opening) {
        auto editor = openLifeTableEditor(m_planner.scenario(), table, m_dialogs);
        {
            OptionDialog dialog(*editor, {}, &m_frame.frameWidget());
            m_runDialog(dialog);
            if (!editor->closed()) {
                dialog.reject();
            }
        }
        if (!lifeTableHasZeroProblem(*editor)) {
            return;
        }
    }
}

void OptionCommands::chooseFont(FontRole role) {
    Scenario& scenario = m_planner.scenario();
    if (role != FontRole::Report && scenario.prefs.useDefaultFonts == 1) {
        return;
    }
    const PrintFont& record = scenario.fonts[static_cast<std::size_t>(role)];
    QFontDialog dialog(qtFont(fontChoiceOf(record)), &m_frame.frameWidget());
    dialog.setObjectName(QStringLiteral("fontDialog"));
    m_runDialog(dialog);
    if (dialog.result() != QDialog::Accepted) {
        return;
    }
    storeFontChoice(scenario, role, choiceOf(dialog.selectedFont()));
    if (role != FontRole::Report) {
        scenario.resultsStale = true;
        m_frame.refreshViews(std::nullopt);
    }
}

} // namespace finplan::gui
