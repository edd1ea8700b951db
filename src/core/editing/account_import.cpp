#include "editing/account_import.h"

#include "editing/account_delete.h"
#include "editing/account_editor.h"
#include "editing/number_text.h"
#include "model/file_io.h"
#include "model/safe_write.h"
#include "model/scenario_reset.h"
#include "model/slot_repair.h"
#include "model/text_field.h"

#include <algorithm>
#include <optional>
#include <system_error>

namespace finplan {

namespace {

constexpr std::size_t kMaxStatementBytes = 64 * 1024 * 1024;
constexpr std::size_t kStoredNameLength = 29;

std::optional<std::string> readText(const std::filesystem::path& path) {
    const auto bytes = readFileBytes(path, kMaxStatementBytes);
    if (!bytes) {
        return std::nullopt;
    }
    return std::string(bytes->begin(), bytes->end());
}

// "Tabout.tmp" / "Csvout.tmp", as the messages about reading it back name it.
std::string shownIntermediateName(Delimiter delimiter) {
    std::string name(intermediateFileName(delimiter));
    name.front() = static_cast<char>(name.front() - 'a' + 'A');
    return name;
}

// Names longer than a record holds are compared as the record holds them.
std::string_view storedName(std::string_view name) {
    return name.substr(0, std::min(name.size(), kStoredNameLength));
}

float amountValue(const std::string& amount) {
    return static_cast<float>(parseNumberText(amount).value_or(0.0));
}

// The converted file read back; empty after the message when it cannot be read.
std::optional<std::string> convertAndRead(const std::filesystem::path& input,
                                          const std::filesystem::path& workDir, Delimiter delimiter,
                                          std::string_view openFailure, UserDialogs& dialogs) {
    if (!convertStatementFile(input, workDir, delimiter, dialogs)) {
        return std::nullopt;
    }
    auto text = readText(workDir / intermediateFileName(delimiter));
    if (!text) {
        dialogs.error(std::string(openFailure), "File Open Error");
    }
    return text;
}

bool tableFull(const Scenario& scenario, UserDialogs& dialogs) {
    if (scenario.accounts.accountCount < kMaxAccounts) {
        return false;
    }
    dialogs.error("Number of accounts exceed limit.", "Account Error");
    return true;
}

// The record past the used accounts made the account a file line describes. It is counted
// only when the confirmation adds it.
void prepareImportedAccount(Scenario& scenario, const NameAmount& line) {
    AccountTable& table = scenario.accounts;
    repairSlots(table);
    const int index = table.accountCount;
    AccountRecord& account = table.accounts[static_cast<std::size_t>(index)];
    AccountRecord prepared;
    prepared.slot = account.slot;
    setFieldText(prepared.name, storedName(line.name));
    prepared.initialAmount = amountValue(line.amount);
    prepared.rate = 10.0f;
    prepared.kind = static_cast<std::uint16_t>(AccountKind::InvestmentSavings);
    prepared.randomMinRate = 0.0f;
    prepared.randomMaxRate = 20.0f;
    setFieldText(prepared.accessOrder, std::to_string(index));
    account = prepared;
    scenario.slots.inAssetAllocation[account.slot] = 0;
    scenario.slots.rmdTable[account.slot] = 0;
}

// Adds the line's account when the hook confirms it; the added account, if any.
std::optional<ImportedAccount> addFromLine(Scenario& scenario, const NameAmount& line,
                                           const ConfirmImportedAccount& confirm) {
    prepareImportedAccount(scenario, line);
    const int before = scenario.accounts.accountCount;
    if (!confirm(scenario) || scenario.accounts.accountCount != before + 1) {
        return std::nullopt;
    }
    const AccountRecord& added = scenario.accounts.accounts[static_cast<std::size_t>(before)];
    return ImportedAccount{ImportedAccount::Change::Added, added.accountId,
                           std::string(fieldText(added.name)), added.initialAmount};
}

std::vector<int> indexesNamed(const Scenario& scenario, std::string_view name) {
    std::vector<int> found;
    const AccountTable& table = scenario.accounts;
    for (int i = 0; i < table.usedCount(); ++i) {
        if (fieldText(table.accounts[static_cast<std::size_t>(i)].name) == storedName(name)) {
            found.push_back(i);
        }
    }
    return found;
}

// Neighbours of one name after the sort: the one this import added goes (the later one when
// both were added); accounts the user had all stay.
void removeAddedDuplicates(Scenario& scenario, std::vector<ImportedAccount>& accounts) {
    const auto wasAdded = [&](int id) {
        return std::any_of(accounts.begin(), accounts.end(), [&](const ImportedAccount& a) {
            return a.change == ImportedAccount::Change::Added && a.accountId == id;
        });
    };
    AccountTable& table = scenario.accounts;
    int i = 0;
    while (i + 1 < table.usedCount()) {
        const AccountRecord& left = table.accounts[static_cast<std::size_t>(i)];
        const AccountRecord& right = table.accounts[static_cast<std::size_t>(i + 1)];
        int doomed = -1;
        if (fieldText(left.name) == fieldText(right.name)) {
            doomed = wasAdded(right.accountId) ? i + 1 : (wasAdded(left.accountId) ? i : -1);
        }
        if (doomed < 0) {
            ++i;
            continue;
        }
        const int id = table.accounts[static_cast<std::size_t>(doomed)].accountId;
        std::erase_if(accounts, [&](const ImportedAccount& a) { return a.accountId == id; });
        removeAccountAt(scenario, doomed);
    }
}

} // namespace

Delimiter delimiterForFile(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return extension == ".csv" ? Delimiter::Comma : Delimiter::Tab;
}

bool convertStatementFile(const std::filesystem::path& input, const std::filesystem::path& workDir,
                          Delimiter delimiter, UserDialogs& dialogs) {
    const std::filesystem::path output = workDir / intermediateFileName(delimiter);
    std::error_code ignored;
    std::filesystem::remove(output, ignored);
    const auto content = readText(input);
    if (!content) {
        dialogs.error("Cannot open " + input.string() + ".", "File Open Error");
        return false;
    }
    if (!writeFileReplacing(output, convertStatement(*content, delimiter),
                            NewFileMode::OwnerOnly)) {
        dialogs.error("Cannot open " + std::string(intermediateFileName(delimiter)) + ".",
                      "File Open Error");
        return false;
    }
    return true;
}

bool acceptImportedAccount(Scenario& scenario, UserDialogs& dialogs) {
    AccountEditor editor(scenario, AccountEditMode::FromFile, -1, dialogs);
    if (editor.closed()) {
        return false;
    }
    return editor.ok(editor.texts()).accepted();
}

ImportOutcome createAccountsFromFile(Scenario& scenario, const std::filesystem::path& input,
                                     const std::filesystem::path& workDir, Delimiter delimiter,
                                     UserDialogs& dialogs, const ConfirmImportedAccount& confirm) {
    ImportOutcome outcome;
    const auto text =
        convertAndRead(input, workDir, delimiter,
                       "Cannot open " + shownIntermediateName(delimiter) + " file.", dialogs);
    if (!text) {
        return outcome;
    }
    clearAccountDependents(scenario);
    bool stopped = false;
    forEachLine(*text, [&](std::string_view line) {
        if (stopped || line.size() < 3) {
            return;
        }
        const auto read = readIntermediateLine(line, LineFilter::Create, 3);
        if (!read) {
            return;
        }
        if (tableFull(scenario, dialogs)) {
            stopped = true;
            return;
        }
        if (auto added = addFromLine(scenario, *read, confirm)) {
            outcome.accounts.push_back(std::move(*added));
        }
    });
    outcome.completed = !stopped;
    return outcome;
}

ImportOutcome updateAccountsFromFile(Scenario& scenario, const std::filesystem::path& input,
                                     const std::filesystem::path& workDir, Delimiter delimiter,
                                     const AccountSortState& sort, UserDialogs& dialogs,
                                     const ConfirmImportedAccount& confirm) {
    ImportOutcome outcome;
    const auto text =
        convertAndRead(input, workDir, delimiter,
                       "Cannot open the " + shownIntermediateName(delimiter) + " file.", dialogs);
    if (!text) {
        return outcome;
    }
    std::vector<NameAmount> lines;
    forEachLine(*text, [&](std::string_view line) {
        if (auto read = readIntermediateLine(line, LineFilter::Update, 2)) {
            lines.push_back(std::move(*read));
        }
    });
    std::size_t matches = 0;
    for (const NameAmount& line : lines) {
        matches += indexesNamed(scenario, line.name).size();
    }
    const int count = scenario.accounts.usedCount();
    if (matches == 0) {
        dialogs.error("Found 0 accounts in the file " + input.string() +
                          ".\nPlease make sure this is the correct delimited file type.",
                      "Possible incorrect file type.");
        return outcome;
    }
    const std::size_t shownMatches = std::min(matches, static_cast<std::size_t>(count));
    if (dialogs.ask("Updating " + std::to_string(shownMatches) + " out of " +
                        std::to_string(count) + " accounts.\nDo you wish to continue?",
                    "Updating Accounts", MessageIcon::Question) != Answer::Yes) {
        return outcome;
    }
    scenario.modified = true;
    scenario.resultsStale = true;
    for (const NameAmount& line : lines) {
        const std::vector<int> found = indexesNamed(scenario, line.name);
        for (const int index : found) {
            AccountRecord& account = scenario.accounts.accounts[static_cast<std::size_t>(index)];
            account.initialAmount = amountValue(line.amount);
            outcome.accounts.push_back({ImportedAccount::Change::Updated, account.accountId,
                                        std::string(fieldText(account.name)),
                                        account.initialAmount});
        }
        if (!found.empty() ||
            dialogs.ask("Account " + line.name +
                            " is not an existing account.\nDo you wish to "
                            "add it?",
                        "New Account Found", MessageIcon::Question) != Answer::Yes ||
            tableFull(scenario, dialogs)) {
            continue;
        }
        if (auto added = addFromLine(scenario, line, confirm)) {
            outcome.accounts.push_back(std::move(*added));
        }
    }
    sortAccounts(scenario, sort);
    removeAddedDuplicates(scenario, outcome.accounts);
    outcome.completed = true;
    return outcome;
}

} // namespace finplan
