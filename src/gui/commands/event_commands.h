#pragma once

#include "calculators/calc_fields.h"
#include "gui/commands/event_actions.h"
#include "gui/editors/add_event_dialog.h"
#include "gui/editors/dialog_runner.h"

#include <QPointer>

#include <memory>
#include <optional>

namespace finplan {
class EventEditor;
class Planner;
class UserDialogs;
struct Scenario;
enum class EditorKind;
} // namespace finplan

namespace finplan::gui {

class CommandDispatcher;
class CalculatorTools;
class WindowFrame;

// The scenario's editors: Initial Values, the Add Event menu and window, the credit-card payoff
// calculator, and what the Scenario and Results pages ask of them (edit, copy, delete).
class EventCommands : public EventActions {
public:
    EventCommands(Planner& planner, UserDialogs& dialogs, WindowFrame& frame);
    void registerWith(CommandDispatcher& dispatcher);

    // How the modal editors run; QDialog::exec unless set.
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // The mortgage editor's schedule and analyses.
    void setCalculatorTools(CalculatorTools* tools) { m_tools = tools; }
    // A new mortgage whose editor opens with these fields filled in ("Use this mortgage in
    // plan").
    void newMortgageWith(const FieldTexts& fields);
    // The Add Event window while it is open.
    AddEventDialog* addEventDialog() const { return m_addEvent; }

    void addEvent() override;
    void editLine(int line) override;
    void copyLine(int line) override;
    void deleteLine(int line) override;
    void editEvent(int index) override;

private:
    void showAddEvent();
    // The option window's command that edits the event of a list line, if it is one of those.
    std::optional<int> optionsCommandForLine(int line) const;
    void newEvent(EditorKind kind);
    // Runs the editor's dialog; true when OK changed the scenario (the views are then made
    // anew: an open Results page runs at once, the other pages when they are next shown).
    bool runEditor(std::unique_ptr<EventEditor> editor, const FieldTexts& filled = {});
    // The scenario a refinance analysis made, kept as one change.
    void applyReplacement(const Scenario& replacement);
    void cardPayoff();

    Planner& m_planner;
    UserDialogs& m_dialogs;
    WindowFrame& m_frame;
    // Where the option windows' commands are sent.
    const CommandDispatcher* m_dispatcher = nullptr;
    DialogRunner m_runDialog = execDialog;
    QPointer<AddEventDialog> m_addEvent;
    CalculatorTools* m_tools = nullptr;
    // The calculator's inputs from one opening to the next.
    FieldTexts m_cardPayoffTexts;
};

} // namespace finplan::gui
