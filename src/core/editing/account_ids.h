#pragma once

#include "model/account_table.h"

namespace finplan {

// The id a new account gets: the smallest one, counting up from `nextAccountId`, that no used
// account has. Ids start again at 10 below 0 and from 30000 on, also while counting, so that
// every id fits the 16-bit account fields of the events. `nextAccountId` becomes the id + 1;
// the count of accounts is the caller's.
int takeNewAccountId(AccountTable& table);

} // namespace finplan
