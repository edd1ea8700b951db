#pragma once

#include "calculators/calc_fields.h"
#include "editing/edit_session.h"
#include "editing/editor_form.h"
#include "editing/event_editor.h"
#include "platform/user_dialogs.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// One open option dialog (Groups, Asset Allocation Withdrawal Options, RMD options, a life
// expectancy table, Preferences): its texts on opening and its OK, inside an edit session, so
// that closing without OK leaves the scenario as it was.
class OptionEditor {
public:
    OptionEditor(Scenario& scenario, UserDialogs& dialogs)
        : m_session(scenario)
        , m_dialogs(dialogs) {}
    virtual ~OptionEditor() = default;
    OptionEditor(const OptionEditor&) = delete;
    OptionEditor& operator=(const OptionEditor&) = delete;

    virtual const EditorForm& form() const = 0;
    const FieldTexts& texts() const { return m_texts; }
    const std::vector<PickerChoice>& choices(std::string_view key) const;
    // The controls disabled while the fields hold these texts.
    virtual std::set<std::string> disabledFields(const FieldTexts&) const { return {}; }
    // A box was clicked (fields[key] holds its new state); boxes of a group clear the others.
    virtual void click(std::string_view, FieldTexts&) {}

    // OK: checks in the dialog's order; the first refusal is shown and nothing is stored.
    CalcResult ok(const FieldTexts& fields);
    void cancel() { m_session.rollBack(); }
    // A nested editor opened from this dialog (a life table from the RMD options) committed:
    // its change stays whatever this dialog ends with.
    void keepNestedChanges() { m_session.keepChangesSoFar(); }
    bool closed() const { return !m_session.open(); }
    const Scenario& scenario() const { return m_session.scenario(); }

protected:
    // Checks and stores; a refusal is returned, not shown. Messages that do not refuse are
    // shown through dialogs().
    virtual CalcResult submit(Scenario& scenario, const FieldTexts& fields) = 0;

    Scenario& editedScenario() { return m_session.scenario(); }
    UserDialogs& dialogs() { return m_dialogs; }
    FieldTexts m_texts;
    std::map<std::string, std::vector<PickerChoice>, std::less<>> m_choices;

private:
    EditSession m_session;
    UserDialogs& m_dialogs;
};

// The option dialogs. A life table is 1 to 3.
std::unique_ptr<OptionEditor> openGroupsEditor(Scenario& scenario, UserDialogs& dialogs);
std::unique_ptr<OptionEditor> openAssetAllocationEditor(Scenario& scenario, UserDialogs& dialogs);
std::unique_ptr<OptionEditor> openRmdOptionsEditor(Scenario& scenario, UserDialogs& dialogs);
std::unique_ptr<OptionEditor> openLifeTableEditor(Scenario& scenario, int table,
                                                  UserDialogs& dialogs);
std::unique_ptr<OptionEditor> openPreferencesEditor(Scenario& scenario, UserDialogs& dialogs);
// "Reports Options": the three titles and the report style switches (kept in the scenario's
// preferences block).
std::unique_ptr<OptionEditor> openReportOptionsEditor(Scenario& scenario, UserDialogs& dialogs);
// Page Setup: the margins in thousandths of an inch and the orientation (the preferences
// block's `printOption`, 1 portrait, 2 landscape) on a Letter sheet.
std::unique_ptr<OptionEditor> openPageSetupEditor(Scenario& scenario, UserDialogs& dialogs);

// After a life table's OK: whether a zero broke the table's order, so the editor opens again.
bool lifeTableHasZeroProblem(const OptionEditor& editor);

// The RMD distribution events: one per life table that at least one account uses, created or
// updated (start age of the table, end 120, the table's name); none is deleted.
void storeRmdEvents(Scenario& scenario);

} // namespace finplan
