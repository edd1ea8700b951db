#include "gui/editors/account_rate_dialog.h"

#include "editing/event_editor.h"

namespace finplan::gui {

AccountRateDialog::AccountRateDialog(EventEditor& editor, int accountId, QWidget* parent)
    : FormDialog(editorForm(EditorKind::AccountRate), parent)
    , m_editor(editor)
    , m_accountId(accountId) {
    // The effective-rate calculator arrives with the calculators.
    keepDisabled("calculate-effective-yearly-rate");
    showTexts(editor.accountRateTexts(accountId));
}

void AccountRateDialog::okPressed() {
    const CalcResult result = m_editor.setAccountRate(m_accountId, texts());
    if (result.accepted()) {
        accept();
    } else {
        focusField(result.refusal->field);
    }
}

} // namespace finplan::gui
