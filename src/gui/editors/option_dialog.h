#pragma once

#include "gui/editors/form_dialog.h"

#include <functional>
#include <string>

namespace finplan {
class OptionEditor;
}

namespace finplan::gui {

// The dialog of one option editor (Groups, Asset Allocation Withdrawal Options, RMD options, a
// life expectancy table, Preferences): OK stores when every field passes, else the refused
// field takes the focus; Cancel and closing the window leave the scenario as it was. What the
// form's other buttons do is the opener's.
class OptionDialog : public FormDialog {
    Q_OBJECT
public:
    using ButtonHandler = std::function<void(OptionDialog&, const std::string&)>;

    OptionDialog(OptionEditor& editor, ButtonHandler onButton, QWidget* parent = nullptr);

    OptionEditor& editor() { return m_editor; }
    void reject() override;

protected:
    void okPressed() override;
    void boxClicked(const std::string& key) override;
    void buttonPressed(const std::string& key) override;

private:
    OptionEditor& m_editor;
    ButtonHandler m_onButton;
};

} // namespace finplan::gui
