#include "model/account_sort.h"

#include "model/text_field.h"

#include <utility>

namespace finplan {

namespace {

unsigned char upper(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

template <class T>
int compareValues(T a, T b) {
    return (a < b) ? -1 : (b < a ? 1 : 0);
}

std::string_view groupNameOf(const Scenario& scenario, const AccountRecord& account) {
    if (account.group >= kGroupCount) {
        return {};
    }
    return fieldText(scenario.groups.groupNames[account.group]);
}

template <class T>
T slotValue(const std::array<T, kMaxAccounts>& values, const AccountRecord& account) {
    return account.slot < kMaxAccounts ? values[account.slot] : T{};
}

int compareByKey(const Scenario& scenario, AccountSortKey key, const AccountRecord& a,
                 const AccountRecord& b) {
    const AccountSlotArrays& slots = scenario.slots;
    switch (key) {
    case AccountSortKey::Name:
        return compareUpperCase(fieldText(a.name), fieldText(b.name));
    case AccountSortKey::GroupName:
        return compareUpperCase(groupNameOf(scenario, a), groupNameOf(scenario, b));
    case AccountSortKey::Penalty:
        return compareValues(a.penaltyApplies, b.penaltyApplies);
    case AccountSortKey::RmdTable:
        return compareValues(slotValue(slots.rmdTable, a) / 10, slotValue(slots.rmdTable, b) / 10);
    case AccountSortKey::AssetAllocation:
        return compareValues(slotValue(slots.inAssetAllocation, a),
                             slotValue(slots.inAssetAllocation, b));
    case AccountSortKey::Kind:
        return compareValues(a.kind, b.kind);
    case AccountSortKey::Rate:
        return compareValues(a.rate, b.rate);
    case AccountSortKey::InitialAmount:
        return compareValues(a.initialAmount, b.initialAmount);
    case AccountSortKey::AccessOrder:
        return compareUpperCase(fieldText(a.accessOrder), fieldText(b.accessOrder));
    }
    return 0;
}

// One sweep over the first end + 1 accounts; says whether it swapped any.
bool bubbleSweep(Scenario& scenario, AccountSortKey key, bool ascending, int end) {
    auto& accounts = scenario.accounts.accounts;
    bool swapped = false;
    for (int i = 0; i < end; ++i) {
        auto& left = accounts[static_cast<std::size_t>(i)];
        auto& right = accounts[static_cast<std::size_t>(i + 1)];
        const int order = compareByKey(scenario, key, left, right);
        if (ascending ? order > 0 : order < 0) {
            std::swap(left, right);
            swapped = true;
        }
    }
    return swapped;
}

// A sweep that swaps nothing leaves the list as it is, and so would every sweep after it:
// stopping there gives the same order, whatever the comparison, at a fraction of the work.
// Says whether the pass moved any account.
bool bubblePass(Scenario& scenario, AccountSortKey key, bool ascending) {
    bool moved = false;
    for (int end = scenario.accounts.usedCount() - 1; end > 0; --end) {
        if (!bubbleSweep(scenario, key, ascending, end)) {
            return moved;
        }
        moved = true;
    }
    return moved;
}

} // namespace

int compareUpperCase(std::string_view a, std::string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = upper(a[i]);
        const unsigned char y = upper(b[i]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return compareValues(a.size(), b.size());
}

void sortAccounts(Scenario& scenario, AccountSortKey key, bool ascending) {
    for (int pass = 0; pass < 3; ++pass) {
        if (!bubblePass(scenario, key, ascending)) {
            return;
        }
    }
}

} // namespace finplan
