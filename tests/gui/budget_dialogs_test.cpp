#include "editing/budget_editor.h"
#include "editing/option_editor.h"
#include "editor_script.h"
#include "gui/commands/command_areas.h"
#include "gui/editors/budget_dialog.h"
#include "gui/editors/option_dialog.h"
#include "gui/shell/command_ids.h"
#include "gui_fixture.h"
#include "model/text_field.h"
#include "support/scenario_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

#include <gtest/gtest.h>

namespace finplan::test {
namespace {

QString cell(const QStandardItemModel& model, int row, int column) {
    return model.item(row, column)->text().trimmed();
}

Scenario household() {
    return makeScenario("header start=62 end=65 tax=15 inflation=4\n"
                        "account name=Cash kind=investment amount=1000000 rate=0");
}

TEST(BudgetDialog, ItemsTypedEnteredAndConfirmed) {
    Scenario scenario = household();
    ScriptedDialogs dialogs;
    TempDir dir;
    BudgetEditor editor(scenario, 1, dir.path(), dialogs);
    gui::BudgetDialog dialog(editor);
    dialog.show();
    play(dialog, readCases("gui/sessions.txt", "budget-items").at(0).inputs, &dialogs);
    const QStandardItemModel& model = *dialog.itemModel();
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(cell(model, 0, 0), QStringLiteral("RENT"));
    EXPECT_EQ(cell(model, 0, 3), QStringLiteral("Inflation"));
    EXPECT_EQ(cell(model, 2, 3), QStringLiteral("Inf.+  2.00"));
    EXPECT_EQ(cell(model, 2, 4), QStringLiteral("1199.88"));
    dialog.itemList()->selectRow(1);
    play(dialog, readCases("gui/sessions.txt", "budget-confirm").at(0).inputs, &dialogs);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(fieldText(scenario.budgets[1].name), "Household");
    ASSERT_EQ(scenario.liveEventCount, 1);
    EXPECT_FLOAT_EQ(scenario.events[0].amount, 26599.88f);
}

TEST(BudgetDialog, RefusalsStayOpenAndCancelRestores) {
    Scenario scenario = household();
    const Scenario before = scenario;
    ScriptedDialogs dialogs;
    TempDir dir;
    {
        BudgetEditor editor(scenario, 0, dir.path(), dialogs);
        gui::BudgetDialog dialog(editor);
        dialog.show();
        type(dialog, "name", "Yacht");
        type(dialog, "amount", "1e9");
        press(dialog, "enter");
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title, "AMOUNT ERROR");
        EXPECT_EQ(dialog.itemModel()->rowCount(), 0);
        type(dialog, "amount", "10");
        press(dialog, "enter");
        EXPECT_EQ(dialog.itemModel()->rowCount(), 1);
        press(dialog, "cancelButton");
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(encodeScenarioImage(scenario), encodeScenarioImage(before));
}

// The groups, RMD options and preferences dialogs as the sessions of sessions.txt fill them in.
TEST(OptionDialogs, GroupsRmdAndPreferences) {
    Scenario scenario = household();
    ScriptedDialogs dialogs;
    std::vector<std::string> pressed;
    const auto fill = [&](std::unique_ptr<OptionEditor> editor, const std::string& session) {
        gui::OptionDialog dialog(*editor, [&pressed](gui::OptionDialog&, const std::string& key) {
            pressed.push_back(key);
        });
        dialog.show();
        play(dialog, readCases("gui/sessions.txt", session).at(0).inputs, &dialogs);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << session;
    };
    fill(openGroupsEditor(scenario, dialogs), "groups-options");
    EXPECT_EQ(scenario.groups.groupRandomMin[0], -50.0f);
    fill(openRmdOptionsEditor(scenario, dialogs), "rmd-options");
    EXPECT_EQ(pressed, std::vector<std::string>{"edit-table-2-life-expectancy-values"});
    EXPECT_EQ(scenario.accounts.rmdDistribution, 2);
    fill(openPreferencesEditor(scenario, dialogs), "preferences");
    EXPECT_EQ(scenario.prefs.useDefaultFonts, 0);
    EXPECT_EQ(scenario.prefs.scheduleDefaultFonts, 0);
}

// A life table confirmed from the RMD options stays when the options are cancelled.
TEST_F(SampleWindowTest, LifeTableKeptWhenRmdOptionsAreCancelled) {
    EditorScript script;
    window->commands().options().setDialogRunner(script.runner());
    scriptSession(script, "gui/sessions.txt", "rmd-cancelled", dialogs);
    const int distribution = planner.scenario().accounts.rmdDistribution;
    window->handleCommand(gui::command::RmdOptions);
    EXPECT_EQ(script.opened, (std::vector<std::string>{"mrwDialog", "mrdtableDialog"}));
    EXPECT_EQ(planner.scenario().slots.lifeTable1[0], 30.5f);
    EXPECT_EQ(planner.scenario().accounts.rmdDistribution, distribution);
    EXPECT_TRUE(planner.scenario().modified);
}

TEST_F(SampleWindowTest, BudgetsMenuNamesChecksAndCommands) {
    QMenu* budgets = window->menuBar()->findChild<QMenu*>(QStringLiteral("BudgetsMenu"));
    ASSERT_NE(budgets, nullptr);
    Q_EMIT budgets->aboutToShow();
    const QList<QAction*> actions = budgets->actions();
    ASSERT_EQ(actions.size(), 5);
    const std::vector<BudgetMenuItem> items = budgetMenuItems(planner.scenario());
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(actions[i]->text(), qs(items[static_cast<std::size_t>(i)].text));
        EXPECT_EQ(actions[i]->isChecked(), items[static_cast<std::size_t>(i)].checked);
        EXPECT_TRUE(actions[i]->isEnabled());
    }
    // Budget 3 opened and closed without OK changes nothing.
    const auto before = encodeScenarioImage(planner.scenario());
    EditorScript script;
    window->commands().options().setDialogRunner(script.runner());
    window->handleCommand(463);
    EXPECT_EQ(script.opened, std::vector<std::string>{"budgetDialog"});
    EXPECT_EQ(encodeScenarioImage(planner.scenario()), before);
}

} // namespace
} // namespace finplan::test
