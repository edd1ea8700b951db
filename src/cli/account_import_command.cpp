#include "cli/account_import_command.h"

#include "cli/cli_planner.h"
#include "editing/account_import.h"
#include "editing/name_text.h"
#include "model/file_io.h"
#include "model/scenario_reset.h"

#include <cstdio>
#include <optional>
#include <ostream>
#include <string>

namespace finplan::cli {

namespace {

// The import's message boxes as "TITLE: text" lines. Questions are answered Yes with --yes
// ("New Account Found" No with --no-new); a question answered No or a refusal is remembered,
// so the command writes nothing.
class ImportDialogs : public UserDialogs {
public:
    ImportDialogs(std::ostream& err, bool answerYes, bool noNew)
        : m_err(err)
        , m_answerYes(answerYes)
        , m_noNew(noNew) {}

    Answer show(const Message& message) override {
        m_err << message.title << ": " << message.text;
        if (message.buttons == MessageButtons::Ok) {
            m_err << '\n';
            m_refused = m_refused || message.icon == MessageIcon::Stop;
            return Answer::Ok;
        }
        const bool newAccount = message.title == "New Account Found";
        const Answer answer = (m_answerYes && !(newAccount && m_noNew)) ? Answer::Yes : Answer::No;
        m_err << (answer == Answer::Yes ? " Yes\n" : " No\n");
        m_unanswered = m_unanswered || (answer == Answer::No && !(newAccount && m_noNew));
        return answer;
    }

    bool refused() const { return m_refused; }
    bool unanswered() const { return m_unanswered; }

private:
    std::ostream& m_err;
    bool m_answerYes;
    bool m_noNew;
    bool m_refused = false;
    bool m_unanswered = false;
};

std::optional<Delimiter> delimiterOf(const CliContext& context, const CliArguments& arguments,
                                     const std::string& file) {
    if (arguments.has("--tab") && arguments.has("--comma")) {
        context.err << "finplan-cli: --tab and --comma cannot be combined\n";
        return std::nullopt;
    }
    if (arguments.has("--tab")) {
        return Delimiter::Tab;
    }
    return arguments.has("--comma") ? Delimiter::Comma : delimiterForFile(file);
}

void printAccounts(std::ostream& out, const ImportOutcome& outcome) {
    for (const ImportedAccount& account : outcome.accounts) {
        char amount[64];
        std::snprintf(amount, sizeof amount, "%.2f", static_cast<double>(account.amount));
        out << (account.change == ImportedAccount::Change::Added ? "added" : "updated") << '\t'
            << account.accountId << '\t' << utf8FromLatin1(account.name) << '\t' << amount << '\n';
    }
}

// What the import did, as the command's status: a No without --yes is a usage matter, a
// refusal a check's.
std::optional<ExitCode> stopped(const CliContext& context, const ImportDialogs& dialogs,
                                const ImportOutcome& outcome) {
    if (dialogs.unanswered()) {
        context.err << "finplan-cli: nothing was written (add --yes to answer the questions "
                       "Yes)\n";
        return ExitCode::Usage;
    }
    if (dialogs.refused() || !outcome.completed) {
        return ExitCode::Refused;
    }
    return std::nullopt;
}

struct Job {
    const CliContext& context;
    const CliArguments& arguments;
    ImportDialogs dialogs;
    CliContext local;

    Job(const CliContext& c, const CliArguments& a)
        : context(c)
        , arguments(a)
        , dialogs(c.err, c.answerYes, a.has("--no-new"))
        , local{c.out, c.err, dialogs, c.answerYes} {}
};

// The statement must be a readable file before anything is converted.
bool readable(const CliContext& context, const std::string& file) {
    if (fileExists(file) && readFileBytes(file, 0)) {
        return true;
    }
    context.err << "File Open Error: Cannot open " << file << ".\n";
    return false;
}

// OUT: a new file, or an existing one after a Yes (--yes); then written.
ExitCode writeOut(Job& job, Planner& planner, const std::string& out) {
    if (fileExists(out) && job.dialogs.ask(out + " exists - Overwrite anyway?", "FILE WARNING",
                                           MessageIcon::Question) != Answer::Yes) {
        job.context.err << "finplan-cli: " << out
                        << " was not overwritten (add --yes to replace "
                           "it)\n";
        return ExitCode::Usage;
    }
    return planner.saveTo(out) ? ExitCode::Success : ExitCode::WriteFailed;
}

ExitCode finish(Job& job, Planner& planner, const ImportOutcome& outcome, const std::string& out) {
    if (const auto status = stopped(job.context, job.dialogs, outcome)) {
        return *status;
    }
    const ExitCode written = writeOut(job, planner, out);
    if (written == ExitCode::Success) {
        printAccounts(job.context.out, outcome);
    }
    return written;
}

ConfirmImportedAccount acceptAsRead(UserDialogs& dialogs) {
    return [&dialogs](Scenario& scenario) { return acceptImportedAccount(scenario, dialogs); };
}

} // namespace

ExitCode runImportAccounts(const CliContext& context, const CliArguments& arguments) {
    const std::string& file = arguments.files[0];
    const auto delimiter = delimiterOf(context, arguments, file);
    if (!delimiter) {
        return ExitCode::Usage;
    }
    Job job(context, arguments);
    ExitCode status = ExitCode::Success;
    const auto planner = CliPlanner::create(job.local, arguments, status);
    if (!planner) {
        return status;
    }
    if (!readable(context, file)) {
        return ExitCode::ReadFailed;
    }
    Scenario& scenario = (*planner)->scenario();
    resetScenario(scenario);
    scenario.liveEventCount = 0;
    const ImportOutcome outcome = createAccountsFromFile(
        scenario, file, (*planner)->workDir(), *delimiter, job.dialogs, acceptAsRead(job.dialogs));
    return finish(job, **planner, outcome, arguments.files[1]);
}

ExitCode runUpdateAccounts(const CliContext& context, const CliArguments& arguments) {
    const std::string& file = arguments.files[1];
    const auto delimiter = delimiterOf(context, arguments, file);
    if (!delimiter) {
        return ExitCode::Usage;
    }
    Job job(context, arguments);
    ExitCode status = ExitCode::Success;
    const auto planner = CliPlanner::create(job.local, arguments, status);
    if (!planner) {
        return status;
    }
    if (!(*planner)->load(arguments.files[0]) || !readable(context, file)) {
        return ExitCode::ReadFailed;
    }
    const ImportOutcome outcome =
        updateAccountsFromFile((*planner)->scenario(), file, (*planner)->workDir(), *delimiter,
                               AccountSortState{}, job.dialogs, acceptAsRead(job.dialogs));
    return finish(job, **planner, outcome, arguments.files[2]);
}

} // namespace finplan::cli
