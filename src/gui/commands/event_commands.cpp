#include "gui/commands/event_commands.h"

#include "app/planner.h"
#include "editing/edit_session.h"
#include "editing/editor_kind.h"
#include "editing/event_editor.h"
#include "gui/commands/command_dispatcher.h"
#include "gui/commands/window_frame.h"
#include "gui/editors/add_event_dialog.h"
#include "gui/editors/card_payoff_dialog.h"
#include "gui/editors/event_editor_dialog.h"
#include "gui/shell/command_ids.h"

#include <QScreen>
#include <QWidget>

#include <array>
#include <optional>
#include <utility>

namespace finplan::gui {

namespace {

// The Add Event menu items and buttons, and the editor each opens on a new event.
constexpr std::array<std::pair<int, EditorKind>, 7> kNewEventCommands = {{
    {command::Withdrawal, EditorKind::Withdrawal},
    {command::Deposit, EditorKind::Deposit},
    {command::Loan, EditorKind::Loan},
    {command::Mortgage, EditorKind::Mortgage},
    {command::Transfer, EditorKind::Transfer},
    {command::Fundamentals, EditorKind::Fundamentals},
    {command::CreditCardDebt, EditorKind::CreditCard},
}};

std::optional<EditorKind> newEventKind(int commandId) {
    for (const auto& [id, kind] : kNewEventCommands) {
        if (id == commandId) {
            return kind;
        }
    }
    return std::nullopt;
}

} // namespace

EventCommands::EventCommands(Planner& planner, UserDialogs& dialogs, WindowFrame& frame)
    : m_planner(planner)
    , m_dialogs(dialogs)
    , m_frame(frame) {}

void EventCommands::registerWith(CommandDispatcher& dispatcher) {
    m_dispatcher = &dispatcher;
    dispatcher.add(command::InitialValues, [this] { runEditor(m_planner.editInitialValues()); });
    dispatcher.add(command::AddEventChooser, [this] { showAddEvent(); });
    for (const auto& [id, kind] : kNewEventCommands) {
        dispatcher.add(id, [this, kind] { newEvent(kind); });
    }
    dispatcher.add(command::CreditCardPayoff, [this] { cardPayoff(); });
}

void EventCommands::addEvent() {
    if (!m_frame.anyDialogOpen()) {
        showAddEvent();
    }
}

void EventCommands::editLine(int line) {
    if (m_frame.anyDialogOpen()) {
        return;
    }
    if (const auto command = optionsCommandForLine(line); command && m_dispatcher != nullptr) {
        m_dispatcher->dispatch(*command);
        return;
    }
    runEditor(m_planner.editListLine(line));
}

// Budget withdrawals, the asset allocation option and RMD distributions are edited in the
// option windows their menu commands open.
std::optional<int> EventCommands::optionsCommandForLine(int line) const {
    if (line == 0) {
        return std::nullopt;
    }
    const Scenario& scenario = m_planner.scenario();
    const int index = m_planner.eventForLine(line);
    switch (listEditorForEvent(scenario, index).value_or(EditorKind::Withdrawal)) {
    case EditorKind::Budget:
        if (const auto budget = budgetOfEvent(scenario, index)) {
            return command::Budget1 + *budget - 1;
        }
        return std::nullopt;
    case EditorKind::AssetAllocation:
        return command::AssetAllocationOptions;
    case EditorKind::Rmd:
        return command::RmdOptions;
    default:
        return std::nullopt;
    }
}

void EventCommands::copyLine(int line) {
    if (!m_frame.anyDialogOpen()) {
        runEditor(m_planner.copyListLine(line));
    }
}

void EventCommands::deleteLine(int line) {
    if (!m_frame.anyDialogOpen() && m_planner.deleteListLine(line)) {
        m_frame.refreshViews(std::nullopt);
    }
}

void EventCommands::editEvent(int index) {
    if (!m_frame.anyDialogOpen()) {
        runEditor(m_planner.editEvent(index));
    }
}

void EventCommands::showAddEvent() {
    if (m_addEvent) {
        m_addEvent->show();
        m_addEvent->raise();
        m_addEvent->activateWindow();
        return;
    }
    QWidget& frame = m_frame.frameWidget();
    auto* dialog = new AddEventDialog(&frame);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &AddEventDialog::editorRequested, dialog, [this](int id) {
        if (const auto kind = newEventKind(id)) {
            newEvent(*kind);
        }
    });
    const QScreen* screen = frame.screen();
    dialog->placeBeside(frame.frameGeometry(),
                        screen != nullptr ? screen->availableGeometry() : frame.frameGeometry());
    m_addEvent = dialog;
    m_frame.addModelessWindow(dialog);
    dialog->show();
}

void EventCommands::newEvent(EditorKind kind) {
    runEditor(m_planner.addEvent(kind));
}

void EventCommands::newMortgageWith(const FieldTexts& fields) {
    runEditor(m_planner.addEvent(EditorKind::Mortgage), fields);
}

bool EventCommands::runEditor(std::unique_ptr<EventEditor> editor, const FieldTexts& filled) {
    if (!editor) {
        return false;
    }
    std::optional<Scenario> replacement;
    {
        EventEditorDialog dialog(*editor, m_runDialog, &m_frame.frameWidget(), m_tools);
        dialog.showTexts(filled);
        m_runDialog(dialog);
        // A runner that left the dialog open closes it without OK.
        if (!editor->closed()) {
            dialog.reject();
        }
        replacement = dialog.replacement();
    }
    bool changed = editor->session().committed();
    editor.reset();
    if (replacement) {
        applyReplacement(*replacement);
        changed = true;
    }
    if (changed) {
        m_frame.refreshViews(std::nullopt);
    }
    return changed;
}

void EventCommands::applyReplacement(const Scenario& replacement) {
    EditSession session(m_planner.scenario());
    session.scenario() = replacement;
    session.commit("Refinance");
}

void EventCommands::cardPayoff() {
    CardPayoffDialog dialog(m_dialogs, &m_frame.frameWidget());
    dialog.showTexts(m_cardPayoffTexts);
    m_runDialog(dialog);
    m_cardPayoffTexts = dialog.texts();
}

} // namespace finplan::gui
