#include "gui/editors/event_editor_dialog.h"

#include "editing/event_editor.h"
#include "gui/editors/account_rate_dialog.h"
#include "gui/editors/calculator_tools.h"

#include <QComboBox>

namespace finplan::gui {

EventEditorDialog::EventEditorDialog(EventEditor& editor, DialogRunner runDialog, QWidget* parent,
                                     CalculatorTools* tools)
    : FormDialog(editor.form(), parent)
    , m_editor(editor)
    , m_runDialog(std::move(runDialog))
    , m_tools(tools) {
    if (m_tools == nullptr) {
        for (const char* key : {"schedule", "refinance", "accelerated"}) {
            keepDisabled(key);
        }
    }
    for (const FormField& spec : form().fields) {
        if (spec.kind == FieldKind::AccountPicker ||
            spec.kind == FieldKind::AccountPickerWithNone) {
            setChoices(spec.key, editor.choices(spec.key));
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
    } else if (m_tools != nullptr && key == "schedule") {
        showSchedule();
    } else if (m_tools != nullptr && key == "refinance") {
        refinance();
    } else if (m_tools != nullptr && key == "accelerated") {
        accelerated();
    }
}

// The schedule of the mortgage as the fields give it; nothing is stored.
void EventEditorDialog::showSchedule() {
    const CalcResult result = m_editor.calculate(texts());
    showOutputs(result.outputs);
    if (result.refusal) {
        focusField(result.refusal->field);
        return;
    }
    const Scenario& scenario = m_editor.scenario();
    m_tools->showSchedule(scenario.events[static_cast<std::size_t>(m_editor.eventIndex())],
                          scenario.header.startAge, *this);
}

// A refinance that created the refinanced mortgage closes the editor as if cancelled; the new
// scenario is applied once the editor has put the old one back.
void EventEditorDialog::refinance() {
    m_replacement = m_tools->refinance(m_editor.scenario(), m_editor.eventIndex(), *this);
    if (m_replacement) {
        reject();
    }
}

void EventEditorDialog::accelerated() {
    if (const auto refused =
            m_tools->accelerated(texts(), m_editor.scenario().header.startAge, *this)) {
        focusField(*refused);
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
    AccountRateDialog dialog(m_editor, accountId, this, m_tools);
    m_runDialog(dialog);
}

void EventEditorDialog::updateEnabled() {
    setDisabledFields(m_editor.disabledFields(texts()));
}

} // namespace finplan::gui
