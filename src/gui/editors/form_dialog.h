#pragma once

#include "calculators/calc_fields.h"
#include "editing/editor_form.h"

#include <QDialog>

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QGridLayout;
class QPushButton;

namespace finplan {
struct PickerChoice;
}

namespace finplan::gui {

// A dialog laid out from an editor's form: a label and a widget per field, in the form's order,
// the form's buttons, then OK, Cancel and Help. Widgets are named by the field keys; the
// fields are read and shown as the texts the core works with. What the buttons do is the
// subclass's.
class FormDialog : public QDialog {
    Q_OBJECT
public:
    FormDialog(const EditorForm& form, QWidget* parent);

    // Every field that is read: texts, check boxes ("on" or "") and pickers (the account id,
    // "" when nothing is chosen).
    FieldTexts texts() const;
    // Shows the fields `texts` holds; others stay as they are.
    void showTexts(const FieldTexts& texts);
    void showOutputs(const std::vector<OutputField>& outputs);
    void setChoices(std::string_view key, const std::vector<PickerChoice>& choices);
    // Disables these fields and enables the others, except those kept disabled.
    void setDisabledFields(const std::set<std::string>& keys);
    // A field that stays disabled whatever the editor says (a part not built yet).
    void keepDisabled(std::string_view key);

    QWidget* field(std::string_view key) const;
    // The manual's topic of the Help button, by dialog name: the form's own at first.
    void setHelpDialog(std::string_view dialog);
    // Focus to a field, its text selected, as after a refusal.
    void focusField(std::string_view key);

protected:
    const EditorForm& form() const { return m_form; }
    // OK was pressed; the subclass accepts when the fields pass.
    virtual void okPressed() = 0;
    // A check box was clicked by the user (the box shows its new state).
    virtual void boxClicked(const std::string& key);
    // A button of the form was pressed.
    virtual void buttonPressed(const std::string& key);

private:
    void addField(const FormField& spec, QGridLayout& grid, int row, int column);
    QWidget* makeWidget(const FormField& spec);

    const EditorForm& m_form;
    std::map<std::string, QWidget*, std::less<>> m_fields;
    std::set<std::string, std::less<>> m_keptDisabled;
    QPushButton* m_help = nullptr;
};

} // namespace finplan::gui
