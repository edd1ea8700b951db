#include "app/planner.h"
#include "cli_cases.h"
#include "model/scenario_image.h"
#include "model/text_field.h"
#include "platform/clock.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace finplan::test {
namespace {

class AccountEditCommand : public ::testing::Test {
protected:
    void SetUp() override {
        Scenario plan =
            makeScenario(test::textBlock("cli/account_edit_command_scenarios.txt", "scenario"));
        plan.accounts.nextAccountId = 1;
        writeAll(m_dir / "plan.RET", encodeScenarioImage(plan));
        std::string fifty;
        for (int i = 0; i < 50; ++i) {
            fifty += "account name=A" + std::to_string(i) + "\n";
        }
        writeAll(m_dir / "fifty.RET", encodeScenarioImage(makeScenario(fifty)));
    }

    Scenario read(const std::string& name) {
        ScriptedDialogs dialogs;
        FixedClock clock({2026, 1, 1, 0, 0, 0});
        Planner planner(m_dir.path(), dialogs, clock);
        EXPECT_TRUE(planner.load((m_dir / name).string()));
        return planner.scenario();
    }

    TempDir m_dir;
};

TEST_F(AccountEditCommand, AddsEditsDeletesAndRefuses) {
    runCliCases("cli/account_runs.txt", "edited", m_dir.path());
    const Scenario added = read("added.RET");
    ASSERT_EQ(added.accounts.accountCount, 4);
    const AccountRecord& a = added.accounts.accounts[3];
    EXPECT_EQ(fieldText(a.name), "Brokerage");
    EXPECT_EQ(a.kind, 3);
    EXPECT_EQ(a.group, 3);
    EXPECT_EQ(a.penaltyApplies, 1);
    EXPECT_EQ(added.slots.penaltyAge[a.slot], 59.0f);
    EXPECT_EQ(added.accounts.nextAccountId, 3);
    const Scenario edited = read("edited.RET");
    EXPECT_EQ(edited.accounts.accounts[2].kind, 2);
    EXPECT_EQ(edited.accounts.accounts[2].balance, 9500.0f);
    const Scenario deleted = read("deleted.RET");
    ASSERT_EQ(deleted.accounts.accountCount, 2);
    EXPECT_EQ(fieldText(deleted.accounts.accounts[1].name), "IRA");
    EXPECT_EQ(fieldText(deleted.accounts.accounts[2].name), "");
    runCliCases("cli/account_runs.txt", "refused", m_dir.path());
}

} // namespace
} // namespace finplan::test
