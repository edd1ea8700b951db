#include "editing/account_editor.h"
#include "editing/account_import.h"
#include "editing/import_line.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/field_checks.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace finplan {
namespace {

std::filesystem::path importFile(const std::string& name) {
    return test::testData("accounts/" + name);
}

std::string importedName(const Scenario& s, int index) {
    return std::string(fieldText(s.accounts.accounts[static_cast<std::size_t>(index)].name));
}

// Amounts, names, skipped lines and whole statement lines, from tests/data/accounts.
TEST(ImportLine, ReadsTheLinesOfItsDataFile) {
    test::forEachCase("accounts/import_lines.txt", "", 46, [&](const test::CaseLine& c) {
        if (c.word == "amount") {
            EXPECT_EQ(cleanAmount(c.input("raw")), c.answer("cleaned"));
        } else if (c.word == "name") {
            EXPECT_EQ(cleanName(c.input("raw")), c.answer("cleaned"));
        } else if (c.word == "skip") {
            EXPECT_EQ(skipsLine(c.input("line"), LineFilter::Convert), c.answer("convert") == "1");
            EXPECT_EQ(skipsLine(c.input("line"), LineFilter::Create), c.answer("create") == "1");
            EXPECT_EQ(skipsLine(c.input("line"), LineFilter::Update), c.answer("update") == "1");
        } else {
            ASSERT_EQ(c.word, "statement");
            const auto read = readStatementLine(
                c.input("line"), c.input("delimiter") == "tab" ? Delimiter::Tab : Delimiter::Comma);
            ASSERT_EQ(read.has_value(), c.expected.front().first != "skipped");
            if (read) {
                EXPECT_EQ(read->name, c.answer("name"));
                EXPECT_EQ(read->amount, c.answer("amount"));
            }
        }
    });
}

TEST(ImportLine, ReadsWholeLongLinesAndDropsHugeOnes) {
    const std::string longName(150, 'N');
    const std::string huge(70000, 'H');
    const std::string content = longName + "\tBank\t12.50\n" + huge + "\t1.00\nLast one\t3.00";
    EXPECT_EQ(convertStatement(content, Delimiter::Tab), longName + "\t12.50\nLast one\t3.00\n");
}

TEST(StatementFiles, ConvertToTheirIntermediateFiles) {
    for (const auto& [input, delimiter, intermediate] :
         {std::tuple{"statement.tvi", Delimiter::Tab, "tabout.tmp"},
          std::tuple{"statement.csv", Delimiter::Comma, "csvout.tmp"}}) {
        test::TempDir dir;
        test::ScriptedDialogs dialogs;
        ASSERT_TRUE(convertStatementFile(importFile(input), dir.path(), delimiter, dialogs));
        // The known intermediate file is named after the statement's.
        const std::string known = std::string("statement.") + intermediate;
        EXPECT_EQ(test::readText(dir / intermediate), test::readText(importFile(known))) << input;
        EXPECT_TRUE(dialogs.shown.empty());
    }
    EXPECT_EQ(delimiterForFile("a/b.CSV"), Delimiter::Comma);
    EXPECT_EQ(delimiterForFile("a.tvi"), Delimiter::Tab);
    EXPECT_EQ(delimiterForFile("a.txt"), Delimiter::Tab);
}

TEST(StatementFiles, AFailedConversionLeavesNoOlderIntermediateFile) {
    test::TempDir dir;
    test::writeText(dir / "tabout.tmp", "Checking\t99.00\n");
    Scenario s = test::makeScenario("account name=Checking amount=1000\n");
    test::ScriptedDialogs dialogs;
    dialogs.answers = {Answer::Yes};
    const auto missing = dir / "missing.tvi";
    const ImportOutcome outcome = updateAccountsFromFile(
        s, missing, dir.path(), Delimiter::Tab, AccountSortState{}, dialogs,
        [&](Scenario& target) { return acceptImportedAccount(target, dialogs); });
    EXPECT_FALSE(outcome.completed);
    EXPECT_FALSE(std::filesystem::exists(dir / "tabout.tmp"));
    EXPECT_EQ(dialogs.transcript(),
              std::string("File Open Error|") + "Cannot open " + missing.string() + ".");
    EXPECT_EQ(s.accounts.accounts[0].initialAmount, 1000.0f);
    EXPECT_FALSE(s.modified);
}

TEST(CreateAccounts, MakesOneAccountPerUsableLine) {
    test::TempDir dir;
    Scenario s = test::makeScenario("");
    test::ScriptedDialogs dialogs;
    int confirmations = 0;
    const ImportOutcome outcome = createAccountsFromFile(
        s, importFile("statement.tvi"), dir.path(), Delimiter::Tab, dialogs, [&](Scenario& target) {
            ++confirmations;
            return acceptImportedAccount(target, dialogs);
        });
    test::expectFields({FIELD_IS(outcome.completed, true), FIELD_IS(dialogs.shown.empty(), true),
                        FIELD_IS(confirmations, 4)});
    const std::vector<std::pair<std::string, float>> expected = {{"Checking", 1204.33f},
                                                                 {"Savings", -250.0f},
                                                                 {"Balanced Fund", 15000.0f},
                                                                 {"Roth IRA", 7500.25f}};
    ASSERT_EQ(s.accounts.accountCount, 4);
    ASSERT_EQ(outcome.accounts.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const AccountRecord& a = s.accounts.accounts[static_cast<std::size_t>(i)];
        const auto& [name, amount] = expected[static_cast<std::size_t>(i)];
        EXPECT_EQ(fieldText(a.name), name);
        EXPECT_EQ(a.initialAmount, amount) << name;
        EXPECT_EQ(a.accountId, i);
        EXPECT_EQ(a.kind, static_cast<int>(AccountKind::InvestmentSavings));
        test::expectFields({FIELD_IS(a.rate, 10.0f), FIELD_IS(a.randomMinRate, 0.0f),
                            FIELD_IS(a.randomMaxRate, 20.0f)});
        EXPECT_EQ(fieldText(a.accessOrder), std::to_string(i));
        EXPECT_EQ(outcome.accounts[static_cast<std::size_t>(i)].name, name);
        EXPECT_EQ(outcome.accounts[static_cast<std::size_t>(i)].change,
                  ImportedAccount::Change::Added);
    }
    EXPECT_EQ(fieldText(s.slots.lifeTable2Name), "IRA 2");
    EXPECT_EQ(s.slots.lifeTable3StartAge, 70);
}

TEST(CreateAccounts, ACancelledAccountIsLeftOutAndAFullTableStops) {
    test::TempDir dir;
    Scenario s = test::makeScenario("");
    test::ScriptedDialogs dialogs;
    int seen = 0;
    createAccountsFromFile(
        s, importFile("statement.tvi"), dir.path(), Delimiter::Tab, dialogs,
        [&](Scenario& target) { return ++seen != 2 && acceptImportedAccount(target, dialogs); });
    ASSERT_EQ(s.accounts.accountCount, 3);
    EXPECT_EQ(importedName(s, 1), "Balanced Fund");
    EXPECT_EQ(fieldText(s.accounts.accounts[1].accessOrder), "1");

    Scenario full = test::makeScenario("");
    full.accounts.accountCount = kMaxAccounts;
    test::ScriptedDialogs fullDialogs;
    const ImportOutcome outcome =
        createAccountsFromFile(full, importFile("statement.tvi"), dir.path(), Delimiter::Tab,
                               fullDialogs, [](Scenario&) { return true; });
    EXPECT_FALSE(outcome.completed);
    ASSERT_EQ(fullDialogs.shown.size(), 1u);
    EXPECT_EQ(fullDialogs.transcript(), "Account Error|Number of accounts exceed limit.");
    EXPECT_EQ(fullDialogs.shown[0].icon, MessageIcon::Stop);
}

Scenario updateScenario() {
    return test::makeScenario(
        test::textBlock("editing/account_import_scenarios.txt", "updateScenario"));
}

ImportOutcome update(Scenario& s, const std::filesystem::path& input, const test::TempDir& dir,
                     test::ScriptedDialogs& dialogs) {
    return updateAccountsFromFile(
        s, input, dir.path(), delimiterForFile(input), AccountSortState{}, dialogs,
        [&](Scenario& target) { return acceptImportedAccount(target, dialogs); });
}

TEST(UpdateAccounts, AsksOnceAndForEachNewName) {
    test::TempDir dir;
    Scenario s = updateScenario();
    test::ScriptedDialogs dialogs;
    dialogs.answers = {Answer::Yes, Answer::Yes, Answer::No};
    const ImportOutcome outcome = update(s, importFile("statement.tvi"), dir, dialogs);
    ASSERT_TRUE(outcome.completed);
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].text, "Updating 2 out of 3 accounts.\nDo you wish to continue?");
    EXPECT_EQ(dialogs.shown[0].title, "Updating Accounts");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(dialogs.shown[1].text,
              "Account Balanced Fund is not an existing account.\nDo you wish to add it?");
    EXPECT_EQ(dialogs.shown[1].title, "New Account Found");
    EXPECT_EQ(dialogs.shown[2].text,
              "Account Roth IRA is not an existing account.\nDo you wish to add it?");
    // Sorted by name afterwards; Roth IRA was declined.
    ASSERT_EQ(s.accounts.accountCount, 4);
    const std::vector<std::pair<std::string, float>> expected = {{"Balanced Fund", 15000.0f},
                                                                 {"Checking", 1204.33f},
                                                                 {"House Equity", 250000.0f},
                                                                 {"Savings", -250.0f}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(importedName(s, i), expected[static_cast<std::size_t>(i)].first);
        EXPECT_EQ(s.accounts.accounts[static_cast<std::size_t>(i)].initialAmount,
                  expected[static_cast<std::size_t>(i)].second);
    }
    EXPECT_EQ(s.accounts.accounts[0].accountId, 3);
    ASSERT_EQ(outcome.accounts.size(), 3u);
    EXPECT_EQ(outcome.accounts[0].change, ImportedAccount::Change::Updated);
    EXPECT_EQ(outcome.accounts[0].name, "Checking");
    EXPECT_EQ(outcome.accounts[2].change, ImportedAccount::Change::Added);
    EXPECT_TRUE(s.modified);
    EXPECT_TRUE(s.resultsStale);
}

TEST(UpdateAccounts, NoStopsAndAFileWithoutKnownNamesIsRefused) {
    test::TempDir dir;
    Scenario s = updateScenario();
    test::ScriptedDialogs dialogs;
    const ImportOutcome declined = update(s, importFile("statement.tvi"), dir, dialogs);
    test::expectFields({FIELD_IS(declined.completed, false), FIELD_IS(dialogs.shown.size(), 1u),
                        FIELD_IS(s.accounts.accounts[0].initialAmount, 1000.0f)});

    test::ScriptedDialogs refused;
    const auto input = importFile("nomatch.tvi");
    EXPECT_FALSE(update(s, input, dir, refused).completed);
    ASSERT_EQ(refused.shown.size(), 1u);
    EXPECT_EQ(refused.shown[0].text, "Found 0 accounts in the file " + input.string() +
                                         ".\nPlease make sure this is the correct delimited "
                                         "file type.");
    EXPECT_EQ(refused.shown[0].title, "Possible incorrect file type.");
    EXPECT_EQ(refused.shown[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(s.modified);
}

TEST(UpdateAccounts, MatchesExactNamesCutToTheRecordsLength) {
    test::TempDir dir;
    const std::string longName = "Retirement account number 1234567"; // 33 bytes
    Scenario s = test::makeScenario("account name=\"" + longName.substr(0, 29) + "\"\n" +
                                    "account name=Savings amount=1\n");
    test::writeText(dir / "in.tvi", longName + "\tX\t10.00\nSavings\tX\t20.00\n"
                                               "Savings\tX\t30.00\nsavings\tX\t40.00\n");
    test::ScriptedDialogs dialogs;
    dialogs.answers = {Answer::Yes, Answer::No};
    update(s, dir / "in.tvi", dir, dialogs);
    // Three matches of two accounts: the count shown is capped at the number of accounts.
    EXPECT_EQ(dialogs.shown[0].text, "Updating 2 out of 2 accounts.\nDo you wish to continue?");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text,
              "Account savings is not an existing account.\nDo you wish to add it?");
    test::expectFields({FIELD_IS(s.accounts.accountCount, 2),
                        FIELD_IS(s.accounts.accounts[0].initialAmount, 10.0f),
                        FIELD_IS(s.accounts.accounts[1].initialAmount, 30.0f)});
}

TEST(UpdateAccounts, RemovesOnlyDuplicatesThisImportAdded) {
    test::TempDir dir;
    Scenario s = test::makeScenario(test::textBlock("editing/account_import_scenarios.txt",
                                                    "RemovesOnlyDuplicatesThisImportAdded"));
    test::writeText(dir / "in.tvi", "Other\tX\t30.00\nNewcomer\tX\t40.00\n");
    test::ScriptedDialogs dialogs;
    dialogs.answers = {Answer::Yes, Answer::Yes};
    int addedSlot = -1;
    const ImportOutcome outcome = updateAccountsFromFile(
        s, dir / "in.tvi", dir.path(), Delimiter::Tab, AccountSortState{}, dialogs,
        [&](Scenario& target) {
            // The user renames the new account to one that exists.
            AccountEditor editor(target, AccountEditMode::FromFile, -1, dialogs);
            FieldTexts fields = editor.texts();
            fields["account-name"] = "Other";
            addedSlot = target.accounts.accounts[3].slot;
            target.slots.penaltyRate[static_cast<std::size_t>(addedSlot)] = 5.0f;
            fields["penalty-rate"] = "5";
            return editor.ok(fields).accepted();
        });
    ASSERT_TRUE(outcome.completed);
    ASSERT_EQ(s.accounts.accountCount, 3);
    EXPECT_EQ(importedName(s, 0), "Other");
    EXPECT_EQ(s.accounts.accounts[0].initialAmount, 30.0f);
    EXPECT_EQ(importedName(s, 1), "Same");
    EXPECT_EQ(importedName(s, 2), "Same");
    EXPECT_EQ(s.accounts.accounts[3].slot, addedSlot);
    EXPECT_EQ(s.slots.penaltyRate[static_cast<std::size_t>(addedSlot)], 0.0f);
    ASSERT_EQ(outcome.accounts.size(), 1u);
    EXPECT_EQ(outcome.accounts[0].change, ImportedAccount::Change::Updated);
}

} // namespace
} // namespace finplan
