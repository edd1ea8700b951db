#include "app/planner.h"
#include "cli_test_support.h"
#include "model/scenario_image.h"
#include "model/text_field.h"
#include "platform/clock.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace finplan::test {
namespace {

namespace fs = std::filesystem;

std::string dataFile(const std::string& name) {
    const char* source = std::getenv("FINPLAN_SOURCE_DIR");
    return (fs::path(source == nullptr ? "." : source) / "tests/data/accounts" / name).string();
}

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
    const CliRun run = runCliWith(
        {"import-accounts", dataFile("statement.tvi"), path("new.RET"), "--workdir", work()});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "added\t0\tChecking\t1204.33\n"
                       "added\t1\tSavings\t-250.00\n"
                       "added\t2\tBalanced Fund\t15000.00\n"
                       "added\t3\tRoth IRA\t7500.25\n");
    EXPECT_EQ(readText(fs::path(work()) / "tabout.tmp"),
              readText(dataFile("statement.tabout.tmp")));
    EXPECT_EQ(accountsOf(path("new.RET")),
              (std::vector<std::string>{"0 Checking 1204.33", "1 Savings -250.00",
                                        "2 Balanced Fund 15000.00", "3 Roth IRA 7500.25"}));
}

TEST_F(AccountImportCommands, TheFlagOverridesTheFileNamesKind) {
    const CliRun run = runCliWith({"import-accounts", dataFile("statement.csv"), path("c.RET"),
                                   "--workdir", work(), "--tab"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(fs::exists(fs::path(work()) / "tabout.tmp"));
    EXPECT_FALSE(fs::exists(fs::path(work()) / "csvout.tmp"));
    const CliRun comma = runCliWith(
        {"import-accounts", dataFile("statement.csv"), path("d.RET"), "--workdir", work()});
    ASSERT_EQ(comma.code, 0) << comma.err;
    EXPECT_EQ(comma.out, "added\t0\tSmith, John IRA\t2000.00\n"
                         "added\t1\tChecking\t-250.00\n"
                         "added\t2\tJust enough\t-100000000.00\n"
                         "added\t3\tSavings\t300.00\n");
}

TEST_F(AccountImportCommands, UpdateAsksAndWritesOnlyWithYes) {
    const std::vector<std::string> args = {
        "update-accounts", path("three.RET"), dataFile("statement.tvi"),
        path("out.RET"),   "--workdir",       work()};
    const CliRun asked = runCliWith(args);
    EXPECT_EQ(asked.code, 1);
    EXPECT_EQ(asked.out, "");
    EXPECT_EQ(asked.err, "Updating Accounts: Updating 2 out of 3 accounts.\n"
                         "Do you wish to continue? No\n"
                         "finplan-cli: nothing was written (add --yes to answer the questions "
                         "Yes)\n");
    EXPECT_FALSE(fs::exists(path("out.RET")));

    std::vector<std::string> yes = args;
    yes.insert(yes.begin(), "--yes");
    const CliRun run = runCliWith(yes);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "Updating Accounts: Updating 2 out of 3 accounts.\n"
                       "Do you wish to continue? Yes\n"
                       "New Account Found: Account Balanced Fund is not an existing account.\n"
                       "Do you wish to add it? Yes\n"
                       "New Account Found: Account Roth IRA is not an existing account.\n"
                       "Do you wish to add it? Yes\n");
    EXPECT_EQ(run.out, "updated\t0\tChecking\t1204.33\n"
                       "updated\t1\tSavings\t-250.00\n"
                       "added\t3\tBalanced Fund\t15000.00\n"
                       "added\t4\tRoth IRA\t7500.25\n");
    EXPECT_EQ(accountsOf(path("out.RET")),
              (std::vector<std::string>{"3 Balanced Fund 15000.00", "0 Checking 1204.33",
                                        "2 House Equity 250000.00", "4 Roth IRA 7500.25",
                                        "1 Savings -250.00"}));

    yes.push_back("--no-new");
    yes[4] = path("out2.RET");
    const CliRun noNew = runCliWith(yes);
    ASSERT_EQ(noNew.code, 0) << noNew.err;
    EXPECT_EQ(noNew.out, "updated\t0\tChecking\t1204.33\nupdated\t1\tSavings\t-250.00\n");
    EXPECT_EQ(accountsOf(path("out2.RET")).size(), 3u);
}

TEST_F(AccountImportCommands, ExitStatuses) {
    writeText(m_dir / "exists.RET", "old");
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string errStart;
    };
    const std::vector<Case> cases = {
        {{"--yes", "update-accounts", path("three.RET"), dataFile("nomatch.tvi"), path("o.RET"),
          "--workdir", work()},
         4,
         "Possible incorrect file type.: Found 0 accounts in the file " + dataFile("nomatch.tvi") +
             ".\nPlease make sure this is the correct delimited file type.\n"},
        {{"import-accounts", path("missing.tvi"), path("o.RET"), "--workdir", work()},
         2,
         "File Open Error: Cannot open " + path("missing.tvi") + ".\n"},
        {{"import-accounts", m_dir.path().string(), path("o.RET"), "--workdir", work()},
         2,
         "File Open Error: Cannot open " + m_dir.path().string() + ".\n"},
        {{"--yes", "update-accounts", path("missing.RET"), dataFile("statement.tvi"), path("o.RET"),
          "--workdir", work()},
         2,
         ""},
        {{"import-accounts", dataFile("statement.tvi"), path("no/such/dir/o.RET"), "--workdir",
          work()},
         3,
         ""},
        {{"import-accounts", dataFile("statement.tvi"), path("exists.RET"), "--workdir", work()},
         1,
         "FILE WARNING: " + path("exists.RET") + " exists - Overwrite anyway? No\n"},
        {{"import-accounts", dataFile("statement.tvi"), path("o.RET"), "--tab", "--comma"},
         1,
         "finplan-cli: --tab and --comma cannot be combined\n"},
        {{"import-accounts", dataFile("statement.tvi")}, 1, "finplan-cli: import-accounts takes"},
        {{"update-accounts", path("three.RET"), dataFile("statement.tvi"), path("o.RET"),
          "--bogus"},
         1,
         "finplan-cli: unknown option"},
    };
    for (const Case& c : cases) {
        const CliRun run = runCliWith(c.args);
        EXPECT_EQ(run.code, c.code) << c.args[1] << " " << run.err;
        EXPECT_TRUE(run.err.starts_with(c.errStart)) << run.err;
        EXPECT_FALSE(fs::exists(path("o.RET"))) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(readText(m_dir / "exists.RET"), "old");
}

} // namespace
} // namespace finplan::test
