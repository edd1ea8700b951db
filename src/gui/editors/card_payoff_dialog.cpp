#include "gui/editors/card_payoff_dialog.h"

#include "editing/event_editor.h"

namespace finplan::gui {

CardPayoffDialog::CardPayoffDialog(UserDialogs& dialogs, QWidget* parent)
    : FormDialog(editorForm(EditorKind::CreditCard), parent)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("cardPayoffDialog"));
    setHelpDialog("cardpayoff");
    for (const std::string& key : cardCalculatorDisabledFields()) {
        keepDisabled(key);
    }
}

void CardPayoffDialog::okPressed() {
    if (calculate()) {
        accept();
    }
}

void CardPayoffDialog::buttonPressed(const std::string& key) {
    if (key == "calculate") {
        calculate();
    }
}

bool CardPayoffDialog::calculate() {
    const CalcResult result = calculateCardPayoffFields(texts());
    if (result.refusal) {
        showRefusal(*result.refusal, m_dialogs);
        focusField(result.refusal->field);
        return false;
    }
    showOutputs(result.outputs);
    return true;
}

} // namespace finplan::gui
