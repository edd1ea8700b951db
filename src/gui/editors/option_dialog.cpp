#include "gui/editors/option_dialog.h"

#include "editing/option_editor.h"

namespace finplan::gui {

OptionDialog::OptionDialog(OptionEditor& editor, ButtonHandler onButton, QWidget* parent)
    : FormDialog(editor.form(), parent)
    , m_editor(editor)
    , m_onButton(std::move(onButton)) {
    for (const FormField& spec : form().fields) {
        if (spec.kind == FieldKind::AccountPicker ||
            spec.kind == FieldKind::AccountPickerWithNone) {
            setChoices(spec.key, editor.choices(spec.key));
        }
    }
    showTexts(editor.texts());
    setDisabledFields(editor.disabledFields(editor.texts()));
}

void OptionDialog::okPressed() {
    const CalcResult result = m_editor.ok(texts());
    if (result.accepted() && m_editor.closed()) {
        accept();
    } else if (result.refusal) {
        focusField(result.refusal->field);
    }
}

void OptionDialog::reject() {
    if (!m_editor.closed()) {
        m_editor.cancel();
    }
    FormDialog::reject();
}

void OptionDialog::boxClicked(const std::string& key) {
    FieldTexts fields = texts();
    m_editor.click(key, fields);
    showTexts(fields);
    setDisabledFields(m_editor.disabledFields(fields));
}

void OptionDialog::buttonPressed(const std::string& key) {
    if (m_onButton) {
        m_onButton(*this, key);
    }
}

} // namespace finplan::gui
