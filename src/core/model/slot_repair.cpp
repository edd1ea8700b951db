#include "model/slot_repair.h"

namespace finplan {

namespace {

// A free slot number, searching down from 49. Slot 0 is handed out only to a record whose slot
// lies outside the table: such a record must get a slot it can index, and one is always free.
int freeSlot(const std::array<bool, kMaxAccounts>& taken, bool allowZero) {
    const int lowest = allowZero ? 0 : 1;
    for (int s = kMaxAccounts - 1; s >= lowest; --s) {
        if (!taken[static_cast<std::size_t>(s)]) {
            return s;
        }
    }
    return -1;
}

void repairPass(AccountTable& table) {
    std::array<bool, kMaxAccounts> taken{};
    for (AccountRecord& account : table.accounts) {
        const bool inRange = account.slot < kMaxAccounts;
        if (inRange && !taken[account.slot]) {
            taken[account.slot] = true;
            continue;
        }
        const int slot = freeSlot(taken, !inRange);
        if (slot >= 0) {
            account.slot = static_cast<std::uint16_t>(slot);
            taken[static_cast<std::size_t>(slot)] = true;
        }
    }
}

} // namespace

void repairSlots(AccountTable& table) {
    repairPass(table);
    repairPass(table);
}

} // namespace finplan
