#include "editing/account_delete.h"

#include "editing/edit_session.h"
#include "model/text_field.h"

namespace finplan {

namespace {

bool needsAccount(const EventRecord& event, int accountId) {
    switch (static_cast<EventType>(event.type)) {
    case EventType::Fundamentals:
    case EventType::Deposit:
    case EventType::Loan:
        return event.accountId == accountId;
    case EventType::Transfer:
        return event.fromAccountId == accountId;
    default:
        return false;
    }
}

} // namespace

std::vector<std::string> eventsNeedingAccount(const Scenario& scenario, int index) {
    std::vector<std::string> names;
    if (index < 0 || index >= scenario.accounts.usedCount()) {
        return names;
    }
    const int id = scenario.accounts.accounts[static_cast<std::size_t>(index)].accountId;
    for (int e = 0; e < scenario.usedEventCount(); ++e) {
        const EventRecord& event = scenario.events[static_cast<std::size_t>(e)];
        if (needsAccount(event, id)) {
            names.emplace_back(fieldText(event.name));
        }
    }
    return names;
}

void removeAccountAt(Scenario& scenario, int index) {
    AccountTable& table = scenario.accounts;
    const int count = table.usedCount();
    if (index < 0 || index >= count) {
        return;
    }
    const std::uint16_t slot = table.accounts[static_cast<std::size_t>(index)].slot;
    if (slot < kMaxAccounts) {
        AccountSlotArrays& slots = scenario.slots;
        slots.rmdTable[slot] = 0;
        slots.inAssetAllocation[slot] = 0;
        slots.penaltyAge[slot] = 0.0f;
        slots.penaltyRate[slot] = 0.0f;
    }
    for (int i = index; i + 1 < count; ++i) {
        table.accounts[static_cast<std::size_t>(i)] =
            table.accounts[static_cast<std::size_t>(i + 1)];
    }
    AccountRecord freed;
    freed.slot = slot;
    table.accounts[static_cast<std::size_t>(count - 1)] = freed;
    table.accountCount = static_cast<std::int16_t>(count - 1);
}

bool deleteAccount(Scenario& scenario, int index, UserDialogs& dialogs) {
    if (index < 0 || index >= scenario.accounts.usedCount()) {
        return false;
    }
    const std::vector<std::string> needing = eventsNeedingAccount(scenario, index);
    for (const std::string& name : needing) {
        dialogs.show({"This account is required by the " + name + " event.",
                      "Account Deletion Problem!", MessageIcon::Exclamation, MessageButtons::Ok});
    }
    if (!needing.empty()) {
        dialogs.show({"Make the necessary changes to your Financial Scenario.",
                      "Cannot delete this account!", MessageIcon::Exclamation, MessageButtons::Ok});
        return false;
    }
    EditSession session(scenario);
    removeAccountAt(scenario, index);
    session.commit("Delete Account");
    return true;
}

} // namespace finplan
