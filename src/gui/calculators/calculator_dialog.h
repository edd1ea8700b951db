#pragma once

#include "gui/editors/form_dialog.h"

#include <functional>
#include <map>
#include <string>

namespace finplan {
class UserDialogs;
}

namespace finplan::gui {

// A calculator over one of the core's calculations: Calculate shows the answer or the refusal
// (its message, then the focus on the field), and the texts are kept in the caller's storage
// when the dialog closes, so it opens with them the next time.
class CalculatorDialog : public FormDialog {
    Q_OBJECT
public:
    using Calculation = std::function<CalcResult(const FieldTexts&)>;

    CalculatorDialog(const EditorForm& form, Calculation calculation, FieldTexts& kept,
                     UserDialogs& dialogs, QWidget* parent);
    ~CalculatorDialog() override;

    // OK calculates first and closes only on an accepted answer (otherwise it just closes).
    void setCalculateOnOk(bool calculateFirst) { m_calculateOnOk = calculateFirst; }
    // A button of the form besides Calculate.
    void onButton(const std::string& key, std::function<void()> action);
    // An answer's key shown in a field of another name (where an input has that name).
    void showOutputAs(const std::string& key, const std::string& field);
    // Hides the standard Cancel or Help button the dialog does not have.
    void hideStandardButton(const char* name);

    // Calculates and shows the answer; false after a refusal.
    bool calculate();

protected:
    void okPressed() override;
    void buttonPressed(const std::string& key) override;

private:
    Calculation m_calculation;
    FieldTexts& m_kept;
    UserDialogs& m_dialogs;
    bool m_calculateOnOk = false;
    std::map<std::string, std::function<void()>> m_actions;
    std::map<std::string, std::string> m_outputFields;
};

} // namespace finplan::gui
