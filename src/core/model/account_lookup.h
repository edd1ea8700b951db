#pragma once

#include "model/account_table.h"

#include <string>

namespace finplan {

// Table index of the first used account with this id, or -1.
int findAccountIndex(const AccountTable& table, int accountId);

// Appends the name of the account with this id to the text (nothing when there is none).
void appendAccountName(const AccountTable& table, int accountId, std::string& text);

} // namespace finplan
