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

void click(QDialog& dialog, const char* key) {
    auto* button = control<QAbstractButton>(dialog, key);
    ASSERT_NE(button, nullptr);
    button->click();
}

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
        click(dialog, "enter");
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title, "AMOUNT ERROR");
        EXPECT_EQ(dialog.itemModel()->rowCount(), 0);
        type(dialog, "amount", "10");
        click(dialog, "enter");
        EXPECT_EQ(dialog.itemModel()->rowCount(), 1);
        click(dialog, "cancelButton");
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(encodeScenarioImage(scenario), encodeScenarioImage(before));
}

TEST(OptionDialogs, GroupsRmdAndPreferences) {
    Scenario scenario = household();
    ScriptedDialogs dialogs;
    {
        auto groups = openGroupsEditor(scenario, dialogs);
        gui::OptionDialog dialog(*groups, {});
        dialog.show();
        type(dialog, "group-name-1", "Wild");
        type(dialog, "random-minimum-rate-1", "-150");
        type(dialog, "random-maximum-rate-1", "20");
        click(dialog, "okButton");
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, "The rate must be between -50.00% and 100.00%.");
        EXPECT_TRUE(dialog.isVisible());
        type(dialog, "random-minimum-rate-1", "-50");
        click(dialog, "okButton");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(scenario.groups.groupRandomMin[0], -50.0f);
    }
    {
        auto rmd = openRmdOptionsEditor(scenario, dialogs);
        std::vector<std::string> pressed;
        gui::OptionDialog dialog(*rmd, [&pressed](gui::OptionDialog&, const std::string& key) {
            pressed.push_back(key);
        });
        dialog.show();
        EXPECT_TRUE(
            dialog.findChild<QCheckBox*>(QStringLiteral("account-order-withdrawal"))->isChecked());
        click(dialog, "equal-asset-allocation-withdrawal");
        EXPECT_FALSE(
            dialog.findChild<QCheckBox*>(QStringLiteral("account-order-withdrawal"))->isChecked());
        click(dialog, "edit-table-2-life-expectancy-values");
        EXPECT_EQ(pressed, std::vector<std::string>{"edit-table-2-life-expectancy-values"});
        click(dialog, "okButton");
        EXPECT_EQ(scenario.accounts.rmdDistribution, 2);
    }
    {
        auto prefs = openPreferencesEditor(scenario, dialogs);
        gui::OptionDialog dialog(*prefs, {});
        dialog.show();
        auto* folderFonts =
            dialog.findChild<QPushButton*>(QStringLiteral("select-scenario-results-folder-fonts"));
        ASSERT_NE(folderFonts, nullptr);
        // A new scenario uses the default fonts: nothing to choose until the box is cleared.
        EXPECT_FALSE(folderFonts->isEnabled());
        click(dialog, "use-default-fonts");
        EXPECT_TRUE(folderFonts->isEnabled());
        click(dialog, "okButton");
        EXPECT_EQ(scenario.prefs.useDefaultFonts, 0);
        EXPECT_EQ(scenario.prefs.scheduleDefaultFonts, 0);
    }
}

class BudgetCommands : public GuiTest {};

// A life table confirmed from the RMD options stays when the options are cancelled.
TEST_F(BudgetCommands, LifeTableKeptWhenRmdOptionsAreCancelled) {
    openSample();
    std::vector<std::string> opened;
    window->commands().options().setDialogRunner([&opened](QDialog& dialog) {
        opened.push_back(dialog.objectName().toStdString());
        dialog.show();
        if (opened.back() == "mrwDialog") {
            click(dialog, "equal-asset-allocation-withdrawal");
            click(dialog, "edit-table-1-life-expectancy-values");
            click(dialog, "cancelButton");
        } else if (opened.back() == "mrdtableDialog") {
            type(dialog, "value-1", "30.5");
            click(dialog, "okButton");
        }
    });
    const int distribution = planner.scenario().accounts.rmdDistribution;
    window->handleCommand(gui::command::RmdOptions);
    EXPECT_EQ(opened, (std::vector<std::string>{"mrwDialog", "mrdtableDialog"}));
    EXPECT_EQ(planner.scenario().slots.lifeTable1[0], 30.5f);
    EXPECT_EQ(planner.scenario().accounts.rmdDistribution, distribution);
    EXPECT_TRUE(planner.scenario().modified);
}

TEST_F(BudgetCommands, BudgetsMenuNamesChecksAndCommands) {
    openSample();
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
    bool opened = false;
    window->commands().options().setDialogRunner([&opened](QDialog& dialog) {
        opened = dialog.objectName() == QStringLiteral("budgetDialog");
        dialog.reject();
    });
    window->handleCommand(463);
    EXPECT_TRUE(opened);
    EXPECT_EQ(encodeScenarioImage(planner.scenario()), before);
}

} // namespace
} // namespace finplan::test
