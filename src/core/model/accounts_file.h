#pragma once

#include "model/byte_io.h"
#include "model/scenario.h"
#include "platform/user_dialogs.h"

#include <cstddef>
#include <span>
#include <string>

namespace finplan {

// The ".ACC" file: the account table and the slot arrays, or the table alone.
inline constexpr std::size_t kAccountsFileBytes = AccountTable::kSize + AccountSlotArrays::kSize;

// Takes the accounts (and slot arrays) from a file's bytes; false, with the scenario untouched,
// when they are no accounts file.
bool decodeAccountsFile(std::span<const Byte> content, Scenario& scenario);

bool writeAccountsFile(const Scenario& scenario, const std::string& fileName, UserDialogs& dialogs);
bool readAccountsFile(Scenario& scenario, const std::string& fileName, UserDialogs& dialogs);

// Gives the accounts new ids 0, 1, 2, ... in name order, after asking.
bool reindexAccounts(Scenario& scenario, UserDialogs& dialogs);

} // namespace finplan
