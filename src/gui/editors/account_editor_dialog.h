#pragma once

#include "gui/editors/form_dialog.h"

namespace finplan {
class AccountEditor;
}

namespace finplan::gui {

class CalculatorTools;

// The Account Information dialog over the core's account editor: a new account, one of the
// table, or one read from a bank file. OK stores it when every field passes, else the first
// refused field takes the focus; Cancel and closing the window put the scenario back.
class AccountEditorDialog : public FormDialog {
    Q_OBJECT
public:
    // `tools` opens the effective-rate calculator for the Effective Yearly Rate field.
    explicit AccountEditorDialog(AccountEditor& editor, QWidget* parent = nullptr,
                                 CalculatorTools* tools = nullptr);

    void reject() override;

protected:
    void okPressed() override;
    void boxClicked(const std::string& key) override;
    void buttonPressed(const std::string& key) override;

private:
    void updateEnabled();

    AccountEditor& m_editor;
    CalculatorTools* m_tools;
};

} // namespace finplan::gui
