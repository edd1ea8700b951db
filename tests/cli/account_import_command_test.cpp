#include "app/planner.h"
#include "cli_cases.h"
#include "cli_test_support.h"
#include "model/scenario_image.h"
#include "model/text_field.h"
#include "platform/clock.h"
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

class AccountImportCommands : public ::testing::Test {
protected:
    void SetUp() override {
        writeAll(m_dir / "three.RET",
                 encodeScenarioImage(makeScenario(
                     "account name=Checking amount=1000\naccount name=Savings amount=500\n"
                     "account name=\"House Equity\" kind=equity amount=250000\n")));
    }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    std::string work() const { return path("work"); }
    void run(const std::string& word) const {
        runCliCases("cli/account_runs.txt", word, m_dir.path());
    }

    // The accounts of a scenario file as "name amount" texts, in table order.
    std::vector<std::string> accountsOf(const std::string& file) {
        ScriptedDialogs dialogs;
        FixedClock clock({2026, 1, 1, 0, 0, 0});
        Planner planner(m_dir.path(), dialogs, clock);
        EXPECT_TRUE(planner.load(file));
        std::vector<std::string> result;
        const AccountTable& table = planner.scenario().accounts;
        for (int i = 0; i < table.usedCount(); ++i) {
            const AccountRecord& a = table.accounts[static_cast<std::size_t>(i)];
            char amount[32];
            std::snprintf(amount, sizeof amount, "%.2f", static_cast<double>(a.initialAmount));
            result.push_back(std::to_string(a.accountId) + " " + std::string(fieldText(a.name)) +
                             " " + amount);
        }
        return result;
    }

    TempDir m_dir;
};

TEST_F(AccountImportCommands, ImportCreatesTheStatementsAccounts) {
    run("import");
    EXPECT_EQ(accountsOf(path("new.RET")),
              (std::vector<std::string>{"0 Checking 1204.33", "1 Savings -250.00",
                                        "2 Balanced Fund 15000.00", "3 Roth IRA 7500.25"}));
}

TEST_F(AccountImportCommands, TheFlagOverridesTheFileNamesKind) {
    run("kind");
    EXPECT_TRUE(fs::exists(fs::path(work()) / "tabout.tmp"));
}

TEST_F(AccountImportCommands, UpdateAsksAndWritesOnlyWithYes) {
    run("update");
    EXPECT_EQ(accountsOf(path("out.RET")),
              (std::vector<std::string>{"3 Balanced Fund 15000.00", "0 Checking 1204.33",
                                        "2 House Equity 250000.00", "4 Roth IRA 7500.25",
                                        "1 Savings -250.00"}));
    EXPECT_EQ(accountsOf(path("out2.RET")).size(), 3u);
}

TEST_F(AccountImportCommands, ExitStatuses) {
    writeText(m_dir / "exists.RET", "old");
    run("status");
    EXPECT_EQ(readText(m_dir / "exists.RET"), "old");
}

} // namespace
} // namespace finplan::test
