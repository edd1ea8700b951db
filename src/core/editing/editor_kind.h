#pragma once

#include "model/scenario.h"

#include <optional>
#include <string_view>

namespace finplan {

// The editors of a scenario's events and of its initial values. The last three belong to
// other windows (the asset allocation and RMD options, the budget editor); they have no form
// here but say where an event is edited.
enum class EditorKind {
    Withdrawal,
    Deposit,
    Transfer,
    Fundamentals,
    AccountRate, // opened from Fundamentals for one account
    InitialValues,
    Loan,
    Mortgage,
    CreditCard,
    AssetAllocation,
    Rmd,
    Budget,
    // Option dialogs that edit no event.
    Groups,
    LifeTable,
    Preferences,
    ReportOptions,
    PageSetup,
};

// The editor that edits the event at `index`; empty for an index past the events or an
// event no editor opens. A budget-driven withdrawal is edited by the Withdrawal editor (only
// its account can be changed there).
std::optional<EditorKind> editorForEvent(const Scenario& scenario, int index);

// What the scenario list's Edit opens for the event at `index`: as editorForEvent, except that a
// budget-driven withdrawal opens the editor of its budget.
std::optional<EditorKind> listEditorForEvent(const Scenario& scenario, int index);

// The budget (1 to 5) a budget withdrawal belongs to; empty when the event names none of the
// five.
std::optional<int> budgetOfEvent(const Scenario& scenario, int index);

// Whether the kind has a form in this library (the first nine).
bool hasForm(EditorKind kind);

// Withdrawal, Deposit, Transfer, Fundamentals, Loan, Mortgage and Credit Card Debt: the kinds
// a new event can be.
bool isAddable(EditorKind kind);

// The event kinds `Add Event` and `finplan-cli edit --add` offer, by their command-line word
// ("withdrawal", "deposit", "transfer", "fundamentals", "loan", "mortgage", "credit-card").
std::optional<EditorKind> addableKind(std::string_view word);

} // namespace finplan
