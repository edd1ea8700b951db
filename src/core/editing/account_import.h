#pragma once

#include "editing/account_sort_state.h"
#include "editing/import_line.h"
#include "model/scenario.h"
#include "platform/user_dialogs.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace finplan {

// The file kind a name suggests: ".csv" (any case) a comma file, any other a tab file.
Delimiter delimiterForFile(const std::filesystem::path& file);

// Writes the intermediate file of `input` into the work directory. The old intermediate file
// goes first, so a failure never leaves an older one to be read; a failure shows
// "Cannot open %s." titled "File Open Error" and answers false.
bool convertStatementFile(const std::filesystem::path& input, const std::filesystem::path& workDir,
                          Delimiter delimiter, UserDialogs& dialogs);

// The confirmation of one account read from a file: the record at `accountCount` holds it;
// the hook shows it in the Account Information dialog (its file mode) and answers whether OK
// added it.
using ConfirmImportedAccount = std::function<bool(Scenario&)>;

// The hook that takes each account as the file gives it (the command line's).
bool acceptImportedAccount(Scenario& scenario, UserDialogs& dialogs);

// One account an import added or updated.
struct ImportedAccount {
    enum class Change { Added, Updated };
    Change change = Change::Added;
    int accountId = 0;
    std::string name; // as stored (Latin-1)
    float amount = 0.0f;
};

struct ImportOutcome {
    bool completed = false; // false when the import stopped at a failure or a No
    std::vector<ImportedAccount> accounts;
};

// Creates the accounts of a new scenario from a statement file; each account read is
// confirmed through the hook.
ImportOutcome createAccountsFromFile(Scenario& scenario, const std::filesystem::path& input,
                                     const std::filesystem::path& workDir, Delimiter delimiter,
                                     UserDialogs& dialogs, const ConfirmImportedAccount& confirm);

// Sets the initial amounts of the accounts named in a statement file, after one question for
// the whole file and one for each name no account has. Afterwards the table is sorted by
// `sort`; an account this import added that has the name of its neighbour is removed again.
ImportOutcome updateAccountsFromFile(Scenario& scenario, const std::filesystem::path& input,
                                     const std::filesystem::path& workDir, Delimiter delimiter,
                                     const AccountSortState& sort, UserDialogs& dialogs,
                                     const ConfirmImportedAccount& confirm);

} // namespace finplan
