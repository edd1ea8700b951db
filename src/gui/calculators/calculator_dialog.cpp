#include "gui/calculators/calculator_dialog.h"

#include <QPushButton>

namespace finplan::gui {

CalculatorDialog::CalculatorDialog(const EditorForm& form, Calculation calculation,
                                   FieldTexts& kept, UserDialogs& dialogs, QWidget* parent)
    : FormDialog(form, parent)
    , m_calculation(std::move(calculation))
    , m_kept(kept)
    , m_dialogs(dialogs) {
    showTexts(kept);
}

CalculatorDialog::~CalculatorDialog() {
    m_kept = texts();
}

void CalculatorDialog::onButton(const std::string& key, std::function<void()> action) {
    m_actions[key] = std::move(action);
}

void CalculatorDialog::showOutputAs(const std::string& key, const std::string& field) {
    m_outputFields[key] = field;
}

void CalculatorDialog::hideStandardButton(const char* name) {
    if (auto* button = findChild<QPushButton*>(QString::fromLatin1(name))) {
        button->hide();
    }
}

bool CalculatorDialog::calculate() {
    CalcResult result = m_calculation(texts());
    if (result.refusal) {
        showRefusal(*result.refusal, m_dialogs);
        focusField(result.refusal->field);
        return false;
    }
    for (OutputField& output : result.outputs) {
        if (const auto renamed = m_outputFields.find(output.key); renamed != m_outputFields.end()) {
            output.key = renamed->second;
        }
    }
    showOutputs(result.outputs);
    return true;
}

void CalculatorDialog::okPressed() {
    if (!m_calculateOnOk || calculate()) {
        accept();
    }
}

void CalculatorDialog::buttonPressed(const std::string& key) {
    if (key == "calculate") {
        calculate();
    } else if (const auto found = m_actions.find(key); found != m_actions.end()) {
        found->second();
    }
}

} // namespace finplan::gui
