#include "cli_test_support.h"
#include "model/scenario_image.h"
#include "support/scenario_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace finplan::test {
namespace {

std::string dataFile(const std::string& name) {
    const char* source = std::getenv("FINPLAN_SOURCE_DIR");
    return readText(std::string(source != nullptr ? source : ".") + "/tests/data/budgets/" + name);
}

// The example household written to a scenario file in a fresh directory.
class BudgetCli : public ::testing::Test {
protected:
    void SetUp() override {
        Scenario scenario =
            makeScenario("header start=62 end=65 tax=15 inflation=4\n"
                         "account name=Cash kind=investment amount=1000000 rate=0\n"
                         "account name=Pool kind=investment amount=10 allocation=1\n"
                         "account name=Roth kind=taxfree amount=1000 rmd=1");
        writeAll(m_dir / "plan.RET", encodeScenarioImage(scenario));
    }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    CliRun household(const std::string& out) const {
        return runCliWith({"budget",    path("plan.RET"),
                           "2",         out,
                           "--workdir", m_dir.path().string(),
                           "--item",    "rent;1500;0;mti",
                           "--item",    "Travel;5000;5",
                           "--item",    "Car Insurance;99.99;2;mi",
                           "--item",    "Gifts;1200;0",
                           "--item",    "RENT;1600;0;mti",
                           "--name",    "Household",
                           "--start",   "62",
                           "--end",     "90",
                           "--account", "none",
                           "--activate"});
    }

    TempDir m_dir;
};

TEST_F(BudgetCli, HouseholdExampleRowsFilesAndRun) {
    const CliRun made = household(path("household.RET"));
    ASSERT_EQ(made.code, 0) << made.err;
    EXPECT_EQ(made.err, "");
    EXPECT_EQ(made.out, "Budget 2: Household\n"
                        "Ages: 62 to 90\n"
                        "Account: No Selection\n"
                        "Active: yes\n"
                        "Name\tAmount\tMonthly\tApplied Rate\tYearly\tT\n"
                        "RENT\t      1600.00\tX\tInflation\t     19200.00\tX\n"
                        "Travel\t      5000.00\t \t  5.00\t      5000.00\t \n"
                        "Car Insurance\t        99.99\tX\tInf.+  2.00\t      1199.88\t \n"
                        "Gifts\t      1200.00\t \t  0.00\t      1200.00\t \n"
                        "Yearly Total: 26599.88\n");
    // Reopened the items are sorted; the three files are as the dialog writes them.
    const CliRun copied = runCliWith({"budget", path("household.RET"), "2", "--workdir",
                                      m_dir.path().string(), "--copy", "--sheet", "--report"});
    ASSERT_EQ(copied.code, 0) << copied.err;
    EXPECT_NE(copied.out.find("Name\tAmount\tMonthly\tApplied Rate\tYearly\tT\nCar Insurance\t"),
              std::string::npos);
    EXPECT_EQ(readText(m_dir / "budout.tmp"), dataFile("worked/budout.tmp"));
    EXPECT_EQ(readText(m_dir / "pbudout.tmp"), dataFile("worked/budout.tmp"));
    EXPECT_EQ(readText(m_dir / "rpage1"), dataFile("worked/rpage1"));

    const CliRun run = runCliWith({"run", path("household.RET"), "--workdir", m_dir.path().string(),
                                   "--today", "2026-12-06"});
    ASSERT_EQ(run.code, 0) << run.err;
    for (const char* line :
         {"  Budget - Household - Withdraw $26,599.88\n", "                RENT - $19,200.00\n",
          "  Budget - Household - Withdraw $27,689.87\n", "                RENT - $19,968.00\n",
          "  Budget - Household - Withdraw $28,827.40\n", "                RENT - $20,766.72\n"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    }
}

TEST_F(BudgetCli, PasteIntoAnotherBudgetAndExitStatuses) {
    ASSERT_EQ(household(path("household.RET")).code, 0);
    ASSERT_EQ(runCliWith({"budget", path("household.RET"), "2", "--workdir", m_dir.path().string(),
                          "--copy"})
                  .code,
              0);
    const CliRun pasted =
        runCliWith({"budget", path("household.RET"), "4", path("pasted.RET"), "--paste",
                    path("budout.tmp"), "--delete", "gifts", "--name", "Copy"});
    ASSERT_EQ(pasted.code, 0) << pasted.err;
    EXPECT_EQ(pasted.out.substr(0, pasted.out.find("Name\t")),
              "Budget 4: Copy\nAges: 62 to 90\nAccount: No Selection\nActive: no\n");
    EXPECT_NE(pasted.out.find("Yearly Total: 25399.88\n"), std::string::npos);

    writeText(m_dir / "bad.tmp", dataFile("paste/bad_count_31.tmp"));
    struct Case {
        const char* what;
        std::vector<std::string> args;
        int code;
        std::string err; // the start of the error stream
    };
    const std::string plan = path("plan.RET");
    const std::vector<Case> cases = {
        {"no budget number", {"budget", plan}, 1, "finplan-cli: budget takes"},
        {"budget 6", {"budget", plan, "6"}, 1, "finplan-cli: the budget number is 1 to 5"},
        {"change without OUT",
         {"budget", plan, "1", "--name", "X"},
         1,
         "finplan-cli: budget changes need OUT.RET"},
        {"existing OUT",
         {"budget", plan, "1", plan, "--name", "X"},
         1,
         "finplan-cli: " + plan + " was not overwritten"},
        {"bad item",
         {"budget", plan, "1", path("o1.RET"), "--item", "Food;1"},
         1,
         "finplan-cli: --item takes"},
        {"unknown account",
         {"budget", plan, "1", path("o2.RET"), "--account", "Nope"},
         1,
         "finplan-cli: no account \"Nope\""},
        {"missing scenario", {"budget", path("none.RET"), "1"}, 2, ""},
        {"unreadable paste",
         {"budget", plan, "1", path("o3.RET"), "--paste", path("no.tmp")},
         2,
         "File Open Error: Cannot open the budget input file budout.tmp file.\n"},
        {"invalid paste",
         {"budget", plan, "1", path("o4.RET"), "--paste", path("bad.tmp")},
         4,
         "Budget File Error: The budget input file budout.tmp doesn't seem to be a valid "
         "file.\n"},
        {"huge amount",
         {"budget", plan, "1", path("o5.RET"), "--item", "Yacht;1e9;0"},
         4,
         "AMOUNT ERROR: This amount must be greater than -100000000.00 and less than "
         "100000000.00.\n"},
        {"allocation account",
         {"budget", plan, "1", path("o6.RET"), "--account", "Pool"},
         4,
         "Account Warning: You cannot select an account that is part of an Asset Allocation!\n"},
        {"unwritable OUT", {"budget", plan, "1", path("no/dir/o.RET"), "--name", "X"}, 3, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CliRun run = runCliWith(c.args);
        EXPECT_EQ(run.code, c.code) << run.err;
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err);
        if (c.code == 4) {
            EXPECT_EQ(run.out, "");
        }
    }
    for (const char* name : {"o1.RET", "o2.RET", "o3.RET", "o4.RET", "o5.RET", "o6.RET"}) {
        EXPECT_FALSE(std::filesystem::exists(m_dir / name)) << name;
    }
}

TEST_F(BudgetCli, OptionDialogsAsEditTargets) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        int code;
        std::string out; // a line the output holds, or the start of the error stream
    };
    const std::string plan = path("plan.RET");
    const std::vector<Case> cases = {
        {"groups",
         {"edit", plan, "--dry-run", "--groups", "--set", "group-name-1=Stocks", "--set",
          "random-minimum-rate-1=-5", "--set", "random-maximum-rate-1=20"},
         0,
         "random-minimum-rate-1: -5\n"},
        {"group range refused",
         {"edit", plan, "--dry-run", "--groups", "--set", "group-name-1=Wild", "--set",
          "random-minimum-rate-1=-150", "--set", "random-maximum-rate-1=200"},
         4,
         "Rate Error: The rate must be between -50.00% and 100.00%.\n"},
        {"asset allocation",
         {"edit", plan, "--dry-run", "--asset-allocation", "--set",
          "equal-asset-allocation-withdrawal=on", "--set", "age-to-start-withdrawals=70"},
         0,
         "equal-asset-allocation-withdrawal: on\n"},
        {"rmd penalty refused",
         {"edit", plan, "--dry-run", "--rmd-options", "--set", "penalty-rate=101"},
         4,
         "RATE ERROR: This rate must be greater than 0.00 and less than 100.00.\n"},
        {"rmd target warned, kept",
         {"edit", plan, "--dry-run", "--rmd-options", "--set",
          "transfer-funds-to-this-account=Roth"},
         0,
         "penalty-rate: 50.0\n"},
        {"life table 2",
         {"edit", plan, "--dry-run", "--life-table", "2", "--set", "withdrawal-start-age=70",
          "--set", "value-5=55"},
         0,
         "value-5: 55\n"},
        {"life table 4",
         {"edit", plan, "--dry-run", "--life-table", "4"},
         1,
         "finplan-cli: --life-table takes 1, 2 or 3"},
        {"two targets",
         {"edit", plan, "--dry-run", "--groups", "--rmd-options"},
         1,
         "finplan-cli: edit takes one target"},
        {"unknown field",
         {"edit", plan, "--dry-run", "--groups", "--set", "colour=red"},
         1,
         "finplan-cli: Groups has no field \"colour\""},
        {"missing scenario", {"edit", path("none.RET"), "--dry-run", "--groups"}, 2, ""},
        {"unwritable out", {"edit", plan, "--out", path("no/dir/x.RET"), "--groups"}, 3, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CliRun run = runCliWith(c.args);
        EXPECT_EQ(run.code, c.code) << run.err;
        if (c.code == 0) {
            EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
        } else {
            EXPECT_EQ(run.err.substr(0, c.out.size()), c.out);
        }
    }
    const CliRun warned = runCliWith({"edit", plan, "--dry-run", "--rmd-options", "--set",
                                      "transfer-funds-to-this-account=Roth"});
    EXPECT_EQ(warned.err, "Probable RMD Account Error: You probably cannot transfer RMD funds to "
                          "another Tax Free or Retirement account.\nPlease check the RMD "
                          "regulations.\n");
    const CliRun table = runCliWith({"edit", plan, "--out", path("table.RET"), "--life-table", "2",
                                     "--set", "withdrawal-start-age=70", "--set", "value-5=55"});
    ASSERT_EQ(table.code, 0) << table.err;
    EXPECT_EQ(table.err, "Probable RMD Value Error: The value 55.0 for age 74 seems out of range. "
                         "Please check your Life Expectancy Tables.\n"
                         "Probable RMD Value Error: Possible incorrect value 24.7 at age 73.\n"
                         "Please check the IRS RMD Life Expectancy Tables.\n");
    const CliRun reread = runCliWith({"edit", path("table.RET"), "--dry-run", "--life-table", "2"});
    EXPECT_NE(reread.out.find("value-5: 55.0\n"), std::string::npos) << reread.out;
}

} // namespace
} // namespace finplan::test
