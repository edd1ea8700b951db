#pragma once

#include "gui/editors/form_dialog.h"

namespace finplan {
class UserDialogs;
}

namespace finplan::gui {

// The Credit Card Debt Payoff calculator: the card editor's dialog with the company, the ages
// and the account disabled. It works on the numbers alone; the scenario is never touched.
class CardPayoffDialog : public FormDialog {
    Q_OBJECT
public:
    CardPayoffDialog(UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void okPressed() override;
    void buttonPressed(const std::string& key) override;

private:
    bool calculate();

    UserDialogs& m_dialogs;
};

} // namespace finplan::gui
