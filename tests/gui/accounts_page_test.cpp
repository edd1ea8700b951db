#include "gui/shell/accounts_page.h"
#include "gui/shell/scenario_page.h"
#include "gui/shell/text_list_model.h"
#include "gui_fixture.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>

namespace finplan::test {
namespace {

class AccountsPageTest : public GuiTest {
protected:
    void showPage(CommandLineSwitches switches = {}) {
        openSample(switches);
        page = chooseFolder<gui::AccountsPage>(1);
        ASSERT_NE(page, nullptr);
        view = page->findChild<QTreeView*>(QStringLiteral("accountList"));
        ASSERT_NE(view, nullptr);
    }

    std::vector<std::string> column(int index) const {
        std::vector<std::string> texts;
        for (int row = 0; row < page->model()->rowCount(); ++row) {
            texts.push_back(page->model()->index(row, index).data().toString().toStdString());
        }
        return texts;
    }

    void clickHeader(int section) {
        Q_EMIT view->header()->sectionClicked(section);
        settle();
    }

    QCheckBox* withdrawalOrder() const {
        return page->findChild<QCheckBox*>(QStringLiteral("withdrawalOrderBox"));
    }

    gui::AccountsPage* page = nullptr;
    QTreeView* view = nullptr;
};

TEST_F(AccountsPageTest, ListsEveryAccountInItsFormatsSortedByName) {
    showPage();
    QAbstractItemModelTester tester(page->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    QStringList headers;
    for (int section = 0; section < page->model()->columnCount(); ++section) {
        headers << page->model()->headerData(section, Qt::Horizontal).toString();
    }
    EXPECT_EQ(headers.join(u'|'), QStringLiteral("Account|Group|P|Account Type|Rate|Amount|Order|"
                                                 "Penalty Age|Penalty Rate|Min Random Rate|"
                                                 "Max Random Rate"));
    EXPECT_EQ(column(0), (std::vector<std::string>{"Brokerage Account", "Car", "Employer 401(k)",
                                                   "Family Home", "Roth IRA", "Traditional IRA"}));
    std::vector<std::string> ira;
    for (int c = 0; c < 11; ++c) {
        ira.push_back(page->model()->index(5, c).data().toString().toStdString());
    }
    EXPECT_EQ(ira, (std::vector<std::string>{"Traditional IRA", "Stock Funds", "x",
                                             std::string(accountKindLabel(3)), "   7.000",
                                             "    210000.00", "3", " 59.00", "  10.000", "  -8.000",
                                             "  20.000"}));
    // Without the penalty the penalty columns stay blank.
    EXPECT_EQ(page->model()->index(2, 2).data().toString(), QStringLiteral(" "));
    EXPECT_EQ(page->model()->index(2, 7).data().toString(), QStringLiteral(" "));
    EXPECT_EQ(page->model()->index(1, 4).data().toString(), QStringLiteral(" -15.000"));

    EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("accountCountLabel"))->text(),
              QStringLiteral(" 6"));
    EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("accountTotalLabel"))->text(),
              QStringLiteral("$612,000.00"));
}

TEST_F(AccountsPageTest, TheIdonSwitchAddsTheIdColumn) {
    CommandLineSwitches switches;
    switches.idOn = true;
    showPage(switches);
    ASSERT_EQ(page->model()->columnCount(), 12);
    EXPECT_EQ(page->model()->headerData(11, Qt::Horizontal).toString(), QStringLiteral("ID"));
    EXPECT_EQ(page->model()->index(0, 11).data().toString(), QStringLiteral("    0"));
    EXPECT_EQ(page->model()->index(1, 11).data().toString(), QStringLiteral("    5"));
    EXPECT_EQ(view->columnWidth(11), 50);
}

TEST_F(AccountsPageTest, HeaderClicksFlipTheirOrderAndOnlyOrderChecksTheBox) {
    showPage();
    QAbstractItemModelTester tester(page->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    // Amounts start descending, so the first click sorts them ascending.
    clickHeader(5);
    EXPECT_EQ(column(0).front(), "Car");
    EXPECT_EQ(column(0).back(), "Traditional IRA");
    clickHeader(5);
    EXPECT_EQ(column(0).front(), "Traditional IRA");
    EXPECT_FALSE(withdrawalOrder()->isChecked());

    clickHeader(6);
    EXPECT_TRUE(withdrawalOrder()->isChecked());
    // Texts compare as bytes: a blank order comes before the digits.
    EXPECT_EQ(column(6), (std::vector<std::string>{" ", " ", "1", "2", "3", "4"}));
    clickHeader(0);
    EXPECT_FALSE(withdrawalOrder()->isChecked());
    // Name was ascending; its click makes it descending.
    EXPECT_EQ(column(0).front(), "Traditional IRA");

    // Columns past Order do not sort.
    const auto before = column(0);
    clickHeader(9);
    EXPECT_EQ(column(0), before);
}

TEST_F(AccountsPageTest, WithdrawalOrderBoxSortsByOrderOrByName) {
    showPage();
    withdrawalOrder()->click();
    EXPECT_EQ(column(6), (std::vector<std::string>{" ", " ", "1", "2", "3", "4"}));
    EXPECT_EQ(column(0),
              (std::vector<std::string>{"Car", "Family Home", "Brokerage Account",
                                        "Employer 401(k)", "Traditional IRA", "Roth IRA"}));
    // The sort stays for the next time the page opens.
    page = chooseFolder<gui::AccountsPage>(1);
    chooseFolder<QWidget>(2);
    page = chooseFolder<gui::AccountsPage>(1);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(withdrawalOrder()->isChecked());
    withdrawalOrder()->click();
    EXPECT_EQ(column(0).front(), "Brokerage Account");
    EXPECT_EQ(column(0)[1], "Car");
}

TEST_F(AccountsPageTest, ColumnsTakeTheirShareOfTheWidth) {
    showPage();
    window->resize(1200, 700);
    settle();
    const int width = view->viewport()->width();
    EXPECT_EQ(view->columnWidth(0), 106 * width / 540);
    EXPECT_EQ(view->columnWidth(2), 20 * width / 540);
    EXPECT_EQ(view->columnWidth(6), 42 * width / 540);
    EXPECT_GT(view->columnWidth(9),
              view->fontMetrics().horizontalAdvance(QStringLiteral("Min Random Rate")));
}

TEST_F(SampleWindowTest, TheScenarioPageListsTheDescription) {
    auto* page = chooseFolder<gui::ScenarioPage>(2);
    ASSERT_NE(page, nullptr);
    QAbstractItemModelTester tester(page->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    const std::vector<std::string> expected = planner.scenarioList();
    ASSERT_EQ(page->model()->rowCount(), static_cast<int>(expected.size()));
    for (int row = 0; row < page->model()->rowCount(); ++row) {
        EXPECT_EQ(page->model()->index(row, 0).data().toString().toStdString(),
                  expected[static_cast<std::size_t>(row)]);
    }
    EXPECT_TRUE(expected.front().find("Initial Rates") != std::string::npos);
}

} // namespace
} // namespace finplan::test
