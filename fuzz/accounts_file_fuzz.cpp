// The accounts file reader on any bytes. A file it refuses leaves the accounts alone. One it
// takes keeps every byte but the slots it had to mend, leaves the slots repaired, and its table
// and slot arrays written out read back to the same bytes.

#include "account_slots.h"
#include "fuzz_check.h"
#include "model/accounts_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace {

using namespace finplan;

// The file as the accounts dialog writes it: the table, then the slot arrays.
std::vector<Byte> accountsImage(const Scenario& scenario) {
    std::vector<Byte> bytes(kAccountsFileBytes);
    encodeRecord(scenario.accounts, std::span<Byte>(bytes));
    encodeRecord(scenario.slots, std::span<Byte>(bytes).subspan(AccountTable::kSize));
    return bytes;
}

// The table as read differs from the file's only in slots the reader had to mend.
bool onlySlotsMended(std::span<const Byte> file, const AccountTable& read) {
    AccountTable stored = decodeRecord<AccountTable>(file);
    for (std::size_t i = 0; i < stored.accounts.size(); ++i) {
        stored.accounts[i].slot = read.accounts[i].slot;
    }
    return encodeRecord(stored) == encodeRecord(read);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const Byte> bytes(data, size);
    static const std::vector<Byte> untouched = accountsImage(*std::make_unique<Scenario>());
    auto scenario = std::make_unique<Scenario>();
    if (!decodeAccountsFile(bytes, *scenario)) {
        FUZZ_CHECK(accountsImage(*scenario) == untouched);
        return 0;
    }
    FUZZ_CHECK(size == AccountTable::kSize || size == kAccountsFileBytes);
    FUZZ_CHECK(slotsRepaired(scenario->accounts));
    const std::vector<Byte> image = accountsImage(*scenario);
    FUZZ_CHECK(onlySlotsMended(bytes, scenario->accounts));
    if (size == kAccountsFileBytes) {
        FUZZ_CHECK(std::equal(image.begin() + AccountTable::kSize, image.end(),
                              bytes.begin() + AccountTable::kSize));
    }

    auto again = std::make_unique<Scenario>();
    FUZZ_CHECK(decodeAccountsFile(image, *again));
    FUZZ_CHECK(accountsImage(*again) == image);
    return 0;
}
