#pragma once

#include "gui/editors/dialog_runner.h"
#include "gui/editors/form_dialog.h"

namespace finplan {
class EventEditor;
}

namespace finplan::gui {

// The dialog of one event editor (Withdrawal, Deposit, Transfer, Fundamentals, Initial Values,
// Loan, Mortgage, Credit Card Debt) over the core's editor: OK stores the event when every
// field passes, else the first refused field takes the focus; Cancel and closing the window
// put the scenario back as it was.
class EventEditorDialog : public FormDialog {
    Q_OBJECT
public:
    // `runDialog` runs the dialogs this one opens (Account Rate).
    EventEditorDialog(EventEditor& editor, DialogRunner runDialog, QWidget* parent = nullptr);

    void reject() override;

protected:
    void okPressed() override;
    void boxClicked(const std::string& key) override;
    void buttonPressed(const std::string& key) override;

private:
    void calculate();
    void changeAccountRate();
    void updateEnabled();

    EventEditor& m_editor;
    DialogRunner m_runDialog;
};

} // namespace finplan::gui
