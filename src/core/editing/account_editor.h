#pragma once

#include "calculators/calc_fields.h"
#include "editing/edit_session.h"
#include "editing/editor_form.h"
#include "editing/event_editor.h"
#include "platform/user_dialogs.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// What the Account Information dialog opens on: a new account (the record past the used
// ones, cleared), an account of the table, or an account an import prepared past the used
// ones.
enum class AccountEditMode { New, Existing, FromFile };

// An entry of the group list: a group's name and its index in the group table.
struct GroupChoice {
    std::string name;
    int group = 0;
};

// The Account Information dialog: its controls in dialog order. The two pickers hold numbers:
// "select-account-type" the kind (0 to 4), "assign-group-to-account" the group index ("" for
// none chosen). The form's editor kind means nothing here.
const EditorForm& accountEditorForm();
const std::vector<FormField>& accountFormFields();
inline constexpr std::string_view kAccountDialogTitle = "Account Information";

// One open Account Information dialog, on an edit session: only an accepted OK keeps what it
// changed; Cancel, or destroying it without OK, puts the scenario back byte for byte.
class AccountEditor {
public:
    // `index` names the account for Existing and is ignored otherwise. A New or FromFile
    // editor on a full table, or an Existing one on no account, opens closed.
    AccountEditor(Scenario& scenario, AccountEditMode mode, int index, UserDialogs& dialogs);

    AccountEditMode mode() const { return m_mode; }
    int index() const { return m_index; }
    const FieldTexts& texts() const { return m_texts; }
    // Named groups sorted by name.
    const std::vector<GroupChoice>& groups() const { return m_groups; }
    // The pickers' entries: the five kinds, and the named groups by their indexes.
    std::vector<PickerChoice> choices(std::string_view key) const;
    // The controls disabled while the fields hold these texts: the penalty box for kinds other
    // than Retirement and Tax Free savings, the penalty fields unless the box is checked too.
    std::set<std::string> disabledFields(const FieldTexts& fields) const;

    // OK: the checks in the dialog's order (the first refusal is shown and the dialog stays
    // open), then the account is stored, a new one counted with a new id, and the change
    // committed.
    CalcResult ok(const FieldTexts& fields);
    void cancel() { m_session.rollBack(); }
    bool closed() const { return !m_session.open(); }
    // The account's id once OK was accepted.
    int accountId() const { return m_accountId; }

    const Scenario& scenario() const { return m_session.scenario(); }
    const EditSession& session() const { return m_session; }

private:
    void load();
    CalcResult submit(const FieldTexts& fields);

    EditSession m_session;
    AccountEditMode m_mode;
    UserDialogs& m_dialogs;
    int m_index = -1;
    int m_accountId = -1;
    FieldTexts m_texts;
    std::vector<GroupChoice> m_groups;
};

} // namespace finplan
