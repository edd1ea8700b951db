#include "app/planner.h"
#include "cli_cases.h"
#include "cli_test_support.h"
#include "model/scenario_image.h"
#include "model/text_field.h"
#include "platform/clock.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace finplan::test {
namespace {

namespace fs = std::filesystem;

class AccountEditCommand : public ::testing::Test {
protected:
    void SetUp() override {
        Scenario plan =
            makeScenario(test::textBlock("cli/account_edit_command_scenarios.txt", "scenario"));
        plan.accounts.nextAccountId = 1;
        writeAll(m_dir / "plan.RET", encodeScenarioImage(plan));
    }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    CliRun edit(std::vector<std::string> args) {
        args.insert(args.begin(), {"edit", path("plan.RET"), "--out", path("out.RET")});
        return runCliWith(args);
    }

    Scenario read(const std::string& file) {
        ScriptedDialogs dialogs;
        FixedClock clock({2026, 1, 1, 0, 0, 0});
        Planner planner(m_dir.path(), dialogs, clock);
        EXPECT_TRUE(planner.load(file));
        return planner.scenario();
    }

    TempDir m_dir;
};

TEST_F(AccountEditCommand, AddsAnAccountWithTheNextFreeId) {
    const CliRun run = edit({"--new-account", "--set", "account-name=Brokerage", "--set",
                             "initial-amount=2,500.50", "--set", "select-account-type=retirement",
                             "--set", "early-withdrawals-subject-to-penalty=on", "--set",
                             "penalty-age=59.5", "--set", "assign-group-to-account=Stocks"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "added\t2\tBrokerage\t2500.50\n");
    const Scenario s = read(path("out.RET"));
    ASSERT_EQ(s.accounts.accountCount, 4);
    const AccountRecord& a = s.accounts.accounts[3];
    EXPECT_EQ(fieldText(a.name), "Brokerage");
    EXPECT_EQ(a.kind, 3);
    EXPECT_EQ(a.group, 3);
    EXPECT_EQ(a.penaltyApplies, 1);
    EXPECT_EQ(s.slots.penaltyAge[a.slot], 59.0f);
    EXPECT_EQ(s.accounts.nextAccountId, 3);
}

TEST_F(AccountEditCommand, EditsAnAccountByNameOrId) {
    const CliRun run = edit({"--account", "#3", "--set", "select-account-type=investment", "--set",
                             "initial-amount=9500"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "updated\t3\tIRA\t9500.00\n");
    const Scenario s = read(path("out.RET"));
    EXPECT_EQ(s.accounts.accounts[2].kind, 2);
    EXPECT_EQ(s.accounts.accounts[2].balance, 9500.0f);
}

TEST_F(AccountEditCommand, DeletesAnAccountNoEventNeeds) {
    const CliRun run = edit({"--delete-account", "Savings"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "deleted\t1\tSavings\t500.00\n");
    const Scenario s = read(path("out.RET"));
    ASSERT_EQ(s.accounts.accountCount, 2);
    EXPECT_EQ(fieldText(s.accounts.accounts[1].name), "IRA");
    EXPECT_EQ(fieldText(s.accounts.accounts[2].name), "");
}

TEST_F(AccountEditCommand, RefusalsAndMisuse) {
    runCliCases("cli/account_runs.txt", "refused", m_dir.path());
}

TEST_F(AccountEditCommand, FiftyAccountsRefuseANewOne) {
    std::string lines;
    for (int i = 0; i < 50; ++i) {
        lines += "account name=A" + std::to_string(i) + "\n";
    }
    writeAll(m_dir / "plan.RET", encodeScenarioImage(makeScenario(lines)));
    const CliRun run = edit({"--new-account"});
    EXPECT_EQ(run.code, 4);
    EXPECT_EQ(run.err, "Account Warning: Maximum number of accounts reached!\n");
    EXPECT_FALSE(fs::exists(path("out.RET")));
}

} // namespace
} // namespace finplan::test
