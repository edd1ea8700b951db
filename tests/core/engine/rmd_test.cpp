#include "engine/rmd.h"
#include "engine_fixture.h"
#include "results/money_text.h"
#include "support/field_checks.h"

#include <gtest/gtest.h>

namespace finplan {
namespace {

using Lines = std::vector<std::string>;

Lines texts(const std::string& name) {
    return test::linesOf(test::textBlock("engine/rmd_texts.txt", name));
}

// A run context inside a shown year at 70, tax rate 20, with table 1 titled "Uniform" starting
// at 70 and the Investment account "Bank" receiving the distributions.
struct Rmd : ::testing::Test, test::EngineFixture {
    RunContext context{scenario, output, switches, environment, outputs};
    AccountRecord* bank = nullptr;

    void SetUp() override {
        add("account name=Bank rate=1\n"
            "rmd table=1 start=70 name=Uniform to=Bank distribution=3");
        bank = &account("Bank");
        context.displayStartAge = 60.0f;
        context.rates.taxRate = 20.0f;
    }

    // An account whose per-slot flag carries `table` in its tens digit.
    AccountRecord& member(const std::string& name, float amount, int table,
                          const std::string& kind = "retirement") {
        AccountRecord& a = add("account name=\"" + name + "\" kind=" + kind +
                               " rate=5 amount=" + std::to_string(amount))
                               .account(name);
        scenario.slots.rmdTable[a.slot] = static_cast<std::int16_t>(table * 10 + 2);
        context.totals.retirementTotal += kind == "retirement" ? amount : 0;
        return a;
    }

    void distribute(int age, int table = 1) {
        context.age = static_cast<float>(age);
        distributeRmd(context, age, 7, table);
    }
};

TEST_F(Rmd, ProportionalSharesFollowBalancesAndOtherAccountsStayOut) {
    scenario.accounts.rmdDistribution = 1;
    bank->kind = static_cast<std::uint16_t>(AccountKind::TaxFreeSavings);
    AccountRecord& a = member("A", 30000, 1);
    AccountRecord& otherTable = member("Other", 50000, 2);
    AccountRecord& noTable = member("None", 50000, 0);
    AccountRecord& b = member("B", 10000, 1);
    AccountRecord& badSlot =
        add("account name=\"Bad slot\" kind=retirement amount=9000 rate=5 slot=50")
            .account("Bad slot");
    scenario.slots.lifeTable1[0] = 10.0f;
    switches.detailedResults = true;

    distribute(70);

    test::expectFields({FIELD_IS(a.balance, 27000.0f), FIELD_IS(b.balance, 9000.0f),
                        FIELD_IS(otherTable.balance + noTable.balance + badSlot.balance, 109000.0f),
                        FIELD_IS(bank->balance, 4000.0f)});
    EXPECT_EQ(context.totals.taxFreeTotal, 4000.0f); // the destination's kind
    EXPECT_EQ(context.totals.investmentTotal, 0.0f);
    EXPECT_EQ(context.totals.retirementTotal, 136000.0f);
    EXPECT_EQ(shownLines(), texts("proportional shares"));
}

TEST_F(Rmd, EqualSharesCarryWhatOneAccountLacksAndASecondPassTakesTheRest) {
    scenario.accounts.rmdDistribution = 2;
    scenario.slots.lifeTable1[0] = 2.625f; // 10,500 / 2.625 = 4,000
    switches.detailedResults = true;
    AccountRecord& small = member("Small", 500, 1);
    AccountRecord& large = member("Large", 10000, 1);

    distribute(70);
    EXPECT_EQ(small.balance, 0.0f);
    EXPECT_EQ(large.balance, 6500.0f);
    EXPECT_EQ(moneyText(context.flows.taxes), "$800.00");
    EXPECT_EQ(shownLines(), texts("equal shares"));

    // The short account last: its lack has nobody to carry to in the first pass.
    small.balance = 10000;
    large.balance = 500;
    bank->balance = 0;
    output.schedule.lines.clear();
    distribute(70);
    test::expectFields({FIELD_IS(small.balance, 6500.0f), FIELD_IS(large.balance, 0.0f),
                        FIELD_IS(bank->balance, 4000.0f)});
    EXPECT_EQ(shownLines(), texts("equal shares, the short account last"));
}

TEST_F(Rmd, SharesNeverTakeFromAnAccountThatIsNotRetirement) {
    scenario.accounts.rmdDistribution = 1;
    AccountRecord& ira = member("IRA", 30000, 1);
    AccountRecord& broker = member("Broker", 10000, 1, "investment");
    scenario.slots.lifeTable1[0] = 10.0f;

    distribute(70);

    // The line names 4,000, but the Investment account's part is neither taken nor carried.
    EXPECT_EQ(shownLines(), texts("one share not retirement"));
    test::expectFields({FIELD_IS(ira.balance, 27000.0f), FIELD_IS(broker.balance, 10000.0f),
                        FIELD_IS(bank->balance, 3000.0f)});
}

TEST_F(Rmd, AccountOrderEmptiesEarlierAccountsFirst) {
    for (const int mode : {3, 0}) { // a mode that is neither 1 nor 2 is account order
        SCOPED_TRACE(mode);
        scenario.accounts.accountCount = 1;
        bank->balance = 0.0f;
        output.schedule.lines.clear();
        scenario.accounts.rmdDistribution = static_cast<std::int16_t>(mode);
        AccountRecord& a = member("A", 1000, 1);
        member("Empty", 0, 1);
        AccountRecord& c = member("C", 5000, 1);
        scenario.slots.lifeTable1[0] = 2.0f;
        switches.detailedResults = true;

        distribute(70);

        test::expectFields({FIELD_IS(a.balance, 0.0f), FIELD_IS(c.balance, 3000.0f),
                            FIELD_IS(bank->balance, 3000.0f)});
        EXPECT_EQ(shownLines(), texts("account order"));
    }
}

TEST_F(Rmd, AgesPastTheTableKeepTheLastDivisorAndSayEachYear) {
    AccountRecord& ira = member("IRA", 12500, 1);
    scenario.slots.lifeTable1[29] = 5.0f;

    distribute(99); // the last age of the table is no problem
    distribute(101);
    distribute(102);

    EXPECT_EQ(ira.balance, 6400.0f); // 2,500, 2,000 and 1,600 taken
    EXPECT_EQ(shownLines(), texts("ages past the table"));
    EXPECT_EQ(output.schedule.lines[3].kind, 7);
}

TEST_F(Rmd, AnAgeBeforeTheStartDistributesNothing) {
    AccountRecord& ira = member("IRA", 10000, 1);
    scenario.slots.lifeTable1[0] = 5.0f;
    distribute(69);
    EXPECT_EQ(ira.balance, 10000.0f);
    EXPECT_EQ(context.flows.taxes, 0.0f);
    EXPECT_EQ(shownLines(), texts("before the start"));
}

TEST_F(Rmd, EmptyAccountsRaiseTheRedFlagOnceWithTheFirstAge) {
    add("rmd table=3 start=72 name=Joint");
    scenario.slots.lifeTable3[3] = 20.0f;
    scenario.slots.lifeTable3[4] = 19.0f;
    member("IRA", 0, 3);
    member("Old IRA", -50, 3);

    distribute(75, 3);
    distribute(76, 3);

    EXPECT_EQ(bank->balance, 0.0f);
    const std::string depleted =
        "  Joint (using RMD Table 3) - selected RMD accounts were depleted.";
    EXPECT_EQ(shownLines(), (Lines{depleted, depleted}));
    EXPECT_TRUE(output.redFlags.rmdDepleted.set);
    EXPECT_EQ(output.redFlags.rmdDepleted.age, 75);
}

TEST_F(Rmd, NonPositiveDivisorsNameTheirTable) {
    member("IRA", 10000, 1);
    member("IRA 2", 10000, 2);
    member("IRA 3", 10000, 3);
    scenario.slots.lifeTable2StartAge = 67;
    scenario.slots.lifeTable3StartAge = 70;
    scenario.slots.lifeTable2[3] = -1.5f;
    scenario.slots.lifeTable3[0] = -1.0f;

    distribute(70, 1);
    distribute(70, 2);
    distribute(70, 3);
    distribute(71, 2);

    EXPECT_EQ(bank->balance, 0.0f);
    EXPECT_EQ(shownLines(), texts("non-positive divisors"));
}

TEST_F(Rmd, BadNumbersFromAFileMoveNoMoney) {
    AccountRecord& ira = member("IRA", 10000, 1);
    scenario.slots.lifeTable1[0] = 10.0f;
    for (const int table : {0, 4}) {
        distribute(70, table);
        EXPECT_EQ(computeRmdShares(context, table), 0.0f);
    }
    // Without the transfer account the money would have nowhere to go.
    scenario.slots.rmdTargetAccountId = 99;
    switches.detailedResults = true;
    distribute(70);

    test::expectFields({FIELD_IS(ira.balance, 10000.0f),
                        FIELD_IS(context.totals.retirementTotal, 10000.0f),
                        FIELD_IS(context.flows.taxes, 0.0f)});
    EXPECT_EQ(shownLines(), texts("bad numbers"));
}

TEST_F(Rmd, SharesCoverOnlyTheTablesAccounts) {
    scenario.accounts.rmdDistribution = 2;
    member("A", 100, 1);
    member("Empty", 0, 1);
    member("B", 5000, 1);
    member("C", 5000, 1);
    member("Elsewhere", 5000, 2);
    context.allocationShare[2] = 0.9f;
    context.allocationShare[5] = 0.7f;

    EXPECT_EQ(computeRmdShares(context, 1), 10100.0f);
    EXPECT_FLOAT_EQ(context.allocationShare[1], 1.0f / 3.0f);
    EXPECT_EQ(context.allocationShare[2], 0.0f);
    EXPECT_EQ(context.allocationShare[3], context.allocationShare[1]);
    EXPECT_EQ(context.allocationShare[5], 0.7f); // another table's share is left alone

    scenario.accounts.rmdDistribution = 1;
    computeRmdShares(context, 1);
    EXPECT_FLOAT_EQ(context.allocationShare[4], 5000.0f / 10100.0f);

    EXPECT_EQ(computeRmdShares(context, 3), 0.0f); // no money: every share cleared
    EXPECT_EQ(context.allocationShare[5], 0.0f);
    EXPECT_EQ(context.allocationShare[1], 0.0f);
}

} // namespace
} // namespace finplan
