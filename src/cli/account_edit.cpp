#include "cli/account_edit.h"

#include "editing/account_delete.h"
#include "editing/account_editor.h"
#include "editing/name_text.h"
#include "model/text_field.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <ostream>
#include <string>

namespace finplan::cli {

namespace {

// The kinds by their command-line words, in kind order.
constexpr std::array<std::string_view, kAccountKindCount> kKindWords = {
    "asset", "equity", "investment", "retirement", "taxfree"};

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

ExitCode usage(const CliContext& context, const std::string& problem) {
    context.err << "finplan-cli: " << problem << '\n';
    return ExitCode::Usage;
}

// The table index of the account a NAME or #ID names; -1 for none.
int accountIndex(const Scenario& scenario, std::string_view text) {
    const AccountTable& table = scenario.accounts;
    const auto id = text.starts_with('#') ? wholeNumber(text.substr(1)) : std::nullopt;
    for (int i = 0; i < table.usedCount(); ++i) {
        const AccountRecord& account = table.accounts[static_cast<std::size_t>(i)];
        if (id ? account.accountId == *id
               : utf8FromLatin1(fieldText(account.name)) == std::string(text)) {
            return i;
        }
    }
    return -1;
}

void printAccount(const CliContext& context, std::string_view change,
                  const AccountRecord& account) {
    char amount[64];
    std::snprintf(amount, sizeof amount, "%.2f", static_cast<double>(account.initialAmount));
    context.out << change << '\t' << account.accountId << '\t'
                << utf8FromLatin1(fieldText(account.name)) << '\t' << amount << '\n';
}

// A kind by word or number, a group by name or #index, a box on or off, other fields as typed.
std::optional<std::string> fieldText(const CliContext& context, const AccountEditor& editor,
                                     const FormField& field, const std::string& text) {
    if (field.key == "select-account-type") {
        for (std::size_t k = 0; k < kKindWords.size(); ++k) {
            if (text == kKindWords[k] || text == std::to_string(k)) {
                return std::to_string(k);
            }
        }
        usage(context, "select-account-type takes asset, equity, investment, retirement or "
                       "taxfree, got \"" +
                           text + "\"");
        return std::nullopt;
    }
    if (field.key == "assign-group-to-account") {
        for (const GroupChoice& group : editor.groups()) {
            if (text == group.name || text == "#" + std::to_string(group.group)) {
                return std::to_string(group.group);
            }
        }
        usage(context, "no group \"" + text + "\" for assign-group-to-account");
        return std::nullopt;
    }
    if (field.kind == FieldKind::CheckBox) {
        if (text != "on" && text != "off") {
            usage(context, field.key + " takes on or off, got \"" + text + "\"");
            return std::nullopt;
        }
        return text == "on" ? "on" : "";
    }
    if (field.kind != FieldKind::Text) {
        usage(context, field.key + " is not a field that takes a value");
        return std::nullopt;
    }
    return text;
}

std::optional<ExitCode> setFields(const CliContext& context, const CliArguments& arguments,
                                  const AccountEditor& editor, FieldTexts& fields) {
    for (const auto& [option, setting] : arguments.repeated) {
        const auto equals = setting.find('=');
        if (equals == std::string::npos) {
            return usage(context, "--set takes KEY=TEXT, got \"" + setting + "\"");
        }
        const std::string key = setting.substr(0, equals);
        const FormField* field = nullptr;
        std::string keys;
        for (const FormField& f : accountFormFields()) {
            field = f.key == key ? &f : field;
            if (f.kind != FieldKind::Button) {
                keys += (keys.empty() ? "" : ", ") + f.key;
            }
        }
        if (field == nullptr) {
            return usage(context, std::string(kAccountDialogTitle) + " has no field \"" + key +
                                      "\" (its fields: " + keys + ")");
        }
        const auto text = fieldText(context, editor, *field, setting.substr(equals + 1));
        if (!text) {
            return ExitCode::Usage;
        }
        fields[key] = *text;
    }
    return std::nullopt;
}

std::optional<ExitCode> deleteNamed(const CliContext& context, const CliArguments& arguments,
                                    Planner& planner) {
    if (!arguments.repeated.empty()) {
        return usage(context, "--delete-account takes no --set");
    }
    const std::string named = arguments.value("--delete-account").value_or("");
    const int index = accountIndex(planner.scenario(), named);
    if (index < 0) {
        return usage(context, "there is no account \"" + named + "\"");
    }
    const AccountRecord account =
        planner.scenario().accounts.accounts[static_cast<std::size_t>(index)];
    if (!deleteAccount(planner.scenario(), index, context.dialogs)) {
        return ExitCode::Refused;
    }
    printAccount(context, "deleted", account);
    return std::nullopt;
}

} // namespace

bool isAccountTarget(std::string_view option) {
    return option == "--new-account" || option == "--account" || option == "--delete-account";
}

std::optional<ExitCode> editAccountTarget(const CliContext& context, const CliArguments& arguments,
                                          Planner& planner, std::string_view target) {
    if (arguments.has("--calculate")) {
        return usage(context, std::string(target) + " takes no --calculate");
    }
    if (target == "--delete-account") {
        return deleteNamed(context, arguments, planner);
    }
    int index = -1;
    if (target == "--account") {
        const std::string named = arguments.value("--account").value_or("");
        index = accountIndex(planner.scenario(), named);
        if (index < 0) {
            return usage(context, "there is no account \"" + named + "\"");
        }
    } else if (!planner.mayAddAccount()) {
        return ExitCode::Refused;
    }
    const bool isNew = index < 0;
    AccountEditor editor(planner.scenario(),
                         isNew ? AccountEditMode::New : AccountEditMode::Existing, index,
                         context.dialogs);
    FieldTexts fields = editor.texts();
    if (const auto stop = setFields(context, arguments, editor, fields)) {
        return stop;
    }
    if (!editor.ok(fields).accepted()) {
        return ExitCode::Refused;
    }
    const AccountRecord& account =
        planner.scenario().accounts.accounts[static_cast<std::size_t>(editor.index())];
    printAccount(context, isNew ? "added" : "updated", account);
    return std::nullopt;
}

} // namespace finplan::cli
