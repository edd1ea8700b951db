#include "model/account_lookup.h"

#include "model/text_field.h"

namespace finplan {

int findAccountIndex(const AccountTable& table, int accountId) {
    for (int i = 0; i < table.usedCount(); ++i) {
        if (table.accounts[static_cast<std::size_t>(i)].accountId == accountId) {
            return i;
        }
    }
    return -1;
}

void appendAccountName(const AccountTable& table, int accountId, std::string& text) {
    const int index = findAccountIndex(table, accountId);
    if (index >= 0) {
        text += fieldText(table.accounts[static_cast<std::size_t>(index)].name);
    }
}

} // namespace finplan
