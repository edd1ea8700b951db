#pragma once

#include "calculators/calc_fields.h"
#include "editing/edit_session.h"
#include "editing/editor_form.h"
#include "platform/clock.h"
#include "platform/user_dialogs.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// One entry of an account picker; "No Selection" has the id -1.
struct PickerChoice {
    std::string name;
    int accountId = -1;
};

// The record an editor opens on.
struct EditTarget {
    static constexpr int kNewEvent = -1;
    int index = kNewEvent; // an event's index, or a new event
    // Copy: the event at `index` is first duplicated past the last event; cancelling takes
    // the duplicate away again.
    bool copyFirst = false;
};

// One open editor: the scenario as the dialog shows it, as texts, and the steps of its
// buttons. The scenario is kept as it was when the editor opened (an EditSession); only an
// accepted OK keeps what the editor changed. Closing without OK, or destroying the editor
// without OK, puts the scenario back byte for byte.
//
// Field texts are keyed by the form's keys (editorForm). A picker's text is the chosen
// account's id in decimal, "-1" for "No Selection", "" for nothing chosen (a picker without
// "No Selection" then keeps the id the event holds). A check box is "on" or "".
class EventEditor {
public:
    // Opens the editor of `kind` (a kind with a form) on `target`. A new event starts
    // cleared; the Initial Values and Account Rate kinds ignore the target's index.
    EventEditor(Scenario& scenario, EditorKind kind, EditTarget target, const Clock& clock,
                UserDialogs& dialogs);
    ~EventEditor();
    EventEditor(const EventEditor&) = delete;
    EventEditor& operator=(const EventEditor&) = delete;

    EditorKind kind() const { return m_kind; }
    const EditorForm& form() const { return editorForm(m_kind); }
    // The index of the record being edited (the record past the events for a new event);
    // -1 for Initial Values.
    int eventIndex() const { return m_index; }
    bool isNew() const { return m_isNew; }

    // The texts the dialog shows on opening.
    const FieldTexts& texts() const { return m_texts; }
    // A picker's entries in the order shown, "No Selection" first where the picker has it.
    const std::vector<PickerChoice>& choices(std::string_view key) const;
    // The keys of the controls that are disabled while the fields hold these texts.
    std::set<std::string> disabledFields(const FieldTexts& fields) const;

    // A check box was clicked: fields[key] holds its new state. The editor may change other
    // fields (the start age of "Use Birthday", the other accelerated-payment box); a refusal
    // was shown, and the box's text is back as it was.
    CalcResult click(std::string_view key, FieldTexts& fields);

    // The Calculate button of the debt editors: every check of OK and the computed outputs,
    // nothing stored for good.
    CalcResult calculate(const FieldTexts& fields);
    // OK: the checks in the dialog's order (the first refusal is shown through the dialogs
    // and the editor stays open), then the event is stored and the change committed. The
    // outputs are the computed values (monthly-payment; years, months, total-interest).
    CalcResult ok(const FieldTexts& fields);
    // Cancel (also closing the window): the scenario is put back. The Withdrawal editor
    // first warns about an account that is part of the asset allocation.
    void cancel(const FieldTexts& fields);
    // OK was accepted or the editor was cancelled.
    bool closed() const { return !m_session.open(); }

    // Fundamentals: the Account Rate dialog of one account (account-name, current-rate).
    FieldTexts accountRateTexts(int accountId) const;
    // Its OK: the rate is checked and remembered for this account until the Fundamentals OK.
    CalcResult setAccountRate(int accountId, const FieldTexts& fields);

    // The event as the accepted OK stored it, before the events were sorted; empty before.
    const std::optional<EventRecord>& storedEvent() const { return m_stored; }

    const EditSession& session() const { return m_session; }
    const Scenario& scenario() const { return m_session.scenario(); }

    // State the forms share between opening and OK.
    struct State {
        std::map<int, float> accountRates;                 // Fundamentals: per account id
        std::map<std::string, int, std::less<>> storedIds; // pickers: the ids on opening
    };

private:
    CalcResult submit(const FieldTexts& fields, bool store);

    EditorKind m_kind;
    EditSession m_session;
    const Clock& m_clock;
    UserDialogs& m_dialogs;
    int m_index = -1;
    bool m_isNew = false;
    bool m_copy = false;
    std::optional<EventRecord> m_stored;
    FieldTexts m_texts;
    std::map<std::string, std::vector<PickerChoice>, std::less<>> m_choices;
    State m_state;
};

// The Credit Card Debt Payoff calculator: the card editor's dialog, keys and outputs, worked
// on no scenario at all (balance, rate, monthly-payments, monthly-purchases -> years, months,
// total-interest).
CalcResult calculateCardPayoffFields(const FieldTexts& fields);

// The controls the card dialog disables as a calculator.
std::set<std::string> cardCalculatorDisabledFields();

} // namespace finplan
