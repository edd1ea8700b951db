#include "editing/account_delete.h"
#include "editing/account_editor.h"
#include "editing/account_ids.h"
#include "editing/account_sort_state.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/editor_session.h"
#include "support/field_checks.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace finplan {
namespace {

std::string nameAt(const Scenario& s, int index) {
    return std::string(fieldText(s.accounts.accounts[static_cast<std::size_t>(index)].name));
}

TEST(NewAccountId, CountsUpFromTheNextIdPastUsedOnes) {
    test::forEachCase("editing/account_form.txt", "id", 8, [&](const test::CaseLine& c) {
        AccountTable table;
        std::istringstream used(c.input("used"));
        for (int id = 0; used >> id;) {
            table.accounts[static_cast<std::size_t>(table.accountCount++)].accountId =
                static_cast<std::uint16_t>(id);
        }
        table.nextAccountId = std::stoi(c.input("next"));
        EXPECT_EQ(takeNewAccountId(table), std::stoi(c.answer("id")));
        EXPECT_EQ(table.nextAccountId, std::stoi(c.answer("next")));
    });
}

// Checking (id 0) feeds a deposit, Savings (1) is a transfer's source, Boat (2) a loan's
// account, Spend (3) only a withdrawal's and a transfer's destination.
Scenario eventScenario() {
    return test::makeScenario(
        test::textBlock("editing/account_editor_scenarios.txt", "eventScenario"));
}

TEST(DeleteAccount, RefusesAnAccountEventsNeed) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "Salary"}, {1, "Move"}, {2, "Boat loan"}};
    for (const auto& [index, event] : cases) {
        Scenario s = eventScenario();
        test::ScriptedDialogs dialogs;
        EXPECT_FALSE(deleteAccount(s, index, dialogs));
        ASSERT_EQ(dialogs.shown.size(), 2u);
        EXPECT_EQ(dialogs.shown[0].text, "This account is required by the " + event + " event.");
        EXPECT_EQ(dialogs.shown[0].title, "Account Deletion Problem!");
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(dialogs.shown.back().text,
                  "Make the necessary changes to your Financial Scenario.");
        EXPECT_EQ(dialogs.shown.back().title, "Cannot delete this account!");
        EXPECT_EQ(s.accounts.accountCount, 4);
        EXPECT_FALSE(s.modified);
    }
}

TEST(DeleteAccount, RemovesAnAccountOnlyWithdrawalsAndDestinationsUse) {
    Scenario s = eventScenario();
    s.slots.penaltyAge[3] = 59.0f;
    s.slots.penaltyRate[3] = 10.0f;
    s.slots.rmdTable[3] = 20;
    s.slots.inAssetAllocation[3] = 1;
    // The record past the used ones still holds another slot; the freed record takes 3.
    test::ScriptedDialogs dialogs;
    ASSERT_TRUE(deleteAccount(s, 3, dialogs));
    test::expectFields({FIELD_IS(dialogs.shown.empty(), true), FIELD_IS(s.accounts.accountCount, 3),
                        FIELD_IS(s.modified, true), FIELD_IS(s.resultsStale, true)});
    test::expectFields({FIELD_IS(s.slots.penaltyAge[3], 0.0f),
                        FIELD_IS(s.slots.penaltyRate[3], 0.0f), FIELD_IS(s.slots.rmdTable[3], 0),
                        FIELD_IS(s.slots.inAssetAllocation[3], 0)});
    const AccountRecord& freed = s.accounts.accounts[3];
    EXPECT_EQ(fieldText(freed.name), "");
    EXPECT_EQ(freed.slot, 3);
    EXPECT_EQ(freed.accountId, 0);
}

TEST(DeleteAccount, MovesLaterAccountsUpAndClearsTheFreedRecord) {
    Scenario s = test::makeScenario("account name=A group=2\naccount name=B group=3\n"
                                    "account name=C group=4\n");
    test::ScriptedDialogs dialogs;
    ASSERT_TRUE(deleteAccount(s, 0, dialogs));
    EXPECT_EQ(nameAt(s, 0), "B");
    EXPECT_EQ(nameAt(s, 1), "C");
    EXPECT_EQ(s.accounts.accounts[0].slot, 1);
    EXPECT_EQ(s.accounts.accounts[1].slot, 2);
    // Not a second copy of C: cleared, with the deleted account's slot and no group.
    EXPECT_EQ(nameAt(s, 2), "");
    EXPECT_EQ(s.accounts.accounts[2].slot, 0);
    EXPECT_EQ(s.accounts.accounts[2].group, 0);
    // A new account opened on it starts cleared.
    AccountEditor editor(s, AccountEditMode::New, -1, dialogs);
    EXPECT_EQ(editor.index(), 2);
    EXPECT_EQ(textOf(editor.texts(), "assign-group-to-account"), "");
}

Scenario formScenario() {
    Scenario s =
        test::makeScenario(test::textBlock("editing/account_editor_scenarios.txt", "formScenario"));
    return s;
}

// The numbers of the account record at `index` and of its scenario, by their names in the
// session file.
std::map<std::string, double> accountNumbers(const Scenario& s, int index) {
    const AccountRecord& a = s.accounts.accounts[static_cast<std::size_t>(index)];
    return {{"initialAmount", a.initialAmount},
            {"balance", a.balance},
            {"rate", a.rate},
            {"currentRate", a.currentRate},
            {"randomMinRate", a.randomMinRate},
            {"randomMaxRate", a.randomMaxRate},
            {"kind", a.kind},
            {"group", a.group},
            {"penaltyApplies", a.penaltyApplies},
            {"accountId", a.accountId},
            {"penaltyAge", s.slots.penaltyAge[a.slot]},
            {"penaltyRate", s.slots.penaltyRate[a.slot]},
            {"inAllocation", s.slots.inAssetAllocation[a.slot]},
            {"accountCount", s.accounts.accountCount},
            {"nextAccountId", s.accounts.nextAccountId},
            {"modified", s.modified},
            {"stale", s.resultsStale}};
}

// Plays one session of tests/data/editing/account_sessions.txt on formScenario, with the steps of
// test::playEditorStep and these. Before an "open": "scenario=block" of
// account_editor_scenarios.txt, "next-id=n", "kind-0=n" (of the first account), "full-table".
// "open=new" or "open=existing:index" opens an editor, the one before closed; "cancel" cancels;
// "key=text" types. Checks: "stored:name=n" of the account at "record=index" (0 unless set) and
// its scenario, "account-id=n" (the editor's), "text:name|access-order|label=text".
void playAccountSession(const test::CaseLine& session) {
    Scenario s = formScenario();
    test::ScriptedDialogs dialogs;
    std::unique_ptr<AccountEditor> editor;
    test::EditorPlay<AccountEditor> play;
    int record = 0;
    for (const auto& [step, value] : session.inputs) {
        SCOPED_TRACE(step + "=" + value);
        const auto [verb, key] = test::verbOf(step);
        const auto parts = test::partsOf(value, ':');
        if (verb == "scenario") {
            s = test::makeScenario(test::textBlock("editing/account_editor_scenarios.txt", value));
        } else if (verb == "next-id") {
            s.accounts.nextAccountId = std::stoi(value);
        } else if (verb == "kind-0") {
            s.accounts.accounts[0].kind = static_cast<std::uint16_t>(std::stoi(value));
        } else if (verb == "full-table") {
            s.accounts.accountCount = kMaxAccounts;
        } else if (verb == "record") {
            record = std::stoi(value);
        } else if (verb == "open") {
            editor.reset();
            const bool existing = parts[0] == "existing";
            editor = std::make_unique<AccountEditor>(
                s, existing ? AccountEditMode::Existing : AccountEditMode::New,
                existing ? std::stoi(parts[1]) : -1, dialogs);
            play = {editor.get(), editor->texts(), &dialogs, {}};
        } else if (test::playEditorStep(play, step, value)) {
            continue;
        } else if (verb == "cancel") {
            editor->cancel();
        } else if (verb == "stored") {
            EXPECT_EQ(accountNumbers(s, record).at(key), std::stof(value)) << key;
        } else if (verb == "account-id") {
            EXPECT_EQ(editor->accountId(), std::stoi(value));
        } else if (verb == "text") {
            const AccountRecord& a = s.accounts.accounts[static_cast<std::size_t>(record)];
            EXPECT_EQ(key == "name"           ? std::string(fieldText(a.name))
                      : key == "access-order" ? std::string(fieldText(a.accessOrder))
                                              : editor->session().label(),
                      value);
        } else {
            play.fields[step] = value;
        }
    }
}

TEST(AccountEditor, SessionsOfTheDataFile) {
    test::forEachCase("editing/account_sessions.txt", "", 5, playAccountSession);
}

TEST(AccountEditor, ShowsAnAccountAsTheDialogDoes) {
    Scenario s = formScenario();
    test::ScriptedDialogs dialogs;
    AccountEditor editor(s, AccountEditMode::Existing, 0, dialogs);
    const auto expected = test::textsOf<FieldTexts>(
        "account-name=Roth IRA;initial-amount=1234.50      ;effective-yearly-rate=6.250   ;"
        "random-minimum-rate=-3.000  ;random-maximum-rate=12.500  ;access-order=2;"
        "select-account-type=4;assign-group-to-account=2;early-withdrawals-subject-to-penalty=on;"
        "penalty-age=59.00 ;penalty-rate=10.000  ");
    EXPECT_EQ(editor.texts(), expected);
    ASSERT_EQ(editor.groups().size(), 2u); // "B" is too short a name to be listed
    EXPECT_EQ(editor.groups()[0].name, "Bonds");
    EXPECT_EQ(editor.groups()[0].group, 2);
    EXPECT_EQ(editor.groups()[1].name, "Stocks");
    EXPECT_TRUE(editor.disabledFields(editor.texts()).empty());
}

TEST(AccountEditor, RefusesOutOfRangeValuesWithTheFirstRefusal) {
    test::forEachCase("editing/account_form.txt", "refuse", 8, [&](const test::CaseLine& c) {
        const std::string& key = c.input("key");
        Scenario s = formScenario();
        test::ScriptedDialogs dialogs;
        AccountEditor editor(s, AccountEditMode::Existing, 0, dialogs);
        FieldTexts fields = editor.texts();
        fields["account-name"] = "Changed";
        fields[key] = c.input("text");
        // A later field out of range too: only the first refusal is shown.
        if (key != "penalty-age") {
            fields["penalty-age"] = "500";
        }
        const CalcResult result = editor.ok(fields);
        ASSERT_FALSE(result.accepted());
        EXPECT_EQ(result.refusal->field, key);
        EXPECT_EQ(dialogs.transcript(), c.answer("title") + "|" + c.answer("text"));
        EXPECT_FALSE(editor.closed());
        // Nothing of the refused OK is kept.
        EXPECT_EQ(nameAt(s, 0), "Roth IRA");
        EXPECT_FALSE(s.modified);
    });
}

TEST(AccountSortState, HeaderClicksFlipTheirKeysSwitch) {
    AccountSortState state;
    EXPECT_TRUE(state.clickColumn(5));
    EXPECT_EQ(state.key, AccountSortKey::InitialAmount);
    EXPECT_TRUE(state.ascendingFor(AccountSortKey::InitialAmount));
    state.clickColumn(5);
    EXPECT_FALSE(state.ascendingFor(AccountSortKey::InitialAmount));
    EXPECT_FALSE(state.clickColumn(7));
    EXPECT_EQ(state.key, AccountSortKey::InitialAmount);
    state.clickColumn(3);
    EXPECT_EQ(state.key, AccountSortKey::Kind);
    state.sortByWithdrawalOrder(true);
    EXPECT_EQ(state.key, AccountSortKey::AccessOrder);
    EXPECT_TRUE(state.ascendingFor(AccountSortKey::AccessOrder));
    state.clickColumn(0);
    EXPECT_FALSE(state.ascendingFor(AccountSortKey::Name));
    state.sortByWithdrawalOrder(false);
    EXPECT_EQ(state.key, AccountSortKey::Name);
    EXPECT_TRUE(state.ascendingFor(AccountSortKey::Name));
}

} // namespace
} // namespace finplan
