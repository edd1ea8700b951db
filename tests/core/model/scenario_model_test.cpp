#include "model/account_lookup.h"
#include "model/account_sort.h"
#include "model/derived_totals.h"
#include "model/event_order.h"
#include "model/scenario_reset.h"
#include "model/slot_repair.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/field_checks.h"
#include "support/scenario_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace finplan {
namespace {

EventRecord event(float startAge, EventType type, std::string_view name) {
    EventRecord e;
    e.startAge = startAge;
    e.type = static_cast<std::int16_t>(type);
    setFieldText(e.name, name);
    return e;
}

std::vector<std::string> eventNames(const Scenario& s) {
    std::vector<std::string> names;
    for (int i = 0; i < s.liveEventCount; ++i) {
        names.emplace_back(fieldText(s.events[static_cast<std::size_t>(i)].name));
    }
    return names;
}

std::vector<std::string> accountNames(const Scenario& s) {
    std::vector<std::string> names;
    for (int i = 0; i < s.accounts.accountCount; ++i) {
        names.emplace_back(fieldText(s.accounts.accounts[static_cast<std::size_t>(i)].name));
    }
    return names;
}

TEST(ResetScenario, GivesNewScenarioValuesAndKeepsTheBirthDate) {
    Scenario s;
    s.header.birthMonth = 5;
    s.header.birthDay = 17;
    s.header.useBirthday = 1;
    s.header.taxRate = 33.0f;
    s.accounts.accountCount = 3;
    s.accounts.assetAllocationMode = 2;
    s.accounts.accounts[4].slot = 9;
    s.slots.rmdTable[2] = 10;
    setFieldText(s.groups.groupNames[0], "Stocks");
    s.events[0] = event(50, EventType::Deposit, "Pay");
    s.titles.useTitle2 = 1;
    s.budgets[2].itemCount = 4;
    s.prefs.useDefaultFonts = 0;
    s.prefs.windowWidth = 777;

    resetScenario(s);

    EXPECT_EQ(fieldText(s.accounts.accounts[4].accessOrder), " ");
    EXPECT_EQ(fieldText(s.groups.groupNames[0]), "");
    EXPECT_EQ(fieldText(s.budgets[0].name), "Budget 1");
    EXPECT_EQ(fieldText(s.budgets[4].name), "Budget 5");
    // Preferences, such as the window's width, are not part of a new scenario.
    test::expectFields(
        {FIELD_IS(s.header.birthMonth, 5), FIELD_IS(s.header.birthDay, 17),
         FIELD_IS(s.header.useBirthday, 1), FIELD_IS(s.header.taxRate, 15),
         FIELD_IS(s.header.startAge, 30), FIELD_IS(s.header.endAge, 84),
         FIELD_IS(s.header.avgInvestmentRate, 9), FIELD_IS(s.accounts.accountCount, 0),
         FIELD_IS(s.accounts.assetAllocationMode, 0), FIELD_IS(s.accounts.accounts[4].slot, 4),
         FIELD_IS(s.slots.penaltyAge[49], 59)});
    test::expectFields(
        {FIELD_IS(s.slots.penaltyRate[0], 10), FIELD_IS(s.slots.rmdTable[2], 0),
         FIELD_IS(s.events[0].type, 99), FIELD_IS(s.events[149].type, 99),
         FIELD_IS(s.titles.useTitle2, 0), FIELD_IS(s.budgets[2].itemCount, 0),
         FIELD_IS(s.budgets[3].sourceAccountId, -1), FIELD_IS(s.prefs.useDefaultFonts, 1),
         FIELD_IS(s.prefs.scheduleDefaultFonts, 1), FIELD_IS(s.prefs.windowWidth, 777)});
}

TEST(ClearEvent, EmptiesTheRecordButKeepsListLineAndSold) {
    Scenario s;
    s.events[3] = event(60, EventType::Mortgage, "House");
    s.events[3].listLine = 12;
    s.events[3].sold = 1;
    s.events[3].amount = 200000.0f;
    clearEvent(s, 3);
    EXPECT_EQ(fieldText(s.events[3].name), "");
    test::expectFields({FIELD_IS(s.events[3].type, 99), FIELD_IS(s.events[3].amount, 0),
                        FIELD_IS(s.events[3].startAge, 0), FIELD_IS(s.events[3].listLine, 12),
                        FIELD_IS(s.events[3].sold, 1)});
    clearEvent(s, 150); // outside the table: nothing happens
    clearEvent(s, -1);
}

TEST(AccountLookup, FindsOnlyUsedAccountsById) {
    Scenario s = test::makeScenario(
        test::textBlock("model/scenario_model_scenarios.txt", "FindsOnlyUsedAccountsById"));
    s.accounts.accounts[5].accountId = 11; // beyond accountCount: not used
    s.accounts.accounts[1].accountId = 0xFFFF;
    EXPECT_EQ(findAccountIndex(s.accounts, 7), 0);
    EXPECT_EQ(findAccountIndex(s.accounts, 3), 2);
    EXPECT_EQ(findAccountIndex(s.accounts, 11), -1);
    EXPECT_EQ(findAccountIndex(s.accounts, -1), -1); // "no account" never matches id 65535
    std::string text = "From ";
    appendAccountName(s.accounts, 7, text);
    appendAccountName(s.accounts, 42, text);
    EXPECT_EQ(text, "From Broker");
    s.accounts.accountCount = 60; // damaged count: the lookup stays inside the table
    EXPECT_EQ(findAccountIndex(s.accounts, 12345), -1);
}

AccountTable slotsFrom(int first) {
    AccountTable table;
    for (int i = 0; i < kMaxAccounts; ++i) {
        table.accounts[static_cast<std::size_t>(i)].slot = static_cast<std::uint16_t>(i + first);
    }
    return table;
}

TEST(RepairSlots, LaterDuplicatesGetTheHighestFreeSlots) {
    AccountTable table = slotsFrom(0); // 0..49
    table.accounts[48].slot = 3;
    table.accounts[49].slot = 3; // 48 and 49 are free
    repairSlots(table);
    EXPECT_EQ(table.accounts[3].slot, 3);
    EXPECT_EQ(table.accounts[48].slot, 49);
    EXPECT_EQ(table.accounts[49].slot, 48);

    // Visiting in table order, a duplicate early in the table takes a slot that a later
    // record holds; that record is then repaired in turn, and all end unique.
    table = slotsFrom(0);
    table.accounts[10].slot = 3;
    repairSlots(table);
    EXPECT_EQ(table.accounts[10].slot, 49);
    EXPECT_EQ(table.accounts[49].slot, 10);
}

TEST(RepairSlots, SlotZeroIsNeverHandedOutToADuplicate) {
    AccountTable table = slotsFrom(1); // 1..50: record 49 holds 50, outside the table
    table.accounts[49].slot = 5;       // only 0 is free
    repairSlots(table);
    EXPECT_EQ(table.accounts[49].slot, 5); // keeps its duplicate
}

TEST(RepairSlots, OutOfRangeSlotsFromADamagedFileAlwaysGetARealSlot) {
    AccountTable table = slotsFrom(0);
    table.accounts[49].slot = 400;
    repairSlots(table);
    EXPECT_EQ(table.accounts[49].slot, 49);

    table = slotsFrom(1);
    table.accounts[49].slot = 60000; // only 0 is free
    repairSlots(table);
    EXPECT_EQ(table.accounts[49].slot, 0);
}

TEST(EventOrder, StartAgeThenSignedTypeThenName) {
    Scenario s;
    const std::vector<EventRecord> events = {
        event(60, EventType::Withdrawal, "Rent"),    event(60, EventType::AssetAllocation, "AA"),
        event(60, EventType::Transfer, "Move"),      event(60, EventType::Mortgage, "House"),
        event(60, EventType::Loan, "Car"),           event(60, EventType::Deposit, "Pay"),
        event(60, EventType::Fundamentals, "Rates"), event(60, EventType::Rmd, "RMD"),
        event(60, EventType::Budget, "Old budget"),  event(45, EventType::Withdrawal, "Early"),
        event(60, EventType::Deposit, "Bonus"),      event(60, EventType::Deposit, "Award"),
    };
    for (std::size_t i = 0; i < events.size(); ++i) {
        s.events[i] = events[i];
    }
    s.liveEventCount = static_cast<int>(events.size());
    sortEvents(s);
    sortEventsByName(s);
    sortEvents(s);
    EXPECT_EQ(eventNames(s),
              (std::vector<std::string>{"Early", "Old budget", "RMD", "Rates", "Award", "Bonus",
                                        "Pay", "Car", "House", "Move", "Rent", "AA"}));
    EXPECT_EQ(s.events[12].type, 99); // records past the events are not touched
}

TEST(EventOrder, SortsAreStableAndNamesCompareAsUnsignedCStrings) {
    Scenario s;
    s.events[0] = event(50, EventType::Deposit, "B");
    s.events[1] = event(50, EventType::Deposit, "A");
    s.events[1].amount = 1;
    s.events[2] = event(50, EventType::Deposit, "\xE9t\xE9"); // high bytes after ASCII
    s.events[3] = event(50, EventType::Deposit, "A");
    s.events[3].amount = 2;
    s.events[3].name[5] = 'Z'; // garbage after the NUL does not count
    s.liveEventCount = 4;
    sortEvents(s);
    EXPECT_EQ(eventNames(s), (std::vector<std::string>{"B", "A", "\xE9t\xE9", "A"}));
    sortEventsByName(s);
    EXPECT_EQ(eventNames(s), (std::vector<std::string>{"A", "A", "B", "\xE9t\xE9"}));
    EXPECT_EQ(s.events[0].amount, 1.0f);
    EXPECT_EQ(s.events[1].amount, 2.0f);
}

TEST(DeriveTotals, SumsAndAveragesByKindWithZeroForMissingKinds) {
    Scenario s = test::makeScenario(test::textBlock(
        "model/scenario_model_scenarios.txt", "SumsAndAveragesByKindWithZeroForMissingKinds"));
    s.accounts.accounts[0].balance = 1.0f;
    s.accounts.accounts[0].currentRate = 0.0f;
    s.header.reserved2 = 5;
    deriveTotals(s);
    // The tax-free rate's default of 6 is replaced: there is no such account.
    test::expectFields(
        {FIELD_IS(s.header.initialInvestmentSavings, 1500),
         FIELD_IS(s.header.initialRetirementSavings, 2500.5f),
         FIELD_IS(s.header.initialEquity, 100000), FIELD_IS(s.header.initialTaxFreeSavings, 0),
         FIELD_IS(s.header.initialAssets, 0), FIELD_IS(s.header.avgInvestmentRate, 6.5f),
         FIELD_IS(s.header.avgRetirementRate, 7)});
    test::expectFields({FIELD_IS(s.header.avgEquityRate, 3), FIELD_IS(s.header.avgTaxFreeRate, 0),
                        FIELD_IS(s.header.avgAssetRate, 0), FIELD_IS(s.header.reserved2, 0),
                        FIELD_IS(s.header.reserved52, 0),
                        FIELD_IS(s.accounts.accounts[0].balance, 1000),
                        FIELD_IS(s.accounts.accounts[0].currentRate, 5)});
}

TEST(ResetRunFields, ClearsRunStateByEventType) {
    Scenario s = test::makeScenario("account name=A amount=1000 rate=5 slot=12");
    s.accounts.accounts[0].balance = 3;
    s.slots.firstWithdrawalAge[12] = 61;
    s.events[0] = event(50, EventType::Fundamentals, "Rates");
    s.events[1] = event(50, EventType::Transfer, "Move");
    s.events[2] = event(50, EventType::Loan, "Car");
    s.events[3] = event(50, EventType::Mortgage, "House");
    s.events[4] = event(50, EventType::Deposit, "Pay");
    for (int i = 0; i < 5; ++i) {
        EventRecord& e = s.events[static_cast<std::size_t>(i)];
        e.currentAmount = 1;
        e.equityValue = 2;
        e.state = 2;
        e.allFunds = 1;
        e.principalPaid = 3;
        e.totalInterestPaid = 4;
        e.oneTime = 1;
    }
    s.liveEventCount = 5;
    resetRunFields(s);
    for (int i = 0; i < 5; ++i) {
        const EventRecord& e = s.events[static_cast<std::size_t>(i)];
        SCOPED_TRACE(i);
        test::expectFields(
            {FIELD_IS(e.currentAmount, 0), FIELD_IS(e.equityValue, 0), FIELD_IS(e.state, 0)});
    }
    // Fundamentals keep their paid totals; a transfer's "all funds" and a deposit's "one time"
    // are their settings, but the debts' paid-off flags go.
    test::expectFields({FIELD_IS(s.accounts.accounts[0].balance, 1000),
                        FIELD_IS(s.slots.firstWithdrawalAge[12], 0),
                        FIELD_IS(s.events[0].principalPaid, 3),
                        FIELD_IS(s.events[0].totalInterestPaid, 4),
                        FIELD_IS(s.events[1].principalPaid, 0), FIELD_IS(s.events[1].allFunds, 1),
                        FIELD_IS(s.events[2].allFunds, 0), FIELD_IS(s.events[2].oneTime, 0),
                        FIELD_IS(s.events[3].oneTime, 0), FIELD_IS(s.events[4].oneTime, 1)});
}

TEST(AccountSort, ByNameIgnoresCaseAndMovesSlotsWithRecords) {
    Scenario s = test::makeScenario(test::textBlock("model/scenario_model_scenarios.txt",
                                                    "ByNameIgnoresCaseAndMovesSlotsWithRecords"));
    sortAccounts(s, AccountSortKey::Name, true);
    // Equal names keep their order; '_' sorts after letters.
    EXPECT_EQ(accountNames(s), (std::vector<std::string>{"Apple", "bank", "BANK", "_misc"}));
    EXPECT_EQ(s.accounts.accounts[0].slot, 32);
    EXPECT_EQ(s.accounts.accounts[3].accountId, 1);

    sortAccounts(s, AccountSortKey::InitialAmount, false);
    EXPECT_EQ(s.accounts.accounts[0].initialAmount, 4.0f);
    EXPECT_EQ(s.accounts.accounts[3].initialAmount, 1.0f);
}

TEST(AccountSort, ByAccessOrderAndBySlotValues) {
    Scenario s = test::makeScenario(
        test::textBlock("model/scenario_model_scenarios.txt", "ByAccessOrderAndBySlotValues"));
    s.slots.rmdTable[1] = 39; // only the tens digit counts
    s.slots.rmdTable[2] = 21;
    sortAccounts(s, AccountSortKey::AccessOrder, true);
    EXPECT_EQ(accountNames(s), (std::vector<std::string>{"Y", "Z", "X"}));
    sortAccounts(s, AccountSortKey::RmdTable, false); // tens digits 3, 2, 1
    EXPECT_EQ(accountNames(s), (std::vector<std::string>{"Y", "Z", "X"}));
}

} // namespace
} // namespace finplan
