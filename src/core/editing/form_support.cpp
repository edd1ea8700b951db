#include "editing/form_support.h"

#include "editing/field_check.h"
#include "editing/name_text.h"
#include "model/account_lookup.h"
#include "model/account_sort.h"
#include "model/text_field.h"
#include "results/text_format.h"

#include <cfloat>
#include <charconv>
#include <cmath>

namespace finplan {

namespace {

constexpr std::size_t kEventNameLength = 49;

} // namespace

std::string shown(const char* format, double value) {
    return formatText(format, value);
}

std::string shownWhole(const char* format, int value) {
    return formatText(format, value);
}

std::string shownName(const EventRecord& event) {
    return utf8FromLatin1(fieldText(event.name));
}

void storeName(EventRecord& event, std::string_view text) {
    setFieldText(event.name, latin1Name(text, kEventNameLength));
}

std::vector<PickerChoice> accountChoices(Scenario& scenario, bool withNone) {
    sortAccounts(scenario, AccountSortKey::Name, true);
    std::vector<PickerChoice> choices;
    if (withNone) {
        choices.push_back({"No Selection", kNoAccount});
    }
    const AccountTable& table = scenario.accounts;
    for (int i = 0; i < table.usedCount(); ++i) {
        const AccountRecord& account = table.accounts[static_cast<std::size_t>(i)];
        choices.push_back({utf8FromLatin1(fieldText(account.name)), account.accountId});
    }
    return choices;
}

std::string pickerText(const Scenario& scenario, int accountId, bool chosen, bool withNone) {
    if (chosen && accountId >= 0 && findAccountIndex(scenario.accounts, accountId) >= 0) {
        return std::to_string(accountId);
    }
    return withNone ? "-1" : "";
}

PickedAccount pickedAccount(const Scenario& scenario, std::string_view text) {
    int id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return {};
    }
    if (id == kNoAccount) {
        return {true, std::nullopt};
    }
    if (findAccountIndex(scenario.accounts, id) < 0) {
        return {};
    }
    return {false, id};
}

bool inAssetAllocation(const Scenario& scenario, int accountId) {
    const int index = findAccountIndex(scenario.accounts, accountId);
    if (index < 0) {
        return false;
    }
    const std::uint16_t slot = scenario.accounts.accounts[static_cast<std::size_t>(index)].slot;
    return slot < kMaxAccounts && scenario.slots.inAssetAllocation[slot] == 1;
}

void refuseAssetAllocationAccount(FieldReader& in, std::string_view key) {
    in.refuse(key, "Account Warning",
              "You cannot select an account that is part of an Asset Allocation!",
              MessageIcon::Stop);
}

bool storePaymentsAccount(const Scenario& scenario, FieldReader& in, const FieldTexts& fields,
                          std::int16_t& accountId, std::int16_t& marker) {
    const PickedAccount picked = pickedAccount(scenario, textOf(fields, "payments-account"));
    if (!picked.accountId) {
        accountId = kNoAccount;
        marker = 0;
        return true;
    }
    if (inAssetAllocation(scenario, *picked.accountId)) {
        refuseAssetAllocationAccount(in, "payments-account");
        return false;
    }
    accountId = static_cast<std::int16_t>(*picked.accountId);
    marker = kAccountChosenMarker;
    return true;
}

std::optional<float> wholeAge(FieldReader& in, std::string_view key, std::string_view title) {
    const auto age = in.real(key, 1.0, 120.0, title, validationMessage(7));
    if (!age) {
        return std::nullopt;
    }
    return std::trunc(*age);
}

float uncheckedWhole(const FieldReader& in, std::string_view key) {
    const double value = std::trunc(in.number(key));
    // A number no float can hold counts as no number, like any other text that is none.
    return std::fabs(value) <= FLT_MAX ? static_cast<float>(value) : 0.0f;
}

} // namespace finplan
