#include "gui/editors/account_editor_dialog.h"

#include "editing/account_editor.h"

#include <QComboBox>

namespace finplan::gui {

AccountEditorDialog::AccountEditorDialog(AccountEditor& editor, QWidget* parent)
    : FormDialog(accountEditorForm(), parent)
    , m_editor(editor) {
    for (const char* key : {"select-account-type", "assign-group-to-account"}) {
        setChoices(key, editor.choices(key));
    }
    // The effective-rate calculator is not part of this dialog yet.
    keepDisabled("calculate-effective-yearly-rate");
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

void AccountEditorDialog::updateEnabled() {
    setDisabledFields(m_editor.disabledFields(texts()));
}

} // namespace finplan::gui
