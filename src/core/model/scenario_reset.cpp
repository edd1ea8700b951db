#include "model/scenario_reset.h"

#include "model/text_field.h"

namespace finplan {

EventRecord emptyEvent() {
    return EventRecord{};
}

namespace {

// Where the IRS tables start (the first age of a required distribution).
constexpr int kNewLifeTableStartAge = 70;

void resetHeader(ScenarioHeader& header) {
    const ScenarioHeader kept = header;
    header = ScenarioHeader{};
    header.useBirthday = kept.useBirthday;
    header.birthMonth = kept.birthMonth;
    header.birthDay = kept.birthDay;
}

void resetAccounts(Scenario& scenario) {
    scenario.accounts = AccountTable{};
    scenario.slots = AccountSlotArrays{};
    for (AccountRecord& account : scenario.accounts.accounts) {
        setFieldText(account.accessOrder, " ");
    }
    resetSlotsToIndexes(scenario, 59.0f, 10.0f);
}

void resetBudgets(Scenario& scenario) {
    for (int i = 0; i < kBudgetCount; ++i) {
        Budget& budget = scenario.budgets[static_cast<std::size_t>(i)];
        budget = Budget{};
        setFieldText(budget.name, defaultBudgetName(i + 1));
        budget.sourceAccountId = -1;
    }
}

} // namespace

void resetScenario(Scenario& scenario) {
    resetHeader(scenario.header);
    resetAccounts(scenario);
    scenario.groups = GroupTable{};
    scenario.events.fill(emptyEvent());
    scenario.prefs.useDefaultFonts = 1;
    scenario.prefs.scheduleDefaultFonts = 1;
    scenario.prefs.scheduleFontFlag = 0;
    scenario.titles = ReportTitles{};
    resetBudgets(scenario);
}

void clearEvent(Scenario& scenario, int eventIndex) {
    if (eventIndex < 0 || eventIndex >= kEventCapacity) {
        return;
    }
    EventRecord& event = scenario.events[static_cast<std::size_t>(eventIndex)];
    EventRecord cleared = emptyEvent();
    cleared.listLine = event.listLine;
    cleared.sold = event.sold;
    event = cleared;
}

void resetSlotsToIndexes(Scenario& scenario, float penaltyAge, float penaltyRate) {
    for (int i = 0; i < kMaxAccounts; ++i) {
        const auto index = static_cast<std::size_t>(i);
        scenario.accounts.accounts[index].slot = static_cast<std::uint16_t>(i);
        scenario.slots.penaltyRate[index] = penaltyRate;
        scenario.slots.penaltyAge[index] = penaltyAge;
        scenario.slots.inAssetAllocation[index] = 0;
    }
}

void clearAccountDependents(Scenario& scenario) {
    AccountSlotArrays& slots = scenario.slots;
    slots.inAssetAllocation.fill(0);
    slots.rmdTable.fill(0);
    slots.firstWithdrawalAge.fill(0);
    scenario.accounts.assetAllocationMode = 0;
    scenario.groups = GroupTable{};
    slots.lifeTable1StartAge = kNewLifeTableStartAge;
    slots.lifeTable2StartAge = kNewLifeTableStartAge;
    slots.lifeTable3StartAge = kNewLifeTableStartAge;
    setFieldText(slots.lifeTable1Name, "IRA 1");
    setFieldText(slots.lifeTable2Name, "IRA 2");
    setFieldText(slots.lifeTable3Name, "IRA 3");
}

} // namespace finplan
