#pragma once

#include "gui/editors/form_dialog.h"

namespace finplan {
class EventEditor;
}

namespace finplan::gui {

// "Account Rate", opened from Fundamentals for one account: its name and current rate. OK
// checks the rate and leaves it with the Fundamentals editor until that editor's OK.
class AccountRateDialog : public FormDialog {
    Q_OBJECT
public:
    AccountRateDialog(EventEditor& editor, int accountId, QWidget* parent = nullptr);

protected:
    void okPressed() override;

private:
    EventEditor& m_editor;
    int m_accountId;
};

} // namespace finplan::gui
