#pragma once

#include "calculators/calc_fields.h"
#include "editing/event_editor.h"
#include "model/scenario.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// Steps the editors share: shown numbers, names, account pickers and the age fields.

// A number as a field shows it, e.g. shown("%-6.2f", 65) is "65.00 ".
std::string shown(const char* format, double value);
// A whole number as a field shows it ("%-2d", "%3d").
std::string shownWhole(const char* format, int value);

// A stored name as the Description field shows it, and a typed one into the record.
std::string shownName(const EventRecord& event);
void storeName(EventRecord& event, std::string_view text);

// A picker's entries: the accounts sorted by name (the table itself is sorted, as every
// picker does), "No Selection" first when asked.
std::vector<PickerChoice> accountChoices(Scenario& scenario, bool withNone);

// A picker's text on opening: the id when the account is found (and, for a picker that takes
// money from it, when the marker says one was chosen); "-1" in a picker with "No Selection",
// else "".
std::string pickerText(const Scenario& scenario, int accountId, bool chosen, bool withNone);

// What a picker's text chooses: an account's id, kNoAccount for "No Selection", or nothing
// (no text, or an id no account has).
struct PickedAccount {
    bool none = false;
    std::optional<int> accountId;
};
PickedAccount pickedAccount(const Scenario& scenario, std::string_view text);

// Whether the account is part of the asset allocation, which no picker may take money from.
bool inAssetAllocation(const Scenario& scenario, int accountId);
// The refusal of such a choice.
void refuseAssetAllocationAccount(FieldReader& in, std::string_view key);

// The "Withdraw payments from account:" picker of the debt editors: "No Selection" stores -1 and
// marker 0, an account its id and marker 438 after the asset allocation rule. False after the
// refusal.
bool storePaymentsAccount(const Scenario& scenario, FieldReader& in, const FieldTexts& fields,
                          std::int16_t& accountId, std::int16_t& marker);

// An age checked 1 to 120 with message 7 and cut to a whole number.
std::optional<float> wholeAge(FieldReader& in, std::string_view key, std::string_view title);
// A number read without checks and cut to a whole number; 0 for a text that is none.
float uncheckedWhole(const FieldReader& in, std::string_view key);

// The names of the amount and rate checks every editor shares.
inline constexpr double kMaxAmount = 100000000.0;

} // namespace finplan
