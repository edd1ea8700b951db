#include "cli/run_cli.h"

#include "cli/cli_context.h"
#include "cli/cli_dialogs.h"
#include "cli/info_command.h"
#include "cli/resave_command.h"
#include "cli/sample_command.h"

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace finplan::cli {

namespace {

constexpr std::string_view kUsage =
    "Usage: finplan-cli [--yes] COMMAND ARGUMENTS...\n"
    "\n"
    "Commands:\n"
    "  info SCENARIO.RET       show the header values, accounts and events of a scenario\n"
    "  resave IN.RET OUT.RET   read IN and write it to OUT as a full scenario file\n"
    "  sample OUT.RET          write the built-in sample scenario to OUT\n";

constexpr std::string_view kHelpDetails =
    "\n"
    "Options:\n"
    "  --yes                   answer Yes to every question the program asks\n"
    "  --help                  show this text\n"
    "\n"
    "OUT is created when it does not exist and replaced when it does. Messages and\n"
    "questions go to the error stream.\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  usage error: unknown command or option, wrong number of arguments\n"
    "  2  the scenario could not be read (missing or refused file)\n"
    "  3  the scenario could not be written\n";

using Arguments = std::vector<std::string>;

struct Command {
    std::string_view name;
    std::size_t argumentCount;
    ExitCode (*run)(const CliContext&, const Arguments&);
};

constexpr std::array<Command, 3> kCommands = {{
    {"info", 1, [](const CliContext& c, const Arguments& a) { return runInfo(c, a[0]); }},
    {"resave", 2, [](const CliContext& c, const Arguments& a) { return runResave(c, a[0], a[1]); }},
    {"sample", 1, [](const CliContext& c, const Arguments& a) { return runSample(c, a[0]); }},
}};

int usageError(std::ostream& err, const std::string& problem) {
    err << "finplan-cli: " << problem << "\n\n"
        << kUsage << "\nRun \"finplan-cli --help\" for the options and exit statuses.\n";
    return static_cast<int>(ExitCode::Usage);
}

std::string quoted(std::string_view word) {
    return "\"" + std::string(word) + "\"";
}

bool isOption(std::string_view word) {
    return word.size() > 1 && word.front() == '-';
}

} // namespace

int runCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    bool answerYes = false;
    bool help = false;
    std::vector<std::string> words;
    std::vector<std::string> unknownOptions;
    for (const std::string_view arg : args) {
        if (arg == "--yes") {
            answerYes = true;
        } else if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (isOption(arg)) {
            unknownOptions.emplace_back(arg);
        } else {
            words.emplace_back(arg);
        }
    }
    if (help) {
        out << kUsage << kHelpDetails;
        return static_cast<int>(ExitCode::Success);
    }
    if (!unknownOptions.empty()) {
        return usageError(err, "unknown option " + quoted(unknownOptions.front()));
    }
    if (words.empty()) {
        return usageError(err, "no command given");
    }
    const std::string& name = words.front();
    const Arguments arguments(words.begin() + 1, words.end());
    for (const Command& command : kCommands) {
        if (command.name != name) {
            continue;
        }
        if (arguments.size() != command.argumentCount) {
            return usageError(err, std::string(command.name) + " takes " +
                                       std::to_string(command.argumentCount) + " file name" +
                                       (command.argumentCount == 1 ? "" : "s") + ", got " +
                                       std::to_string(arguments.size()));
        }
        CliDialogs dialogs(err, answerYes);
        const CliContext context{out, err, dialogs};
        return static_cast<int>(command.run(context, arguments));
    }
    return usageError(err, "unknown command " + quoted(name));
}

} // namespace finplan::cli
