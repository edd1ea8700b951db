#include "cli/edit_command.h"

#include "cli/account_edit.h"
#include "cli/cli_planner.h"
#include "cli/option_edit_command.h"
#include "cli/titled_dialogs.h"
#include "editing/editor_kind.h"
#include "editing/event_editor.h"
#include "model/byte_io.h"
#include "model/file_io.h"

#include <charconv>
#include <ostream>
#include <string>
#include <vector>

namespace finplan::cli {

namespace {

constexpr std::array<std::string_view, 9> kTargets = {
    "--add",          "--event",       "--line",    "--initial-values", "--copy-event",
    "--delete-event", "--new-account", "--account", "--delete-account"};

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// Where an event that no event editor opens is edited instead.
std::string otherEditor(const Scenario& scenario, int index) {
    switch (listEditorForEvent(scenario, index).value_or(EditorKind::Withdrawal)) {
    case EditorKind::AssetAllocation:
        return "with edit --asset-allocation";
    case EditorKind::Rmd:
        return "with edit --rmd-options";
    case EditorKind::Budget:
        if (const auto budget = budgetOfEvent(scenario, index)) {
            return "with budget " + std::to_string(*budget);
        }
        break;
    default:
        break;
    }
    return "by no editor";
}

class Edit {
public:
    Edit(const CliContext& context, const CliArguments& arguments)
        : m_context(context)
        , m_args(arguments) {}

    ExitCode run();

private:
    ExitCode usage(const std::string& problem) const {
        m_context.err << "finplan-cli: " << problem << '\n';
        return ExitCode::Usage;
    }
    std::optional<ExitCode> checkArguments() const;
    std::optional<std::string_view> target() const;
    std::optional<ExitCode> eventIndex(std::string_view option, int& index) const;
    std::optional<ExitCode> openEditor(Planner& planner, std::unique_ptr<EventEditor>& editor);
    std::optional<ExitCode> setFields(EventEditor& editor, FieldTexts& fields);
    std::optional<ExitCode> setField(EventEditor& editor, FieldTexts& fields,
                                     const FormField& field, const std::string& text);
    std::optional<ExitCode> pickerText(const EventEditor& editor, const FormField& field,
                                       const std::string& text, std::string& id) const;
    void printOutputs(const EventEditor& editor, const CalcResult& result) const;
    void printEventLines(Planner& planner, const EventEditor& editor) const;
    ExitCode write(Planner& planner) const;

    const CliContext& m_context;
    const CliArguments& m_args;
    std::optional<std::string> m_accountRate;
};

std::optional<std::string_view> Edit::target() const {
    for (const std::string_view option : kTargets) {
        if (m_args.has(option) || m_args.value(option)) {
            return option;
        }
    }
    return std::nullopt;
}

std::optional<ExitCode> Edit::checkArguments() const {
    int targets = 0;
    for (const std::string_view option : kTargets) {
        targets += (m_args.has(option) || m_args.value(option)) ? 1 : 0;
    }
    if (targets != 1) {
        return usage("edit takes one of --add, --event, --line, --initial-values, --copy-event, "
                     "--delete-event, --new-account, --account and --delete-account");
    }
    if (m_args.value("--out").has_value() == m_args.has("--dry-run")) {
        return usage("edit takes either --out OUT.RET or --dry-run");
    }
    if (*target() == "--delete-event" && (!m_args.repeated.empty() || m_args.has("--calculate"))) {
        return usage("--delete-event takes no --set and no --calculate");
    }
    if (const auto out = m_args.value("--out"); out && fileExists(*out) && !m_context.answerYes) {
        m_context.err << "finplan-cli: " << *out
                      << " was not overwritten (add --yes to replace it)\n";
        return ExitCode::Usage;
    }
    return std::nullopt;
}

std::optional<ExitCode> Edit::eventIndex(std::string_view option, int& index) const {
    const std::string text = m_args.value(option).value_or("");
    const auto number = wholeNumber(text);
    if (!number) {
        return usage(std::string(option) + " takes a number, got \"" + text + "\"");
    }
    index = *number;
    return std::nullopt;
}

std::optional<ExitCode> Edit::openEditor(Planner& planner, std::unique_ptr<EventEditor>& editor) {
    const std::string_view chosen = *target();
    if (chosen == "--initial-values") {
        editor = planner.editInitialValues();
        return std::nullopt;
    }
    if (chosen == "--add") {
        const std::string word = m_args.value("--add").value_or("");
        const auto kind = addableKind(word);
        if (!kind) {
            return usage("--add takes withdrawal, deposit, transfer, fundamentals, loan, "
                         "mortgage or credit-card, got \"" +
                         word + "\"");
        }
        editor = planner.addEvent(*kind);
        // Only a full table keeps an addable kind from opening, and that was told.
        return editor ? std::nullopt : std::optional(ExitCode::Refused);
    }
    int index = 0;
    if (chosen == "--line") {
        if (const auto problem = eventIndex(chosen, index)) {
            return problem;
        }
        const int lines = static_cast<int>(planner.scenarioList().size());
        if (index < 0 || index >= lines || (index > 0 && planner.eventForLine(index) < 0)) {
            return usage("line " + std::to_string(index) + " belongs to no event (" +
                         std::to_string(lines) + " lines)");
        }
        editor = planner.editListLine(index);
        if (!editor) {
            return usage("the event of line " + std::to_string(index) + " is edited " +
                         otherEditor(planner.scenario(), planner.eventForLine(index)));
        }
        return std::nullopt;
    }
    if (const auto problem = eventIndex(chosen, index)) {
        return problem;
    }
    const int count = planner.scenario().usedEventCount();
    if (index < 0 || index >= count) {
        return usage("there is no event " + std::to_string(index) + " (" + std::to_string(count) +
                     " events)");
    }
    if (chosen == "--copy-event") {
        editor = planner.copyEvent(index);
        if (!editor) {
            if (planner.scenario().usedEventCount() < kMaxEvents) {
                m_context.err << "finplan-cli: event " << index
                              << " is not copied (budget, asset allocation and RMD events "
                                 "are not)\n";
            }
            return ExitCode::Refused;
        }
        return std::nullopt;
    }
    editor = planner.editEvent(index);
    if (!editor) {
        return usage("event " + std::to_string(index) + " is edited " +
                     otherEditor(planner.scenario(), index));
    }
    return std::nullopt;
}

std::optional<ExitCode> Edit::pickerText(const EventEditor& editor, const FormField& field,
                                         const std::string& text, std::string& id) const {
    const auto& choices = editor.choices(field.key);
    if (text == "none") {
        if (field.kind != FieldKind::AccountPickerWithNone) {
            return usage(field.key + " has no \"No Selection\"");
        }
        id = "-1";
        return std::nullopt;
    }
    for (const PickerChoice& choice : choices) {
        const bool byId = text.starts_with('#') && wholeNumber(std::string_view(text).substr(1)) ==
                                                       std::optional<int>(choice.accountId);
        if (choice.accountId >= 0 && (byId || (!text.starts_with('#') && choice.name == text))) {
            id = std::to_string(choice.accountId);
            return std::nullopt;
        }
    }
    return usage("no account \"" + text + "\" for " + field.key);
}

std::optional<ExitCode> Edit::setField(EventEditor& editor, FieldTexts& fields,
                                       const FormField& field, const std::string& text) {
    switch (field.kind) {
    case FieldKind::Text:
        fields[field.key] = text;
        return std::nullopt;
    case FieldKind::CheckBox: {
        if (text != "on" && text != "off") {
            return usage(field.key + " takes on or off, got \"" + text + "\"");
        }
        const std::string state = text == "on" ? "on" : "";
        if (fields[field.key] == state) {
            return std::nullopt;
        }
        // A change of a box is a click, which some editors answer at once.
        fields[field.key] = state;
        if (editor.click(field.key, fields).refusal) {
            return ExitCode::Refused;
        }
        return std::nullopt;
    }
    case FieldKind::AccountPicker:
    case FieldKind::AccountPickerWithNone: {
        std::string id;
        if (const auto problem = pickerText(editor, field, text, id)) {
            return problem;
        }
        fields[field.key] = id;
        return std::nullopt;
    }
    case FieldKind::Output:
    case FieldKind::StaticText:
    case FieldKind::Button:
        break;
    }
    return usage(field.key + " is not a field that takes a value");
}

std::optional<ExitCode> Edit::setFields(EventEditor& editor, FieldTexts& fields) {
    for (const auto& [option, setting] : m_args.repeated) {
        const auto equals = setting.find('=');
        if (equals == std::string::npos) {
            return usage("--set takes KEY=TEXT, got \"" + setting + "\"");
        }
        const std::string key = setting.substr(0, equals);
        const std::string text = setting.substr(equals + 1);
        if (editor.kind() == EditorKind::Fundamentals && key == "account-rate") {
            m_accountRate = text;
            continue;
        }
        const FormField* field = editor.form().field(key);
        if (field == nullptr) {
            std::string keys;
            for (const FormField& f : editor.form().fields) {
                if (f.kind != FieldKind::Output && f.kind != FieldKind::Button &&
                    f.kind != FieldKind::StaticText) {
                    keys += (keys.empty() ? "" : ", ") + f.key;
                }
            }
            return usage(editor.form().title + " has no field \"" + key +
                         "\" (its fields: " + keys + ")");
        }
        if (const auto stop = setField(editor, fields, *field, text)) {
            return stop;
        }
    }
    if (m_accountRate) {
        // The Account Rate dialog of the account the picker shows.
        const auto id = wholeNumber(textOf(fields, "change-account-rate"));
        if (!id || *id < 0) {
            return usage("account-rate needs an account in change-account-rate");
        }
        if (editor.setAccountRate(*id, {{"current-rate", *m_accountRate}}).refusal) {
            return ExitCode::Refused;
        }
    }
    return std::nullopt;
}

void Edit::printOutputs(const EventEditor& editor, const CalcResult& result) const {
    for (const OutputField& output : result.outputs) {
        const FormField* field = editor.form().field(output.key);
        const std::string label = field != nullptr ? field->label : output.key;
        m_context.out << label << ": " << trimmed(output.text) << '\n';
    }
}

// Whether two records are the same event, whatever line the list gave them.
bool sameEvent(EventRecord a, EventRecord b) {
    a.listLine = 0;
    b.listLine = 0;
    return encodeRecord(a) == encodeRecord(b);
}

void Edit::printEventLines(Planner& planner, const EventEditor& editor) const {
    const std::vector<std::string> lines = planner.scenarioList();
    if (editor.kind() == EditorKind::InitialValues) {
        if (!lines.empty()) {
            m_context.out << lines.front() << '\n';
        }
        return;
    }
    const auto& stored = editor.storedEvent();
    if (!stored) {
        return;
    }
    const Scenario& scenario = planner.scenario();
    for (int i = 0; i < scenario.usedEventCount(); ++i) {
        if (!sameEvent(scenario.events[static_cast<std::size_t>(i)], *stored)) {
            continue;
        }
        const int first = scenario.events[static_cast<std::size_t>(i)].listLine;
        for (int line = first; line < static_cast<int>(lines.size()); ++line) {
            if (line > first && planner.eventForLine(line) != i) {
                break;
            }
            m_context.out << lines[static_cast<std::size_t>(line)] << '\n';
        }
        return;
    }
}

ExitCode Edit::write(Planner& planner) const {
    const auto out = m_args.value("--out");
    if (!out) {
        return ExitCode::Success;
    }
    return planner.saveTo(*out) ? ExitCode::Success : ExitCode::WriteFailed;
}

ExitCode Edit::run() {
    if (const auto problem = checkArguments()) {
        return *problem;
    }
    ExitCode status = ExitCode::Success;
    const auto planner = CliPlanner::loaded(m_context, m_args, status);
    if (!planner) {
        return status;
    }
    if (isAccountTarget(*target())) {
        if (const auto stop = editAccountTarget(m_context, m_args, **planner, *target())) {
            return *stop;
        }
        return write(**planner);
    }
    if (target() == "--delete-event") {
        int index = 0;
        if (const auto problem = eventIndex("--delete-event", index)) {
            return *problem;
        }
        const int count = (*planner)->scenario().usedEventCount();
        if (index < 0 || index >= count) {
            return usage("there is no event " + std::to_string(index) + " (" +
                         std::to_string(count) + " events)");
        }
        if (!(*planner)->deleteEvent(index)) {
            m_context.err << "finplan-cli: event " << index
                          << " is not deleted (an RMD distribution stays)\n";
        }
        return write(**planner);
    }
    std::unique_ptr<EventEditor> editor;
    if (const auto stop = openEditor(**planner, editor)) {
        return *stop;
    }
    FieldTexts fields = editor->texts();
    if (const auto stop = setFields(*editor, fields)) {
        return *stop;
    }
    if (m_args.has("--calculate")) {
        if (editor->form().field("calculate") == nullptr) {
            return usage(editor->form().title + " has no Calculate");
        }
        const CalcResult result = editor->calculate(fields);
        if (result.refusal) {
            return ExitCode::Refused;
        }
        printOutputs(*editor, result);
        return ExitCode::Success;
    }
    const CalcResult result = editor->ok(fields);
    if (result.refusal) {
        return ExitCode::Refused;
    }
    printEventLines(**planner, *editor);
    printOutputs(*editor, result);
    return write(**planner);
}

} // namespace

ExitCode runEdit(const CliContext& context, const CliArguments& arguments) {
    if (const auto options = runOptionEdit(context, arguments)) {
        return *options;
    }
    TitledDialogs dialogs(context.err, context.answerYes);
    const CliContext editContext{context.out, context.err, dialogs, context.answerYes};
    return Edit(editContext, arguments).run();
}

ExitCode runList(const CliContext& context, const std::string& path) {
    CliPlanner planner(context, ".", std::nullopt);
    if (!planner->load(path)) {
        return ExitCode::ReadFailed;
    }
    for (const std::string& line : planner->scenarioList()) {
        context.out << line << '\n';
    }
    return ExitCode::Success;
}

} // namespace finplan::cli
