#include "editor_script.h"
#include "gui/commands/command_areas.h"
#include "gui/shell/accounts_page.h"
#include "gui/shell/command_ids.h"
#include "gui_fixture.h"
#include "model/text_field.h"
#include "support/scenario_builder.h"

#include <QDialogButtonBox>
#include <QItemSelectionModel>
#include <QRadioButton>
#include <QTreeView>

namespace finplan::test {
namespace {

// Checking (id 0) feeds the Salary deposit; Savings (1) and House Equity (2) no event.
class AccountEditorGuiTest : public GuiTest {
protected:
    void SetUp() override {
        const std::string file = (dir / "plan.RET").string();
        writeAll(file, encodeScenarioImage(makeScenario(
                           "group index=2 name=Stocks\n"
                           "account name=Checking amount=1000\n"
                           "account name=Savings amount=500\n"
                           "account name=\"House Equity\" kind=equity amount=250000\n"
                           "deposit name=Salary start=60 end=65 amount=1000 to=Checking\n")));
        openWindow(file);
        window->commands().accounts().setDialogRunner(script.runner());
        showPage();
    }

    void showPage() {
        page = chooseFolder<gui::AccountsPage>(1);
        ASSERT_NE(page, nullptr);
    }

    void clickButton(const char* name) {
        page->findChild<QPushButton*>(QString::fromLatin1(name))->click();
        settle();
        showPage();
    }

    void selectRow(int row) {
        auto* view = page->findChild<QTreeView*>(QStringLiteral("accountList"));
        view->selectionModel()->select(page->model()->index(row, 0),
                                       QItemSelectionModel::ClearAndSelect |
                                           QItemSelectionModel::Rows);
    }

    std::string nameAt(int index) const {
        return std::string(
            fieldText(planner.scenario().accounts.accounts[static_cast<std::size_t>(index)].name));
    }

    EditorScript script;
    gui::AccountsPage* page = nullptr;
};

TEST_F(AccountEditorGuiTest, AddStoresANewAccountWithItsPenalty) {
    scriptSession(script, "gui/sessions.txt", "add-account", dialogs);
    clickButton("addButton");
    EXPECT_EQ(script.opened, std::vector<std::string>{"accountinfoDialog"});
    const AccountTable& table = planner.scenario().accounts;
    ASSERT_EQ(table.accountCount, 4);
    // The page lists by name: Brokerage first.
    EXPECT_EQ(nameAt(0), "Brokerage");
    EXPECT_EQ(table.accounts[0].initialAmount, 2500.0f);
    EXPECT_EQ(table.accounts[0].kind, 3);
    EXPECT_EQ(table.accounts[0].group, 2);
    EXPECT_EQ(table.accounts[0].penaltyApplies, 1);
    EXPECT_EQ(table.accounts[0].accountId, 3);
    EXPECT_EQ(planner.scenario().slots.penaltyAge[table.accounts[0].slot], 59.0f);
    EXPECT_EQ(page->model()->rowCount(), 4);
    EXPECT_TRUE(planner.scenario().modified);
}

TEST_F(AccountEditorGuiTest, EditRefusesAnAmountOutOfRangeThenStoresAndCancelKeeps) {
    script.on("accountinfoDialog", [&](QDialog& dialog) {
        play(dialog, readCases("gui/sessions.txt", "edit-account").at(0).inputs, &dialogs);
        EXPECT_EQ(planner.scenario().accounts.accounts[2].initialAmount, 500.0f);
        play(dialog, readCases("gui/sessions.txt", "edit-account-again").at(0).inputs);
    });
    selectRow(2); // sorted by name: Checking, House Equity, Savings
    clickButton("editButton");
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(nameAt(2), "Savings");
    EXPECT_EQ(planner.scenario().accounts.accounts[2].initialAmount, 750.25f);

    planner.scenario().modified = false;
    scriptSession(script, "gui/sessions.txt", "cancel-account", dialogs);
    selectRow(0);
    clickButton("editButton");
    EXPECT_EQ(nameAt(0), "Checking");
    EXPECT_FALSE(planner.scenario().modified);
}

TEST_F(AccountEditorGuiTest, DeleteRefusesAnAccountAnEventNeedsAndRemovesAnother) {
    selectRow(0);
    clickButton("deleteButton");
    EXPECT_EQ(dialogs.transcript(),
              "Account Deletion Problem!|This account is required by the Salary event.\n"
              "Cannot delete this account!|Make the necessary changes to your Financial Scenario.");
    EXPECT_EQ(planner.scenario().accounts.accountCount, 3);

    selectRow(2);
    clickButton("deleteButton");
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(planner.scenario().accounts.accountCount, 2);
    EXPECT_EQ(page->model()->rowCount(), 2);
    EXPECT_EQ(nameAt(1), "House Equity");
    EXPECT_TRUE(planner.scenario().resultsStale);
}

TEST_F(AccountEditorGuiTest, ImportConfirmsEachNewAccountInTheDialog) {
    files.answers = {testData("accounts/statement.tvi").string()};
    dialogs.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    scriptSession(script, "gui/sessions.txt", "import", dialogs);
    clickButton("importButton");
    EXPECT_EQ(script.opened,
              (std::vector<std::string>{"updatetab", "accountinfoDialog", "accountinfoDialog"}));
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].title, "Update Accounts From a Tab File");
    EXPECT_EQ(files.requests[0].filters,
              (std::vector<std::string>{"Import Tab Files (*.TVI)", "Text Files (*.TXT)",
                                        "All Files (*.*)"}));
    EXPECT_EQ(files.requests[0].defaultExtension, "tvi");
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].text, "Updating 2 out of 3 accounts.\nDo you wish to continue?");
    const AccountTable& table = planner.scenario().accounts;
    ASSERT_EQ(table.accountCount, 4);
    EXPECT_EQ(nameAt(0), "Balanced Fund A");
    EXPECT_EQ(table.accounts[0].accountId, 3);
    EXPECT_EQ(nameAt(1), "Checking");
    EXPECT_EQ(table.accounts[1].initialAmount, 1204.33f);
    EXPECT_EQ(nameAt(3), "Savings");
    EXPECT_EQ(table.accounts[3].initialAmount, -250.0f);
    EXPECT_TRUE(std::filesystem::exists(dir / "tabout.tmp"));
}

TEST_F(AccountEditorGuiTest, AddAccountCommandAtFiftyAccountsWarns) {
    for (int i = planner.scenario().accounts.accountCount; i < kMaxAccounts; ++i) {
        planner.scenario().accounts.accounts[static_cast<std::size_t>(i)].accountId =
            static_cast<std::uint16_t>(100 + i);
    }
    planner.scenario().accounts.accountCount = kMaxAccounts;
    window->handleCommand(gui::command::AddAccount);
    settle();
    EXPECT_TRUE(script.opened.empty());
    EXPECT_EQ(dialogs.transcript(), "Account Warning|Maximum number of accounts reached!");
}

} // namespace
} // namespace finplan::test
