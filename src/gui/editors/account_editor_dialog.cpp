#include "gui/editors/account_editor_dialog.h"

#include "editing/account_editor.h"
#include "gui/editors/calculator_tools.h"

#include <QComboBox>

namespace finplan::gui {

AccountEditorDialog::AccountEditorDialog(AccountEditor& editor, QWidget* parent,
                                         CalculatorTools* tools)
    : FormDialog(accountEditorForm(), parent)
    , m_editor(editor)
    , m_tools(tools) {
    for (const char* key : {"select-account-type", "assign-group-to-account"}) {
        setChoices(key, editor.choices(key));
    }
    if (m_tools == nullptr) {
        keepDisabled("calculate-effective-yearly-rate");
    }
    showTexts(editor.texts());
    // A kind chosen enables or disables the penalty controls at once.
    if (auto* kinds = qobject_cast<QComboBox*>(field("select-account-type"))) {
        connect(kinds, &QComboBox::currentIndexChanged, this, [this] { updateEnabled(); });
    }
    updateEnabled();
    focusField("initial-amount");
}

void AccountEditorDialog::okPressed() {
    const CalcResult result = m_editor.ok(texts());
    if (result.accepted() && m_editor.closed()) {
        accept();
    } else if (result.refusal) {
        focusField(result.refusal->field);
    }
}

void AccountEditorDialog::reject() {
    if (!m_editor.closed()) {
        m_editor.cancel();
    }
    FormDialog::reject();
}

void AccountEditorDialog::boxClicked(const std::string& /*key*/) {
    updateEnabled();
}

void AccountEditorDialog::buttonPressed(const std::string& key) {
    if (m_tools != nullptr && key == "calculate-effective-yearly-rate") {
        m_tools->effectiveRate(
            [this](const std::string& rate) {
                showTexts({{"effective-yearly-rate", rate}});
            },
            *this);
    }
}

void AccountEditorDialog::updateEnabled() {
    setDisabledFields(m_editor.disabledFields(texts()));
}

} // namespace finplan::gui
