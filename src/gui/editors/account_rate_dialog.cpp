#include "gui/editors/account_rate_dialog.h"

#include "editing/event_editor.h"
#include "gui/editors/calculator_tools.h"

namespace finplan::gui {

AccountRateDialog::AccountRateDialog(EventEditor& editor, int accountId, QWidget* parent,
                                     CalculatorTools* tools)
    : FormDialog(editorForm(EditorKind::AccountRate), parent)
    , m_editor(editor)
    , m_accountId(accountId)
    , m_tools(tools) {
    if (m_tools == nullptr) {
        keepDisabled("calculate-effective-yearly-rate");
    }
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

void AccountRateDialog::buttonPressed(const std::string& key) {
    if (m_tools != nullptr && key == "calculate-effective-yearly-rate") {
        m_tools->effectiveRate(
            [this](const std::string& rate) {
                showTexts({{"current-rate", rate}});
            },
            *this);
    }
}

} // namespace finplan::gui
