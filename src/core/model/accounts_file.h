#pragma once

#include "model/scenario.h"
#include "platform/user_dialogs.h"

#include <string>

namespace finplan {

// The ".ACC" file: the account table and the slot arrays.
bool writeAccountsFile(const Scenario& scenario, const std::string& fileName, UserDialogs& dialogs);
bool readAccountsFile(Scenario& scenario, const std::string& fileName, UserDialogs& dialogs);

// Gives the accounts new ids 0, 1, 2, ... in name order, after asking.
bool reindexAccounts(Scenario& scenario, UserDialogs& dialogs);

} // namespace finplan
