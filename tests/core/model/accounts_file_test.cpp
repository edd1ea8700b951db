#include "model/accounts_file.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace finplan {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

struct AccountsFile : ::testing::Test {
    TempDir dir;
    Scenario scenario;
    ScriptedDialogs dialogs;

    void SetUp() override {
        resetScenario(scenario);
        test::ScenarioBuilder(scenario).add(
            test::textBlock("model/accounts_file_scenarios.txt", "scenario"));
        scenario.slots.penaltyAge[1] = 62.0f;
    }

    std::string path(const std::string& name) { return (dir / name).string(); }
};

TEST_F(AccountsFile, WritesTableAndSlotArraysAndReadsThemBack) {
    ASSERT_TRUE(writeAccountsFile(scenario, path("a.ACC"), dialogs));
    EXPECT_EQ(test::readAll(path("a.ACC")).size(), 6062u);

    Scenario other;
    resetScenario(other);
    other.events[0].accountId = 42;
    ASSERT_TRUE(readAccountsFile(other, path("a.ACC"), dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(other.accounts.accountCount, 3);
    EXPECT_EQ(fieldText(other.accounts.accounts[1].name), "ira");
    EXPECT_EQ(other.accounts.nextAccountId, 10);
    EXPECT_EQ(other.slots.penaltyAge[1], 62.0f);
    EXPECT_EQ(other.slots.rmdTable[2], 10);
    EXPECT_EQ(other.events[0].accountId, 42); // events are not touched
    EXPECT_TRUE(other.modified);
    EXPECT_TRUE(other.resultsStale);
}

TEST_F(AccountsFile, OverwriteNeedsYesAndNoCountsAsSuccess) {
    test::writeAll(path("a.ACC"), {9, 9});
    EXPECT_TRUE(writeAccountsFile(scenario, path("a.ACC"), dialogs));
    ASSERT_EQ(dialogs.transcript(),
              "FILE WARNING|" + path("a.ACC") + " exists - Overwrite anyway?");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(test::readAll(path("a.ACC")), (std::vector<Byte>{9, 9}));

    dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(writeAccountsFile(scenario, path("a.ACC"), dialogs));
    EXPECT_EQ(test::readAll(path("a.ACC")).size(), 6062u);
}

TEST_F(AccountsFile, WriteFailureIsReported) {
    EXPECT_FALSE(writeAccountsFile(scenario, path("no/such/folder.ACC"), dialogs));
    const std::string file = path("no/such/folder.ACC");
    EXPECT_EQ(dialogs.transcript(), "Write Error|Cannot write " + file + " accounts file!\n" +
                                        file + ": No such file or directory");
}

TEST_F(AccountsFile, TableOnlyFileResetsEverySlot) {
    ASSERT_TRUE(writeAccountsFile(scenario, path("a.ACC"), dialogs));
    auto bytes = test::readAll(path("a.ACC"));
    bytes.resize(4124);
    test::writeAll(path("short.ACC"), bytes);
    scenario.accounts.accounts[0].slot = 17;
    scenario.slots.penaltyAge[1] = 70.0f;
    scenario.slots.inAssetAllocation[5] = 1;
    ASSERT_TRUE(readAccountsFile(scenario, path("short.ACC"), dialogs));
    for (int i = 0; i < kMaxAccounts; ++i) {
        const auto index = static_cast<std::size_t>(i);
        ASSERT_EQ(scenario.accounts.accounts[index].slot, i);
        ASSERT_EQ(scenario.slots.penaltyAge[index], 59.0f);
        ASSERT_EQ(scenario.slots.penaltyRate[index], 10.0f);
        ASSERT_EQ(scenario.slots.inAssetAllocation[index], 0);
    }
}

TEST_F(AccountsFile, BadFilesLeaveTheAccountsUnchanged) {
    ASSERT_TRUE(writeAccountsFile(scenario, path("a.ACC"), dialogs));
    auto bytes = test::readAll(path("a.ACC"));
    const auto expectRefused = [&](const std::string& name, const std::string& message) {
        dialogs.shown.clear();
        scenario.modified = false;
        EXPECT_FALSE(readAccountsFile(scenario, path(name), dialogs)) << name;
        EXPECT_EQ(dialogs.transcript(), message);
        EXPECT_EQ(scenario.accounts.accountCount, 3);
        EXPECT_FALSE(scenario.modified);
    };
    const auto invalid = [&](const std::string& name) {
        return "FILE WARNING|The file " + path(name) +
               " does not appear to be a valid accounts file!";
    };
    test::writeAll(path("long.ACC"), std::vector<Byte>(6063, 0));
    expectRefused("long.ACC", invalid("long.ACC"));
    test::writeAll(path("cut.ACC"), std::vector<Byte>(bytes.begin(), bytes.begin() + 5000));
    expectRefused("cut.ACC", invalid("cut.ACC"));
    bytes[0] = 51; // accountCount beyond the table
    test::writeAll(path("count.ACC"), bytes);
    expectRefused("count.ACC", invalid("count.ACC"));
    expectRefused("missing.ACC",
                  "Read Error|Cannot read " + path("missing.ACC") + " accounts file!");
}

TEST_F(AccountsFile, ReindexAsksThenNumbersByNameAndLeavesEventsAlone) {
    scenario.events[0].accountId = 9;
    scenario.liveEventCount = 1;
    EXPECT_FALSE(reindexAccounts(scenario, dialogs));
    EXPECT_EQ(scenario.accounts.accounts[0].accountId, 5);
    const std::string question = "Accounts|This may change the account assignments in your "
                                 "scenario!\nDo you wish to continue?";
    EXPECT_EQ(dialogs.transcript(), question);

    dialogs.shown.clear();
    dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(reindexAccounts(scenario, dialogs));
    for (std::size_t i = 0; i < 3; ++i) { // by name, numbered from 0
        EXPECT_EQ(fieldText(scenario.accounts.accounts[i].name),
                  (std::array{"Brokerage", "ira", "Savings"}[i]));
        EXPECT_EQ(scenario.accounts.accounts[i].accountId, i);
    }
    EXPECT_EQ(scenario.accounts.nextAccountId, 3);
    EXPECT_EQ(scenario.events[0].accountId, 9); // now names no account
    EXPECT_EQ(dialogs.transcript(), question + "\nAccounts|The Accounts have been re-indexed.\n"
                                               "Please check the account assignments in your "
                                               "scenario.");
    EXPECT_EQ(dialogs.shown.at(1).icon, MessageIcon::Exclamation);
}

} // namespace
} // namespace finplan
