#pragma once

#include "gui/editors/dialog_runner.h"
#include "gui/editors/form_dialog.h"
#include "model/scenario.h"

#include <optional>

namespace finplan {
class EventEditor;
}

namespace finplan::gui {

class CalculatorTools;

// The dialog of one event editor (Withdrawal, Deposit, Transfer, Fundamentals, Initial Values,
// Loan, Mortgage, Credit Card Debt) over the core's editor: OK stores the event when every
// field passes, else the first refused field takes the focus; Cancel and closing the window
// put the scenario back as it was.
class EventEditorDialog : public FormDialog {
    Q_OBJECT
public:
    // `runDialog` runs the dialogs this one opens (Account Rate); `tools` opens the mortgage's
    // schedule and analyses (without it their buttons stay disabled).
    EventEditorDialog(EventEditor& editor, DialogRunner runDialog, QWidget* parent = nullptr,
                      CalculatorTools* tools = nullptr);

    void reject() override;
    // The scenario a refinance analysis created; the editor closed without OK to make way.
    const std::optional<Scenario>& replacement() const { return m_replacement; }

protected:
    void okPressed() override;
    void boxClicked(const std::string& key) override;
    void buttonPressed(const std::string& key) override;

private:
    void calculate();
    void changeAccountRate();
    void updateEnabled();
    void showSchedule();
    void refinance();
    void accelerated();

    EventEditor& m_editor;
    DialogRunner m_runDialog;
    CalculatorTools* m_tools;
    std::optional<Scenario> m_replacement;
};

} // namespace finplan::gui
