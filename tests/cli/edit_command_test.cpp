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

namespace fs = std::filesystem;

// A small plan on disk: accounts 1 Checking, 2 Car (an asset), 3 IRA (in the asset
// allocation); a salary (event 0) and rent (event 1).
class EditCommand : public ::testing::Test {
protected:
    void SetUp() override {
        writeAll(m_plan, encodeScenarioImage(makeScenario(
                             "header start=55 end=90 tax=20 inflation=3\n"
                             "birthday month=4 day=12 use=0\n"
                             "account name=Checking id=1\n"
                             "account name=Car kind=asset id=2\n"
                             "account name=IRA kind=retirement id=3 allocation=1\n"
                             "deposit name=Salary start=56 end=62 amount=30000 to=Checking\n"
                             "withdrawal name=Rent start=58 end=85 amount=12000 from=Checking\n")));
    }

    CliRun edit(std::vector<std::string> words) const {
        words.insert(words.begin(), {"edit", m_plan.string()});
        return runCliWith(words);
    }
    std::string out() const { return (m_dir / "out.RET").string(); }
    std::vector<std::string> listOf(const std::string& path) const {
        const CliRun run = runCliWith({"list", path});
        EXPECT_EQ(run.code, 0) << run.err;
        std::vector<std::string> lines;
        std::size_t at = 0;
        while (at < run.out.size()) {
            const auto end = run.out.find('\n', at);
            lines.push_back(run.out.substr(at, end - at));
            at = end + 1;
        }
        return lines;
    }

    TempDir m_dir;
    fs::path m_plan = m_dir / "plan.RET";
};

TEST_F(EditCommand, ListPrintsTheDescriptionLines) {
    EXPECT_EQ(listOf(m_plan.string()),
              (std::vector<std::string>{
                  " 55.0 Initial Rates  Tax=20.00% Inflation=3.00%",
                  " 56.0 Salary - Deposit $30,000.00/yr. after taxes to Checking until age 62.00.",
                  " 58.0 Rent - Withdraw $12,000.00/yr. until age 85.00.",
                  "        The funds will be withdrawn from the Checking account."}));
}

TEST_F(EditCommand, SuccessfulEditsPrintTheEventsLinesAndComputedValues) {
    struct Case {
        std::vector<std::string> args;
        std::string printed;
    };
    const std::vector<Case> cases = {
        // 15,000 at 0.5 % a month over 60 months.
        {{"--add", "loan", "--set", "description=Boat", "--set", "start-age=59", "--set",
          "payoff-age=59", "--set", "amount=20,000", "--set", "down-payment=5000", "--set",
          "rate=6", "--set", "no-of-years=5", "--set", "deposit-to=Checking"},
         " 59.0 Boat - $20,000.00 $5,000.00 down at 6.00% for  5 yrs. $289.99/Month.\n"
         "        Loan amount deposited to Checking\n"
         "Monthly Payment: 289.99\n"},
        // 1000 - 600 is at most 600: paid off in the first month with 1000 x 0.18 x 30/365.
        {{"--add", "credit-card", "--set", "company=Amex", "--set", "start-age=56", "--set",
          "payoff-age=56", "--set", "balance=1000", "--set", "rate=18", "--set",
          "monthly-payments=600", "--set", "payments-account=#1"},
         " 56.0 Amex - Paying off $1,000.00 credit card debt with $600.00/month.\n"
         "        The payments will be withdrawn from the Checking account.\n"
         "        Paying off Amex at age 56.00.\n"
         "Years: 0.08\nMonths: 1\nTotal Interest: 14.79\n"},
        // Open, change one field, OK.
        {{"--event", "0", "--set", "amount=5000"},
         " 56.0 Salary - Deposit $5,000.00/yr. after taxes to Checking until age 62.00.\n"},
        {{"--line", "3", "--set", "withdrawal-account=none", "--set", "one-time=on"},
         " 58.0 Rent - Withdraw $12,000.00.\n"},
        {{"--initial-values", "--set", "start-age=10", "--set", "end-age=109"},
         " 10.0 Initial Rates  Tax=20.00% Inflation=3.00%\n"},
        {{"--copy-event", "0", "--set", "description=Bonus", "--set", "tax-deposit=on"},
         " 56.0 Bonus - Deposit $30,000.00/yr. before taxes to Checking until age 62.00.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--out", out(), "--yes"});
        const CliRun run = edit(args);
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.out, c.printed);
        EXPECT_EQ(run.err, "");
        // What was printed is in the written plan's list.
        const auto written = listOf(out());
        const std::string first = c.printed.substr(0, c.printed.find('\n'));
        EXPECT_NE(std::find(written.begin(), written.end(), first), written.end());
    }
}

TEST_F(EditCommand, RefusalsPrintTitleAndTextWriteNothingAndExitFour) {
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"--initial-values", "--set", "start-age=10", "--set", "end-age=110"},
         "Age Range Error!: The age range must be less than 100!\n"},
        {{"--initial-values", "--set", "start-age=10", "--set", "end-age=121"},
         "END AGE ERROR: This age must be between 1.0 and 120.0.\n"},
        {{"--event", "1", "--set", "withdrawal-account=IRA"},
         "Account Warning: You cannot select an account that is part of an Asset "
         "Allocation!\n"},
        {{"--initial-values", "--set", "birth-month=13", "--set", "use-birthday=on"},
         "BIRTH MONTH ERROR: The birth month value must between 1 and 12\n"},
        {{"--add", "loan", "--set", "amount=1000", "--set", "down-payment=1000.01", "--set",
          "start-age=60", "--set", "payoff-age=60", "--set", "rate=5", "--set", "no-of-years=1"},
         "AMOUNT ERROR: The down payment must not be greater than the amount.\n"},
        {{"--add", "fundamentals", "--set", "start-age=60", "--set", "change-account-rate=Car",
          "--set", "account-rate=250"},
         "RATE ERROR: This amount must be greater than -200.00 and less than 200.00.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.err);
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--out", out()});
        const CliRun run = edit(args);
        EXPECT_EQ(run.code, 4);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(fs::exists(out()));
    }
}

TEST_F(EditCommand, BirthdayStartAgesFollowToday) {
    struct Case {
        std::string today;
        std::string header;
    };
    // Born 15 March: on 10 March 360/365 of a year has passed (55.99), on 15 March none.
    const std::vector<Case> cases = {
        {"2026-03-10", " 56.0 Initial Rates  Tax=20.00% Inflation=3.00%"},
        {"2026-03-15", " 55.0 Initial Rates  Tax=20.00% Inflation=3.00%"},
    };
    for (const Case& c : cases) {
        const CliRun run =
            edit({"--initial-values", "--today", c.today, "--set", "birth-month=3", "--set",
                  "birth-day=15", "--set", "use-birthday=on", "--out", out(), "--yes"});
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(listOf(out()).front(), c.header);
        const CliRun info = runCliWith({"info", out()});
        EXPECT_NE(info.out.find(c.today == "2026-03-10" ? "Ages              55.99 to 90.00"
                                                        : "Ages              55.00 to 90.00"),
                  std::string::npos)
            << info.out;
        EXPECT_NE(info.out.find("month 3, day 15 (used)"), std::string::npos);
    }
}

TEST_F(EditCommand, CalculateAndDryRunWriteNothing) {
    const CliRun calculated =
        edit({"--add", "mortgage", "--set", "amount=20000", "--set", "down-payment=5000", "--set",
              "start-age=60", "--set", "payoff-age=75", "--set", "rate=4", "--set",
              "no-of-years=15", "--calculate", "--out", out()});
    EXPECT_EQ(calculated.code, 0) << calculated.err;
    EXPECT_EQ(calculated.out, "Monthly Payment: $110.95\n");
    EXPECT_FALSE(fs::exists(out()));

    const auto before = readAll(m_plan);
    const CliRun dry = edit({"--delete-event", "1", "--dry-run"});
    EXPECT_EQ(dry.code, 0) << dry.err;
    EXPECT_EQ(readAll(m_plan), before);

    const CliRun deleted = edit({"--delete-event", "1", "--out", out()});
    EXPECT_EQ(deleted.code, 0) << deleted.err;
    EXPECT_EQ(listOf(out()).size(), 2u);
}

TEST_F(EditCommand, MisuseExitsOne) {
    writeText(m_dir / "taken.RET", "keep");
    struct Case {
        std::vector<std::string> args;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {{"--event", "0"}, "edit takes either --out OUT.RET or --dry-run"},
        {{"--dry-run"}, "edit takes one of --add, --event"},
        {{"--dry-run", "--event", "0", "--initial-values"}, "edit takes one of"},
        {{"--dry-run", "--add", "boat"}, "--add takes withdrawal, deposit"},
        {{"--dry-run", "--event", "7"}, "there is no event 7 (2 events)"},
        {{"--dry-run", "--event", "x"}, "--event takes a number, got \"x\""},
        {{"--dry-run", "--line", "9"}, "line 9 belongs to no event"},
        {{"--dry-run", "--event", "0", "--set", "colour=red"},
         "Deposit has no field \"colour\" (its fields: description, start-age"},
        {{"--dry-run", "--event", "0", "--set", "amount"}, "--set takes KEY=TEXT"},
        {{"--dry-run", "--event", "0", "--set", "one-time=yes"}, "one-time takes on or off"},
        {{"--dry-run", "--event", "0", "--set", "deposit-to=Boat"}, "no account \"Boat\""},
        {{"--dry-run", "--event", "0", "--set", "deposit-to=none"},
         "deposit-to has no \"No Selection\""},
        {{"--dry-run", "--event", "0", "--calculate"}, "Deposit has no Calculate"},
        {{"--event", "0", "--out", (m_dir / "taken.RET").string()},
         "was not overwritten (add --yes to replace it)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.problem);
        const CliRun run = edit(c.args);
        EXPECT_EQ(run.code, 1);
        EXPECT_NE(run.err.find(c.problem), std::string::npos) << run.err;
    }
    EXPECT_EQ(readText(m_dir / "taken.RET"), "keep");
    EXPECT_EQ(runCliWith({"edit", (m_dir / "none.RET").string(), "--dry-run", "--event", "0"}).code,
              2);
}

// The sample's RMD distribution (line 21) is edited with the RMD options; its budget withdrawal
// (line 20) opens the Withdrawal editor, where only the account may change.
TEST(EditCommandOnSample, LinesOfOptionEventsNameTheirEditor) {
    const char* source = std::getenv("FINPLAN_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const std::string sample = (fs::path(source) / "examples" / "sample.RET").string();
    const CliRun rmd = runCliWith({"edit", sample, "--dry-run", "--line", "21"});
    EXPECT_EQ(rmd.code, 1);
    EXPECT_NE(rmd.err.find("the event of line 21 is edited with edit --rmd-options"),
              std::string::npos)
        << rmd.err;
    const CliRun budget = runCliWith({"edit", sample, "--dry-run", "--line", "20"});
    EXPECT_EQ(budget.code, 0) << budget.err;
}

} // namespace
} // namespace finplan::test
