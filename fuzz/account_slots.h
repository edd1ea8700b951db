#pragma once

#include "model/account_table.h"

#include <algorithm>
#include <array>

namespace finplan {

// Slots index the slot arrays, so each must lie inside them. Two records share one only when
// the repair had no slot left to give: it never hands out slot 0 to a duplicate, so that is
// when every slot from 1 up is taken.
inline bool slotsRepaired(const AccountTable& table) {
    std::array<bool, kMaxAccounts> taken{};
    bool shared = false;
    for (const AccountRecord& account : table.accounts) {
        if (account.slot >= kMaxAccounts) {
            return false;
        }
        shared = shared || taken[account.slot];
        taken[account.slot] = true;
    }
    return !shared || std::all_of(taken.begin() + 1, taken.end(), [](bool t) { return t; });
}

} // namespace finplan
