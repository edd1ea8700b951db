// Every Help button opens the manual at its own topic: the dialogs find theirs by the name
// their form carries, the pages and calculators by their context numbers.
#include "editing/account_editor.h"
#include "editing/budget_editor.h"
#include "editing/editor_form.h"
#include "editor_script.h"
#include "gui/calculators/calculator_forms.h"
#include "gui/commands/command_areas.h"
#include "gui/commands/event_commands.h"
#include "gui/help/help_window.h"
#include "gui/shell/command_ids.h"
#include "gui_fixture.h"

#include <QTextBrowser>

namespace finplan::test {
namespace {

TEST(HelpButtons, EveryFormsDialogNameHasATopic) {
    std::vector<const EditorForm*> forms = {&accountEditorForm(), &budgetForm()};
    for (int kind = 0; kind <= static_cast<int>(EditorKind::PageSetup); ++kind) {
        if (hasForm(static_cast<EditorKind>(kind))) {
            forms.push_back(&editorForm(static_cast<EditorKind>(kind)));
        }
    }
    for (const auto which : {gui::CalculatorForm::Mortgage, gui::CalculatorForm::Refinance,
                             gui::CalculatorForm::Accelerated, gui::CalculatorForm::Inflation,
                             gui::CalculatorForm::Investment}) {
        forms.push_back(&gui::calculatorForm(which));
    }
    EXPECT_EQ(forms.size(), 16u);
    for (const EditorForm* form : forms) {
        EXPECT_TRUE(gui::helpTopicForDialog(form->dialogName).has_value()) << form->dialogName;
    }
}

class HelpButtonsTest : public GuiTest {
protected:
    void SetUp() override {
        openSample();
        window->commands().events().setDialogRunner(script.runner());
    }
    // The page shown in the help window of `from`'s window; empty when none opened.
    static QString helpShown(QWidget& from) {
        const auto* help = from.window()->findChild<gui::HelpWindow*>(QStringLiteral("helpWindow"));
        return help == nullptr ? QString() : help->browser()->source().toString();
    }
    EditorScript script;
};

TEST_F(HelpButtonsTest, PagesAndEditorsOpenTheirTopics) {
    const struct {
        int folder;
        const char* topic;
    } pages[] = {
        {2, "qrc:/help/events.html#event-list"},
        {1, "qrc:/help/scenario.html#accounts-editor"},
        {3, "qrc:/help/schedule.html#results-views"},
    };
    for (const auto& p : pages) {
        auto* page = chooseFolder<QWidget>(p.folder);
        ASSERT_NE(page, nullptr);
        auto* help = page->findChild<QPushButton*>(QStringLiteral("helpButton"));
        ASSERT_NE(help, nullptr) << p.folder;
        help->click();
        EXPECT_EQ(helpShown(*window), QString::fromLatin1(p.topic));
    }
    const struct {
        int command;
        const char* dialog;
        const char* topic;
    } editors[] = {
        {gui::command::Deposit, "incomeDialog", "qrc:/help/events.html#deposit"},
        {gui::command::CreditCardDebt, "ccardDialog", "qrc:/help/events.html#credit-card"},
        {gui::command::Mortgage, "mortgageDialog", "qrc:/help/events.html#mortgage"},
    };
    for (const auto& e : editors) {
        QString shown;
        script.on(e.dialog, [&](QDialog& dialog) {
            press(dialog, "helpButton");
            shown = helpShown(dialog);
        });
        window->handleCommand(e.command);
        EXPECT_EQ(shown, QString::fromLatin1(e.topic)) << e.dialog;
    }
}

} // namespace
} // namespace finplan::test
