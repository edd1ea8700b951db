#include "cli/budget_command.h"

#include "cli/cli_planner.h"
#include "cli/titled_dialogs.h"
#include "editing/budget_editor.h"
#include "editing/name_text.h"
#include "model/account_lookup.h"
#include "model/file_io.h"
#include "model/text_field.h"

#include <charconv>
#include <ostream>
#include <string>
#include <vector>

namespace finplan::cli {

namespace {

// Options that change the budget; with any of them OUT.RET must be named.
constexpr std::array<std::string_view, 8> kChanging = {"--paste",    "--clear-all", "--name",
                                                       "--start",    "--end",       "--account",
                                                       "--activate", "--deactivate"};

std::string trimmedRight(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

class BudgetCommand {
public:
    BudgetCommand(const CliContext& context, const CliArguments& arguments)
        : m_context(context)
        , m_args(arguments) {}

    ExitCode run();

private:
    ExitCode usage(const std::string& problem) const {
        m_context.err << "finplan-cli: " << problem << '\n';
        return ExitCode::Usage;
    }
    bool changes() const;
    std::optional<ExitCode> checkArguments(int& number) const;
    std::optional<ExitCode> applyItems(BudgetEditor& editor) const;
    std::optional<ExitCode> applyFields(const BudgetEditor& editor, FieldTexts& fields) const;
    std::optional<ExitCode> writeFiles(BudgetEditor& editor, const FieldTexts& fields) const;
    void print(const BudgetEditor& editor, int number) const;

    const CliContext& m_context;
    const CliArguments& m_args;
};

bool BudgetCommand::changes() const {
    for (const std::string_view option : kChanging) {
        if (m_args.has(option) || m_args.value(option)) {
            return true;
        }
    }
    return !m_args.repeated.empty();
}

std::optional<ExitCode> BudgetCommand::checkArguments(int& number) const {
    if (m_args.files.size() < 2 || m_args.files.size() > 3) {
        return usage("budget takes SCENARIO.RET N [OUT.RET], got " +
                     std::to_string(m_args.files.size()) + " words");
    }
    const std::string& text = m_args.files[1];
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < 1 ||
        number > kBudgetCount) {
        return usage("the budget number is 1 to 5, got \"" + text + "\"");
    }
    if (m_args.has("--activate") && m_args.has("--deactivate")) {
        return usage("budget takes --activate or --deactivate, not both");
    }
    if (changes() && m_args.files.size() < 3) {
        return usage("budget changes need OUT.RET to write the scenario to");
    }
    if (m_args.files.size() == 3 && fileExists(m_args.files[2]) && !m_context.answerYes) {
        m_context.err << "finplan-cli: " << m_args.files[2]
                      << " was not overwritten (add --yes to replace it)\n";
        return ExitCode::Usage;
    }
    return std::nullopt;
}

// "NAME;AMOUNT;RATE;FLAGS" as the item editor's fields.
std::optional<FieldTexts> itemFields(const std::string& item) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const auto semicolon = item.find(';', start);
        parts.push_back(item.substr(start, semicolon - start));
        if (semicolon == std::string::npos) {
            break;
        }
        start = semicolon + 1;
    }
    if (parts.size() < 3 || parts.size() > 4) {
        return std::nullopt;
    }
    const std::string flags = parts.size() == 4 ? parts[3] : "";
    if (flags.find_first_not_of("mti") != std::string::npos) {
        return std::nullopt;
    }
    const auto box = [&flags](char flag) {
        return std::string(flags.find(flag) != std::string::npos ? "on" : "");
    };
    return FieldTexts{{"name", parts[0]},       {"amount", parts[1]},
                      {"apply-rate", parts[2]}, {"monthly", box('m')},
                      {"track", box('t')},      {"apply-inflation-rate-to-withdrawal", box('i')}};
}

std::optional<ExitCode> BudgetCommand::applyItems(BudgetEditor& editor) const {
    if (const auto file = m_args.value("--paste")) {
        switch (editor.pasteFrom(*file)) {
        case BudgetEditor::PasteResult::Pasted:
            break;
        case BudgetEditor::PasteResult::Unreadable:
            return ExitCode::ReadFailed;
        case BudgetEditor::PasteResult::Invalid:
            return ExitCode::Refused;
        }
    }
    if (m_args.has("--clear-all")) {
        editor.clearAll();
    }
    for (const auto& [option, value] : m_args.repeated) {
        if (option == "--delete" && !editor.deleteItem({{"name", value}})) {
            m_context.err << "finplan-cli: no item \"" << value << "\" to delete\n";
        }
    }
    for (const auto& [option, value] : m_args.repeated) {
        if (option != "--item") {
            continue;
        }
        const auto fields = itemFields(value);
        if (!fields) {
            return usage("--item takes \"NAME;AMOUNT;RATE;FLAGS\" (FLAGS of m, t, i), got \"" +
                         value + "\"");
        }
        if (editor.enter(*fields).refusal) {
            return ExitCode::Refused;
        }
    }
    return std::nullopt;
}

std::optional<ExitCode> BudgetCommand::applyFields(const BudgetEditor& editor,
                                                   FieldTexts& fields) const {
    if (const auto name = m_args.value("--name")) {
        fields["budget-name"] = *name;
    }
    if (const auto start = m_args.value("--start")) {
        fields["start-age"] = *start;
    }
    if (const auto end = m_args.value("--end")) {
        fields["end-age"] = *end;
    }
    if (m_args.has("--activate") || m_args.has("--deactivate")) {
        fields["activate-this-budget"] = m_args.has("--activate") ? "on" : "";
    }
    const auto account = m_args.value("--account");
    if (!account) {
        return std::nullopt;
    }
    if (*account == "none") {
        fields["withdraw-from-account"] = "-1";
        return std::nullopt;
    }
    for (const PickerChoice& choice : editor.choices()) {
        const bool byId =
            account->starts_with('#') && account->substr(1) == std::to_string(choice.accountId);
        if (choice.accountId >= 0 && (byId || choice.name == *account)) {
            fields["withdraw-from-account"] = std::to_string(choice.accountId);
            return std::nullopt;
        }
    }
    return usage("no account \"" + *account + "\" for withdraw-from-account");
}

std::optional<ExitCode> BudgetCommand::writeFiles(BudgetEditor& editor,
                                                  const FieldTexts& fields) const {
    const bool copied = !m_args.has("--copy") || editor.copyAll();
    const bool sheet = !m_args.has("--sheet") || editor.writeSheet();
    const bool report = !m_args.has("--report") || editor.writeReportInput(fields);
    if (!copied || !sheet || !report) {
        return ExitCode::WriteFailed;
    }
    return std::nullopt;
}

void BudgetCommand::print(const BudgetEditor& editor, int number) const {
    const Budget& budget = editor.budget();
    const Scenario& scenario = editor.scenario();
    std::ostream& out = m_context.out;
    out << "Budget " << number << ": " << utf8FromLatin1(fieldText(budget.name)) << '\n';
    out << "Ages: " << budget.startAge << " to " << budget.endAge << '\n';
    std::string account;
    appendAccountName(scenario.accounts, budget.sourceAccountId, account);
    out << "Account: "
        << (budget.sourceAccountId < 0 || account.empty() ? "No Selection"
                                                          : utf8FromLatin1(account))
        << '\n';
    out << "Active: " << (budget.active != 0 ? "yes" : "no") << '\n';
    out << "Name\tAmount\tMonthly\tApplied Rate\tYearly\tT\n";
    for (const BudgetRow& row : editor.rows()) {
        out << utf8FromLatin1(row.name) << '\t' << row.amount << '\t' << row.monthly << '\t'
            << row.appliedRate << '\t' << row.yearly << '\t' << row.track << '\n';
    }
    out << "Yearly Total: " << trimmedRight(editor.yearlyTotalText()) << '\n';
}

ExitCode BudgetCommand::run() {
    int number = 0;
    if (const auto problem = checkArguments(number)) {
        return *problem;
    }
    ExitCode status = ExitCode::Success;
    const auto planner = CliPlanner::loaded(m_context, m_args, status);
    if (!planner) {
        return status;
    }
    BudgetEditor editor((*planner)->scenario(), number - 1, (*planner)->workDir(),
                        m_context.dialogs);
    if (const auto stop = applyItems(editor)) {
        return *stop;
    }
    FieldTexts fields = editor.texts();
    if (const auto stop = applyFields(editor, fields)) {
        return *stop;
    }
    if (changes() && editor.ok(fields).refusal) {
        return ExitCode::Refused;
    }
    print(editor, number);
    if (const auto stop = writeFiles(editor, fields)) {
        return *stop;
    }
    if (!changes()) {
        // Only looked at: the items sorted on opening are not kept.
        editor.cancel();
    }
    if (m_args.files.size() == 3) {
        return (*planner)->saveTo(m_args.files[2]) ? ExitCode::Success : ExitCode::WriteFailed;
    }
    return ExitCode::Success;
}

} // namespace

ExitCode runBudget(const CliContext& context, const CliArguments& arguments) {
    TitledDialogs dialogs(context.err, context.answerYes);
    const CliContext budgetContext{context.out, context.err, dialogs, context.answerYes};
    return BudgetCommand(budgetContext, arguments).run();
}

} // namespace finplan::cli
