#pragma once

#include "model/scenario.h"
#include "platform/user_dialogs.h"

#include <string>
#include <vector>

namespace finplan {

// The names of the events that need the account at `index`: Fundamentals, Deposit, Loan and
// Credit Card Debt events that name it, and Transfers that take money from it.
std::vector<std::string> eventsNeedingAccount(const Scenario& scenario, int index);

// Delete of the accounts list: refused, with one message per event that needs the account and
// a closing one, when events need it; otherwise the account is removed, and the scenario is
// modified and its results stale. False when nothing was deleted.
bool deleteAccount(Scenario& scenario, int index, UserDialogs& dialogs);

// Takes the account at `index` out of the table: its slot values cleared, the following
// accounts moved up, the freed last record cleared but for the slot (it takes the removed
// account's, so every slot stays owned by exactly one record), the count lowered.
void removeAccountAt(Scenario& scenario, int index);

} // namespace finplan
