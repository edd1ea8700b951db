#include "model/accounts_file.h"

#include "model/account_sort.h"
#include "model/file_io.h"
#include "model/scenario_reset.h"
#include "model/slot_repair.h"

namespace finplan {

bool writeAccountsFile(const Scenario& scenario, const std::string& fileName,
                       UserDialogs& dialogs) {
    if (fileExists(fileName) && dialogs.ask(fileName + " exists - Overwrite anyway?",
                                            "FILE WARNING", MessageIcon::Question) != Answer::Yes) {
        return true; // the user kept the file; nothing to report
    }
    std::vector<Byte> bytes(kAccountsFileBytes);
    encodeRecord(scenario.accounts, std::span<Byte>(bytes));
    encodeRecord(scenario.slots, std::span<Byte>(bytes).subspan(AccountTable::kSize));
    if (const WriteResult written = writeFileReplacing(fileName, bytes); !written) {
        dialogs.error("Cannot write " + fileName + " accounts file!\n" +
                          writeFailureText(fileName, written),
                      "Write Error");
        return false;
    }
    return true;
}

bool decodeAccountsFile(std::span<const Byte> content, Scenario& scenario) {
    const bool withSlots = content.size() == kAccountsFileBytes;
    if (content.size() != AccountTable::kSize && !withSlots) {
        return false;
    }
    const auto table = decodeRecord<AccountTable>(content);
    if (table.accountCount < 0 || table.accountCount > kMaxAccounts) {
        return false;
    }
    scenario.accounts = table;
    if (withSlots) {
        scenario.slots = decodeRecord<AccountSlotArrays>(content.subspan(AccountTable::kSize));
    } else {
        resetSlotsToIndexes(scenario, 59.0f, 10.0f);
    }
    // Slots index the slot arrays: a damaged file must not leave one out of range.
    repairSlots(scenario.accounts);
    return true;
}

bool readAccountsFile(Scenario& scenario, const std::string& fileName, UserDialogs& dialogs) {
    const auto bytes = readFileBytes(fileName, kAccountsFileBytes + 1);
    if (!bytes) {
        dialogs.error("Cannot read " + fileName + " accounts file!", "Read Error");
        return false;
    }
    if (!decodeAccountsFile(*bytes, scenario)) {
        dialogs.error("The file " + fileName + " does not appear to be a valid accounts file!",
                      "FILE WARNING");
        return false;
    }
    scenario.modified = true;
    scenario.resultsStale = true;
    return true;
}

bool reindexAccounts(Scenario& scenario, UserDialogs& dialogs) {
    if (dialogs.ask("This may change the account assignments in your scenario!\nDo you wish to "
                    "continue?",
                    "Accounts", MessageIcon::Question) != Answer::Yes) {
        return false;
    }
    AccountTable& table = scenario.accounts;
    table.nextAccountId = 0;
    sortAccounts(scenario, AccountSortKey::Name, true);
    for (int i = 0; i < table.usedCount(); ++i) {
        table.accounts[static_cast<std::size_t>(i)].accountId =
            static_cast<std::uint16_t>(table.nextAccountId++);
    }
    scenario.modified = true;
    scenario.resultsStale = true;
    dialogs.show({"The Accounts have been re-indexed.\nPlease check the account assignments in "
                  "your scenario.",
                  "Accounts", MessageIcon::Exclamation, MessageButtons::Ok});
    return true;
}

} // namespace finplan
