#include "editing/account_ids.h"

namespace finplan {

namespace {

constexpr int kFirstReusedId = 10;
constexpr int kIdLimit = 30000;

bool idInUse(const AccountTable& table, int id) {
    for (int i = 0; i < table.usedCount(); ++i) {
        if (table.accounts[static_cast<std::size_t>(i)].accountId == id) {
            return true;
        }
    }
    return false;
}

int wrapped(int id) {
    return (id < 0 || id >= kIdLimit) ? kFirstReusedId : id;
}

} // namespace

int takeNewAccountId(AccountTable& table) {
    // At most 50 ids are in use, so a free one is found well before the range runs out.
    int id = wrapped(table.nextAccountId);
    while (idInUse(table, id)) {
        id = wrapped(id + 1);
    }
    table.nextAccountId = id + 1;
    return id;
}

} // namespace finplan
