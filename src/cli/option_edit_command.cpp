#include "cli/option_edit_command.h"

#include "cli/cli_planner.h"
#include "cli/titled_dialogs.h"
#include "editing/option_editor.h"
#include "model/file_io.h"

#include <array>
#include <charconv>
#include <ostream>

namespace finplan::cli {

namespace {

constexpr std::array<std::string_view, 3> kOptionTargets = {"--groups", "--asset-allocation",
                                                            "--rmd-options"};
constexpr std::array<std::string_view, 6> kEventTargets = {
    "--add", "--event", "--line", "--initial-values", "--copy-event", "--delete-event"};

ExitCode usage(const CliContext& context, const std::string& problem) {
    context.err << "finplan-cli: " << problem << '\n';
    return ExitCode::Usage;
}

int targetCount(const CliArguments& args) {
    int count = args.value("--life-table") ? 1 : 0;
    for (const std::string_view option : kOptionTargets) {
        count += args.has(option) ? 1 : 0;
    }
    for (const std::string_view option : kEventTargets) {
        count += (args.has(option) || args.value(option)) ? 1 : 0;
    }
    return count;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::optional<ExitCode> pickerId(const CliContext& context, const OptionEditor& editor,
                                 const FormField& field, const std::string& text, std::string& id) {
    for (const PickerChoice& choice : editor.choices(field.key)) {
        const bool byId =
            text.starts_with('#') && text.substr(1) == std::to_string(choice.accountId);
        if (choice.accountId >= 0 && (byId || choice.name == text)) {
            id = std::to_string(choice.accountId);
            return std::nullopt;
        }
    }
    return usage(context, "no account \"" + text + "\" for " + field.key);
}

std::optional<ExitCode> setFields(const CliContext& context, const CliArguments& args,
                                  OptionEditor& editor, FieldTexts& fields) {
    for (const auto& [option, setting] : args.repeated) {
        const auto equals = setting.find('=');
        if (equals == std::string::npos) {
            return usage(context, "--set takes KEY=TEXT, got \"" + setting + "\"");
        }
        const std::string key = setting.substr(0, equals);
        const std::string text = setting.substr(equals + 1);
        const FormField* field = editor.form().field(key);
        if (field == nullptr || field->kind == FieldKind::Button ||
            field->kind == FieldKind::StaticText || field->kind == FieldKind::Output) {
            return usage(context, editor.form().title + " has no field \"" + key + "\"");
        }
        if (field->kind == FieldKind::CheckBox) {
            if (text != "on" && text != "off") {
                return usage(context, key + " takes on or off, got \"" + text + "\"");
            }
            fields[key] = text == "on" ? "on" : "";
            editor.click(key, fields);
        } else if (field->kind == FieldKind::Text) {
            fields[key] = text;
        } else if (const auto stop = pickerId(context, editor, *field, text, fields[key])) {
            return stop;
        }
    }
    return std::nullopt;
}

std::unique_ptr<OptionEditor> openEditor(const CliContext& context, const CliArguments& args,
                                         Scenario& scenario, std::optional<ExitCode>& problem) {
    if (args.has("--groups")) {
        return openGroupsEditor(scenario, context.dialogs);
    }
    if (args.has("--asset-allocation")) {
        return openAssetAllocationEditor(scenario, context.dialogs);
    }
    if (args.has("--rmd-options")) {
        return openRmdOptionsEditor(scenario, context.dialogs);
    }
    const std::string text = args.value("--life-table").value_or("");
    int table = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), table);
    if (error != std::errc() || end != text.data() + text.size() || table < 1 ||
        table > kLifeTableCount) {
        problem = usage(context, "--life-table takes 1, 2 or 3, got \"" + text + "\"");
        return nullptr;
    }
    return openLifeTableEditor(scenario, table, context.dialogs);
}

ExitCode edit(const CliContext& context, const CliArguments& args) {
    if (targetCount(args) != 1) {
        return usage(context, "edit takes one target");
    }
    if (args.value("--out").has_value() == args.has("--dry-run")) {
        return usage(context, "edit takes either --out OUT.RET or --dry-run");
    }
    if (args.has("--calculate")) {
        return usage(context, "the option dialogs have no Calculate");
    }
    if (const auto out = args.value("--out"); out && fileExists(*out) && !context.answerYes) {
        context.err << "finplan-cli: " << *out
                    << " was not overwritten (add --yes to replace it)\n";
        return ExitCode::Usage;
    }
    ExitCode status = ExitCode::Success;
    const auto planner = CliPlanner::loaded(context, args, status);
    if (!planner) {
        return status;
    }
    std::optional<ExitCode> problem;
    const auto editor = openEditor(context, args, (*planner)->scenario(), problem);
    if (!editor) {
        return problem.value_or(ExitCode::Usage);
    }
    FieldTexts fields = editor->texts();
    if (const auto stop = setFields(context, args, *editor, fields)) {
        return *stop;
    }
    if (editor->ok(fields).refusal) {
        return ExitCode::Refused;
    }
    for (const FormField& field : editor->form().fields) {
        if (field.kind != FieldKind::Button && field.kind != FieldKind::StaticText) {
            context.out << field.key << ": " << trimmed(textOf(fields, field.key)) << '\n';
        }
    }
    if (lifeTableHasZeroProblem(*editor)) {
        context.out << "The table holds a zero: open it again to mend it.\n";
    }
    const auto out = args.value("--out");
    if (!out) {
        return ExitCode::Success;
    }
    return (*planner)->saveTo(*out) ? ExitCode::Success : ExitCode::WriteFailed;
}

} // namespace

std::optional<ExitCode> runOptionEdit(const CliContext& context, const CliArguments& arguments) {
    bool chosen = arguments.value("--life-table").has_value();
    for (const std::string_view option : kOptionTargets) {
        chosen = chosen || arguments.has(option);
    }
    if (!chosen) {
        return std::nullopt;
    }
    TitledDialogs dialogs(context.err, context.answerYes);
    const CliContext editContext{context.out, context.err, dialogs, context.answerYes};
    return edit(editContext, arguments);
}

} // namespace finplan::cli
