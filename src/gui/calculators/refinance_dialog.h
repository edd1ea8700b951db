#pragma once

#include "calculators/refinance_analysis.h"
#include "gui/calculators/calculator_hooks.h"
#include "gui/editors/dialog_runner.h"
#include "gui/editors/form_dialog.h"
#include "model/scenario.h"

#include <filesystem>
#include <optional>

namespace finplan::gui {

// "Refinance Analysis": keeping a mortgage against refinancing it at an age. Opened from the
// mortgage editor it knows the mortgage and can create the refinanced one.
class RefinanceDialog : public FormDialog {
    Q_OBJECT
public:
    struct Setting {
        std::filesystem::path workDir;
        UserDialogs& dialogs;
        const CalculatorHooks& hooks;
        DialogRunner runDialog;
    };
    // The mortgage being edited: the scenario as the editor holds it and its index.
    struct Source {
        const Scenario& scenario;
        int index = 0;
    };

    RefinanceDialog(RefinanceState& state, Setting setting, std::optional<Source> source,
                    QWidget* parent);

    void reject() override;
    // The scenario with the refinanced mortgage, once "Create This Refinance Event" made it.
    const std::optional<Scenario>& created() const { return m_created; }

protected:
    void okPressed() override;
    void buttonPressed(const std::string& key) override;

private:
    void keepFields();
    bool analyze();
    void showDetails();
    void showNetWorthDetails();
    void graph();
    void createEvent();
    void refreshAmount();

    RefinanceState& m_state;
    RefinanceState m_before;
    Setting m_setting;
    std::optional<Source> m_source;
    RefinanceAnalysis m_analysis;
    std::optional<Scenario> m_created;
};

} // namespace finplan::gui
