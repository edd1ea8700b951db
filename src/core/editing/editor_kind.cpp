#include "editing/editor_kind.h"

#include <array>
#include <utility>

namespace finplan {

std::optional<EditorKind> editorForEvent(const Scenario& scenario, int index) {
    if (index < 0 || index >= scenario.usedEventCount()) {
        return std::nullopt;
    }
    const EventRecord& event = scenario.events[static_cast<std::size_t>(index)];
    switch (event.eventType()) {
    case EventType::Withdrawal:
        return EditorKind::Withdrawal;
    case EventType::Deposit:
        return EditorKind::Deposit;
    case EventType::Transfer:
        return EditorKind::Transfer;
    case EventType::Fundamentals:
        return EditorKind::Fundamentals;
    case EventType::Loan:
        return event.isCreditCard() ? EditorKind::CreditCard : EditorKind::Loan;
    case EventType::Mortgage:
        return EditorKind::Mortgage;
    case EventType::AssetAllocation:
        return EditorKind::AssetAllocation;
    case EventType::Rmd:
        return EditorKind::Rmd;
    case EventType::Budget:
        return EditorKind::Budget;
    case EventType::Empty:
        break;
    }
    return std::nullopt;
}

std::optional<EditorKind> listEditorForEvent(const Scenario& scenario, int index) {
    const auto kind = editorForEvent(scenario, index);
    if (kind == EditorKind::Withdrawal && budgetOfEvent(scenario, index)) {
        return EditorKind::Budget;
    }
    return kind;
}

std::optional<int> budgetOfEvent(const Scenario& scenario, int index) {
    if (index < 0 || index >= scenario.usedEventCount()) {
        return std::nullopt;
    }
    const EventRecord& event = scenario.events[static_cast<std::size_t>(index)];
    // The older form keeps the budget's number in oneTime; numbers from a file are trusted
    // only inside the table.
    int number = 0;
    if (event.is(EventType::Budget)) {
        number = event.oneTime;
    } else if (event.is(EventType::Withdrawal) && event.budgetFlag == 1) {
        number = event.budgetNumber;
    }
    if (number < 1 || number > kBudgetCount) {
        return std::nullopt;
    }
    return number;
}

bool hasForm(EditorKind kind) {
    return kind != EditorKind::AssetAllocation && kind != EditorKind::Rmd &&
           kind != EditorKind::Budget && kind != EditorKind::Groups &&
           kind != EditorKind::LifeTable && kind != EditorKind::Preferences &&
           kind != EditorKind::ReportOptions && kind != EditorKind::PageSetup;
}

bool isAddable(EditorKind kind) {
    switch (kind) {
    case EditorKind::Withdrawal:
    case EditorKind::Deposit:
    case EditorKind::Transfer:
    case EditorKind::Fundamentals:
    case EditorKind::Loan:
    case EditorKind::Mortgage:
    case EditorKind::CreditCard:
        return true;
    default:
        return false;
    }
}

std::optional<EditorKind> addableKind(std::string_view word) {
    static constexpr std::array<std::pair<std::string_view, EditorKind>, 7> kWords = {{
        {"withdrawal", EditorKind::Withdrawal},
        {"deposit", EditorKind::Deposit},
        {"transfer", EditorKind::Transfer},
        {"fundamentals", EditorKind::Fundamentals},
        {"loan", EditorKind::Loan},
        {"mortgage", EditorKind::Mortgage},
        {"credit-card", EditorKind::CreditCard},
    }};
    for (const auto& [name, kind] : kWords) {
        if (name == word) {
            return kind;
        }
    }
    return std::nullopt;
}

} // namespace finplan
