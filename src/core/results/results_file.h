#pragma once

#include "platform/user_dialogs.h"

#include <fstream>
#include <optional>
#include <string>

namespace finplan {

// Opens an export file for writing, asking before an existing one is overwritten. Empty when
// the user said No or the file cannot be opened (then with the message).
std::optional<std::ofstream> openExportFile(const std::string& name, UserDialogs& dialogs);

// Opens the file a results page's Save writes; empty (after the message) when it cannot.
std::optional<std::ofstream> openResultsFile(const std::string& name, UserDialogs& dialogs);

} // namespace finplan
