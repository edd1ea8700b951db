#pragma once

#include "gui/editors/form_dialog.h"

namespace finplan {
class EventEditor;
}

namespace finplan::gui {

class CalculatorTools;

// "Account Rate", opened from Fundamentals for one account: its name and current rate. OK
// checks the rate and leaves it with the Fundamentals editor until that editor's OK.
class AccountRateDialog : public FormDialog {
    Q_OBJECT
public:
    // `tools` opens the effective-rate calculator, whose answer lands in the rate field.
    AccountRateDialog(EventEditor& editor, int accountId, QWidget* parent = nullptr,
                      CalculatorTools* tools = nullptr);

protected:
    void okPressed() override;
    void buttonPressed(const std::string& key) override;

private:
    EventEditor& m_editor;
    int m_accountId;
    CalculatorTools* m_tools;
};

} // namespace finplan::gui
