#pragma once

#include "model/account_table.h"

namespace finplan {

// Makes the `slot` values of all 50 records unique and within 0..49.
void repairSlots(AccountTable& table);

} // namespace finplan
