#pragma once

#include "calculators/calculator_session.h"
#include "gui/calculators/calculator_hooks.h"
#include "gui/editors/calculator_tools.h"
#include "gui/editors/dialog_runner.h"

namespace finplan {
class Planner;
class UserDialogs;
} // namespace finplan

namespace finplan::gui {

class CommandDispatcher;
class EventCommands;
class WindowFrame;

// The Tools menu: the calculators, which keep their inputs from one opening to the next, the
// mortgage editor's schedule and analyses, and the platform's own calculator.
class ToolCommands : public CalculatorTools {
public:
    ToolCommands(Planner& planner, UserDialogs& dialogs, WindowFrame& frame, EventCommands& events);
    void registerWith(CommandDispatcher& dispatcher);

    // How the calculators run; QDialog::exec unless set.
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // Where the Print and Graph buttons hand their files.
    CalculatorHooks& hooks() { return m_hooks; }

    void showSchedule(const EventRecord& mortgage, float scenarioStartAge,
                      QWidget& parent) override;
    std::optional<Scenario> refinance(const Scenario& scenario, int index,
                                      QWidget& parent) override;
    std::optional<std::string> accelerated(const FieldTexts& editorFields, float scenarioStartAge,
                                           QWidget& parent) override;
    void effectiveRate(const std::function<void(const std::string&)>& use,
                       QWidget& parent) override;

private:
    void mortgageCalculator();
    void refinanceFromMenu();
    void startAccelerated();
    void runAccelerated(QWidget& parent);
    void inflation();
    void investment();
    void tradeOff();
    void startPlatformCalculator();
    std::optional<Scenario> runRefinance(const Scenario* scenario, int index, QWidget& parent);

    Planner& m_planner;
    UserDialogs& m_dialogs;
    WindowFrame& m_frame;
    EventCommands& m_events;
    DialogRunner m_runDialog = execDialog;
    CalculatorHooks m_hooks;
    CalculatorSession m_session;
};

} // namespace finplan::gui
