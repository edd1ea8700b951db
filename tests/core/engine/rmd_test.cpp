#include "engine/rmd.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace finplan {
namespace {

// The cases of tests/data/engine/rmd_cases.txt, each distributed at its ages as the event
// step does, inside a shown year with a tax rate of 20 %.
TEST(Rmd, EachCaseMovesAndShowsWhatItsTableAndSharesSay) {
    test::forEachCase("engine/rmd_cases.txt", "distribute", 11, [](const test::CaseLine& c) {
        test::EngineFixture f;
        const std::string texts = "engine/rmd_texts.txt";
        f.add(test::textBlock(texts, c.input("scenario") + " scenario"));
        RunContext run{f.scenario, f.output, f.switches, f.environment, f.outputs};
        run.displayStartAge = 60.0f;
        run.rates.taxRate = 20.0f;
        f.switches.detailedResults = c.inputOr("detailed", "0") == "1";
        f.scenario.accounts.rmdDistribution = static_cast<std::int16_t>(std::stoi(
            c.inputOr("distribution", std::to_string(f.scenario.accounts.rmdDistribution))));
        for (int i = 0; i < f.scenario.accounts.usedCount(); ++i) {
            const AccountRecord& a = f.scenario.accounts.accounts[static_cast<std::size_t>(i)];
            run.totals.retirementTotal +=
                a.isKind(AccountKind::RetirementSavings) ? a.balance : 0.0f;
            // Only the flag's tens digit names the table.
            if (a.slot < kMaxAccounts && f.scenario.slots.rmdTable[a.slot] != 0) {
                f.scenario.slots.rmdTable[a.slot] += 2;
            }
        }
        std::istringstream steps(c.input("at"));
        for (std::string step; steps >> step;) {
            const std::vector<std::string> ageAndTable = test::partsOf(step, '@');
            run.age = std::stof(ageAndTable[0]);
            distributeRmd(run, std::stoi(ageAndTable[0]), 7,
                          ageAndTable.size() > 1 ? std::stoi(ageAndTable[1]) : 1);
        }

        for (const auto& [name, balance] : test::settingsOf(c.answer("balances"))) {
            EXPECT_EQ(f.account(name).balance, std::stof(balance)) << name;
        }
        const std::map<std::string, float> totals = {{"retirement", run.totals.retirementTotal},
                                                     {"taxfree", run.totals.taxFreeTotal},
                                                     {"investment", run.totals.investmentTotal},
                                                     {"taxes", run.flows.taxes}};
        for (const auto& [key, value] : c.expected) {
            if (totals.contains(key)) {
                EXPECT_FLOAT_EQ(totals.at(key), std::stof(value)) << key;
            }
        }
        const RedFlag& depleted = f.output.redFlags.rmdDepleted;
        EXPECT_EQ(depleted.set ? std::to_string(depleted.age) : "no", c.answerOr("depleted", "no"));
        EXPECT_EQ(f.shownLines(), test::linesOf(test::textBlock(texts, c.answer("texts"))));
        for (const ScheduleLine& line : f.output.schedule.lines) {
            EXPECT_EQ(line.kind, 7) << line.text; // each line belongs to the RMD event
        }
    });
}

TEST(Rmd, SharesCoverOnlyTheTablesAccounts) {
    test::EngineFixture f;
    f.add("account name=A kind=retirement amount=100 rmd=1\n"
          "account name=Empty kind=retirement rmd=1\n"
          "account name=B kind=retirement amount=5000 rmd=1\n"
          "account name=C kind=retirement amount=5000 rmd=1\n"
          "account name=Elsewhere kind=retirement amount=5000 rmd=2");
    f.scenario.accounts.rmdDistribution = 2;
    RunContext run{f.scenario, f.output, f.switches, f.environment, f.outputs};
    run.allocationShare[1] = 0.9f;
    run.allocationShare[4] = 0.7f;

    EXPECT_EQ(computeRmdShares(run, 1), 10100.0f);
    EXPECT_FLOAT_EQ(run.allocationShare[0], 1.0f / 3.0f);
    EXPECT_EQ(run.allocationShare[1], 0.0f);
    EXPECT_EQ(run.allocationShare[2], run.allocationShare[0]);
    EXPECT_EQ(run.allocationShare[4], 0.7f); // another table's share is left alone

    f.scenario.accounts.rmdDistribution = 1;
    computeRmdShares(run, 1);
    EXPECT_FLOAT_EQ(run.allocationShare[3], 5000.0f / 10100.0f);

    for (const int table : {3, 0, 4}) { // no money, or a table number from a damaged file
        EXPECT_EQ(computeRmdShares(run, table), 0.0f) << table;
        EXPECT_EQ(run.allocationShare[4], 0.0f); // every share cleared
        EXPECT_EQ(run.allocationShare[0], 0.0f);
    }
}

} // namespace
} // namespace finplan
