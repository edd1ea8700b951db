#pragma once

#include "calculators/calc_fields.h"
#include "editing/budget_items.h"
#include "editing/edit_session.h"
#include "editing/editor_form.h"
#include "editing/event_editor.h"
#include "platform/user_dialogs.h"

#include <filesystem>
#include <string>
#include <vector>

namespace finplan {

// The Budget dialog's form: the budget's fields, the item editor, the yearly total and the
// buttons besides OK.
const EditorForm& budgetForm();

// A Budgets menu entry: the budget's name, checked when the budget is active.
struct BudgetMenuItem {
    std::string text;
    bool checked = false;
};

// Gives an unnamed budget its default name ("Budget 3"), as the menu shows it.
void nameUnnamedBudgets(Scenario& scenario);
std::vector<BudgetMenuItem> budgetMenuItems(const Scenario& scenario);

// The withdrawal events of a budget (1 to 5), in table order.
std::vector<int> budgetEvents(const Scenario& scenario, int number);

// One open Budget dialog. The budget is edited in the scenario as the buttons are pressed, but
// the scenario as it was on opening is kept: only OK keeps the changes; closing without OK puts
// the budget (items included) and everything else back. The files the buttons write go to the
// work directory.
class BudgetEditor {
public:
    // `index` is 0 to 4. Opening sorts the items and fills the totals.
    BudgetEditor(Scenario& scenario, int index, std::filesystem::path workDir,
                 UserDialogs& dialogs);

    int index() const { return m_index; }
    const Budget& budget() const;
    // Budget Name, the ages, the picker, the box and the yearly total as the budget holds them
    // now: on opening, and again after Paste All.
    FieldTexts texts() const;
    const std::vector<PickerChoice>& choices() const { return m_choices; }
    std::vector<BudgetRow> rows() const { return budgetRows(budget()); }
    // "Yearly Total" as shown now.
    std::string yearlyTotalText() const;
    // A row selected: the item editor's fields (name, amount, monthly, track,
    // apply-inflation-rate-to-withdrawal, apply-rate).
    FieldTexts itemTexts(int row) const;

    // Enter with the item editor's fields. Refused: a full budget, an amount or rate out of
    // range. An empty name does nothing.
    CalcResult enter(const FieldTexts& fields);
    // Delete: the item named in the Name field; false when none matches.
    bool deleteItem(const FieldTexts& fields);
    void clearAll();
    // Copy All, Paste All, Print (the item sheet) and Print Report (the report's input, with
    // the name and ages of the fields); false after the message.
    bool copyAll();
    bool pasteAll();
    // Paste All from another file (the messages still name the copy file).
    enum class PasteResult { Pasted, Unreadable, Invalid };
    PasteResult pasteFrom(const std::filesystem::path& file);
    bool writeSheet();
    bool writeReportInput(const FieldTexts& fields);

    // OK: the picker is checked first, then the budget and its withdrawal event are stored and
    // the change committed. A refusal keeps the dialog open and stores nothing.
    CalcResult ok(const FieldTexts& fields);
    void cancel() { m_session.rollBack(); }
    bool closed() const { return !m_session.open(); }

    const Scenario& scenario() const { return m_session.scenario(); }

private:
    Budget& budgetRecord();
    bool writeFile(std::string_view name, const std::string& text, std::string_view shownName);
    void storeEvent(Budget& budget);

    EditSession m_session;
    int m_index;
    std::filesystem::path m_workDir;
    UserDialogs& m_dialogs;
    std::vector<PickerChoice> m_choices;
};

} // namespace finplan
