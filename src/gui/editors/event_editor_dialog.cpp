#include "gui/editors/event_editor_dialog.h"

#include "editing/event_editor.h"
#include "gui/editors/account_rate_dialog.h"

#include <QComboBox>

namespace finplan::gui {

namespace {

// The mortgage's schedule and analyses arrive with the calculators.
constexpr std::array<const char*, 3> kMortgageLater = {"schedule", "refinance", "accelerated"};

} // namespace

EventEditorDialog::EventEditorDialog(EventEditor& editor, DialogRunner runDialog, QWidget* parent)
    : FormDialog(editor.form(), parent)
    , m_editor(editor)
    , m_runDialog(std::move(runDialog)) {
    for (const FormField& spec : form().fields) {
        if (spec.kind == FieldKind::AccountPicker ||
            spec.kind == FieldKind::AccountPickerWithNone) {
            setChoices(spec.key, editor.choices(spec.key));
        }
    }
    if (editor.kind() == EditorKind::Mortgage) {
        for (const char* key : kMortgageLater) {
            keepDisabled(key);
        }
    }
    showTexts(editor.texts());
    updateEnabled();
}

void EventEditorDialog::okPressed() {
    const CalcResult result = m_editor.ok(texts());
    showOutputs(result.outputs);
    if (result.accepted() && m_editor.closed()) {
        accept();
    } else if (result.refusal) {
        focusField(result.refusal->field);
    }
}

void EventEditorDialog::reject() {
    if (!m_editor.closed()) {
        m_editor.cancel(texts());
    }
    FormDialog::reject();
}

void EventEditorDialog::boxClicked(const std::string& key) {
    FieldTexts fields = texts();
    m_editor.click(key, fields);
    showTexts(fields);
    updateEnabled();
}

void EventEditorDialog::buttonPressed(const std::string& key) {
    if (key == "calculate") {
        calculate();
    } else if (key == "change-rate") {
        changeAccountRate();
    }
}

void EventEditorDialog::calculate() {
    const CalcResult result = m_editor.calculate(texts());
    showOutputs(result.outputs);
    if (result.refusal) {
        focusField(result.refusal->field);
    }
}

// Fundamentals: the Account Rate dialog of the account the picker shows.
void EventEditorDialog::changeAccountRate() {
    const auto* picker = qobject_cast<QComboBox*>(field("change-account-rate"));
    if (picker == nullptr || picker->currentIndex() < 0) {
        return;
    }
    const int accountId = picker->currentData().toInt();
    if (accountId < 0) {
        return;
    }
    AccountRateDialog dialog(m_editor, accountId, this);
    m_runDialog(dialog);
}

void EventEditorDialog::updateEnabled() {
    setDisabledFields(m_editor.disabledFields(texts()));
}

} // namespace finplan::gui
