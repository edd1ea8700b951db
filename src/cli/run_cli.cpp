#include "cli/run_cli.h"

#include "cli/account_import_command.h"
#include "cli/budget_command.h"
#include "cli/calc_command.h"
#include "cli/cli_arguments.h"
#include "cli/cli_context.h"
#include "cli/cli_dialogs.h"
#include "cli/edit_command.h"
#include "cli/info_command.h"
#include "cli/montecarlo_command.h"
#ifdef FINPLAN_CLI_GRAPHS
#include "cli/graph_command.h"
#endif
#include "cli/print_table_command.h"
#include "cli/report_command.h"
#include "cli/resave_command.h"
#include "cli/run_command.h"
#include "cli/sample_command.h"
#include "platform/numeric_locale.h"

#include <algorithm>
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
    "  sample OUT.RET          write the built-in sample scenario to OUT\n"
    "  run SCENARIO.RET        simulate the scenario and print its schedule\n"
    "  montecarlo SCENARIO.RET  many runs with random rates: success rate, red flags and\n"
    "                          net worth percentiles by age\n"
    "  list SCENARIO.RET       print the scenario description lines, one per line\n"
    "  edit SCENARIO.RET (--out OUT.RET | --dry-run) TARGET [--set KEY=TEXT]...\n"
    "                          add, change, copy or delete an event, or change the initial\n"
    "                          values, with the editors' own checks\n"
    "  report SCENARIO.RET KIND  write a report's page files and print their names\n"
    "  print-schedule SCENARIO.RET  write the printed schedule's page files\n"
    "  print-table KIND FILE   write the print pages of a budget, mortgage, budget-sheet\n"
    "                          or refinance table file\n"
    "  budget SCENARIO.RET N [OUT.RET]  show or change budget N (1 to 5) as the Budget\n"
    "                          dialog does\n"
    "  calc KIND OPTIONS...    run a calculator: mortgage, refinance, accelerated, inflation,\n"
    "                          effective-rate, investment, card-payoff, tradeoff [FILE]\n"
    "  import-accounts FILE OUT.RET  a new scenario with the accounts of a bank statement\n"
    "  update-accounts SCENARIO.RET FILE OUT.RET  set the accounts' initial amounts from a\n"
    "                          bank statement\n";

constexpr std::string_view kHelpDetails =
    "\n"
    "Options:\n"
    "  --yes                   answer Yes to every question the program asks\n"
    "  --help                  show this text\n"
    "\n"
    "Options of run:\n"
    "  --workdir DIR           where the run writes its temporary files (default: .)\n"
    "  --today YYYY-MM-DD[THH:MM:SS]  the date and time the run takes as now\n"
    "  --detailed              show detailed results (with the rate details)\n"
    "  --accounts              show the end-of-year account balances\n"
    "  --summary               show the yearly summary\n"
    "  --random-accounts       draw each account's rate from its own random range\n"
    "  --random-groups         draw the rates of the account groups\n"
    "  --seed N                seed of the random rates (default: the clock)\n"
    "  --schedule FILE         also save the schedule as the results page's Save does\n"
    "  --export-csv FILE       also export the yearly balances, comma-delimited\n"
    "  --export-tab FILE       also export the yearly balances, tab-delimited\n"
    "  --save-graphs FILE      also copy the graph file as Save Graphs does\n"
    "\n"
    "Options of montecarlo:\n"
    "  --trials N              how many runs (default 1000, at most 100000)\n"
    "  --seed S                run t is seeded S + t, as run --seed (default: the clock)\n"
    "  --threads T             threads to run on (default: one per core)\n"
    "  --random-accounts, --random-groups  where the rates come from (default: the groups\n"
    "                          when a group has a range, else the accounts)\n"
    "  --csv FILE              also write the net worth and liquid savings percentiles\n"
    "  --png FILE              also draw the net worth fan chart (--size WxH)\n"
    "  --workdir DIR, --today DATE   as for run\n"
    "A scenario without random rate ranges is refused (status 4).\n"
    "\n"
    "Options of edit (one TARGET):\n"
    "  --add KIND              a new event: withdrawal, deposit, transfer, fundamentals,\n"
    "                          loan, mortgage or credit-card\n"
    "  --event N               the event numbered N as info numbers them\n"
    "  --line L                the event of line L of list, as a double-click (0: the\n"
    "                          initial values)\n"
    "  --initial-values        the Initial Values\n"
    "  --copy-event N          copy event N, then edit the copy's original\n"
    "  --delete-event N        delete event N\n"
    "  --groups                the group names and random ranges (group-name-1,\n"
    "                          random-minimum-rate-1, random-maximum-rate-1 ... -10)\n"
    "  --asset-allocation      the Asset Allocation Withdrawal Options\n"
    "  --rmd-options           the RMD options (penalty-rate, transfer-funds-to-this-account)\n"
    "  --life-table T          life expectancy table T (1 to 3): description,\n"
    "                          withdrawal-start-age, value-1 ... value-30\n"
    "  --new-account           a new account in the Account Information dialog\n"
    "  --account NAME|#ID      the account of that name or id\n"
    "  --delete-account NAME|#ID  delete the account (refused while events need it)\n"
    "  --set KEY=TEXT          type TEXT into the field KEY (the label in lower case with\n"
    "                          hyphens: start-age, apply-rate, payments-account); pickers\n"
    "                          take an account name, #ID or none, check boxes on or off;\n"
    "                          fields not set keep what the editor shows. Fundamentals\n"
    "                          also take account-rate=R for the chosen account\n"
    "  --calculate             press Calculate (loan, mortgage, credit-card): print the\n"
    "                          computed values, store and write nothing\n"
    "  --out OUT.RET           write the edited scenario to OUT (existing: only with --yes)\n"
    "  --dry-run               check and print, write nothing\n"
    "  --today DATE, --workdir DIR   as for run\n"
    "edit prints the event's description lines and computed values (\"Monthly Payment:\n"
    "289.99\"). A refused value prints each message as TITLE: text and writes nothing.\n"
    "Options of report (and the run options --workdir, --today, --seed, --detailed,\n"
    "--accounts, --summary):\n"
    "  KIND                    networth, incoming, outgoing, accounts, groups,\n"
    "                          incoming-events, outgoing-events, account-flow (or 1-8),\n"
    "                          selected-age, all (with --pdf: every report)\n"
    "  --screen                write the on-screen page \"spage1\" instead of print pages\n"
    "  --age A                 selected-age: the age of the account-flow row\n"
    "  --outgoing              selected-age: the outgoing row (default: incoming)\n"
    "print-schedule takes the run options; it writes \"ptmpsch.dat\" and \"page1\"...\n"
    "print-table takes --workdir DIR and --title T; FILE is in the format of\n"
    "\"pbudout.tmp\", \"psched.tmp\", the budget's \"rpage1\" or \"refprt.tmp\".\n"
    "Page files go into the work directory; their names are printed one per line.\n"
    "Print options of report, print-schedule and print-table (print-table also --today):\n"
    "  --pdf FILE              print the pages, after a title page, into a PDF (600 dpi);\n"
    "                          an existing FILE is replaced only with --yes\n"
    "  --from N --to N         the pages to print (0 is the title page, always printed)\n"
    "  --copies N [--collate]  copies of the pages, each page N times with --collate\n"
    "  --paper letter|a4       the sheet (default letter); --landscape turns it\n"
    "  --margins L,T,R,B       margins in thousandths of an inch (default: the scenario's)\n"
    "  --banding --boxing --columns  the report style (default: the scenario's)\n"
    "\n"
    "Options of budget (applied in this order, then OK; OUT.RET is required when any\n"
    "of them changes the budget):\n"
    "  --paste FILE            Paste All from FILE (a budout.tmp file)\n"
    "  --clear-all             Clear All\n"
    "  --delete NAME           delete the item NAME (may be repeated)\n"
    "  --item \"NAME;AMOUNT;RATE;FLAGS\"  Enter an item; FLAGS of m (monthly), t (track),\n"
    "                          i (apply inflation); may be repeated\n"
    "  --name TEXT, --start AGE, --end AGE   the budget's name and ages\n"
    "  --account NAME|#ID|none the account the budget withdraws from\n"
    "  --activate, --deactivate  the \"Activate this budget\" box\n"
    "  --copy, --sheet, --report  also write budout.tmp (Copy All), rpage1 (Print) or\n"
    "                          pbudout.tmp (Print Report) into the work directory\n"
    "  --workdir DIR, --today DATE   as for run\n"
    "budget prints the budget's name, ages, account, whether it is active, its items as\n"
    "the dialog's rows (tab-separated) and the yearly total.\n"
    "An account target prints added, updated or deleted with the account's id, name and\n"
    "amount; its kind (select-account-type) takes asset, equity, investment, retirement\n"
    "or taxfree, its group (assign-group-to-account) a group name or #index.\n"
    "\n"
    "Options of calc (each prints its results as \"key: value\" lines):\n"
    "  mortgage     --amount A --rate R --years Y [--down D]\n"
    "               [--schedule FILE [--start-age S] [--payoff-age P] [--sell-age S]\n"
    "               [--appreciation R] [--extra E] [--extra-mode 0|1|2]]\n"
    "               or --scenario F.RET --event I [--schedule FILE]\n"
    "  refinance    --start-age S --amount A --rate R --years Y (or --scenario F.RET\n"
    "               --event I [--create OUT.RET]) --refinance-age R --new-rate R\n"
    "               --new-years Y --tax-rate T --savings-rate S [--refinanced-amount B]\n"
    "               [--cash-out C] [--cash-out-as-savings] [--closing-costs C]\n"
    "               [--include-closing-costs] [--points P] [--include-points]\n"
    "               [--report FILE] [--graph-file FILE]\n"
    "  accelerated  --amount A --years Y --rate R [--years-left K] [--extra E]\n"
    "               [--investment-rate R] [--tax-rate T] [--inflation I] [--scenario F.RET]\n"
    "  inflation    --start-age S --end-age E --rate R --amount A\n"
    "  effective-rate --rate R [--compounding daily|monthly|quarterly|semiannually|N]\n"
    "  investment   --amount A --years Y --return R --tax-rate T --inflation I\n"
    "  card-payoff  --balance B --rate R --payment P [--purchases U]\n"
    "  tradeoff [FILE]  FILE as tradeinf.dat (default: the work directory's) [--workdir DIR]\n"
    "               [--periods N] [--use-tax-rate|--no-tax-rate] [--tax-rate T]\n"
    "               [--plot FILE] [--save FILE]\n"
    "Options of import-accounts and update-accounts:\n"
    "  --tab, --comma          the statement's delimiter (default: comma for a .csv name,\n"
    "                          else tab)\n"
    "  --no-new                update-accounts: add no account the scenario lacks\n"
    "  --workdir DIR           where tabout.tmp or csvout.tmp is written (default: .)\n"
    "Each account prints \"added\" or \"updated\", its id, name and amount, tab-separated.\n"
    "update-accounts asks before it changes anything, so it needs --yes to write OUT.\n"
    "\n"
    "A FILE of calc gets exactly the calculator's file; \"-\" sends it to standard output\n"
    "in place of the lines.\n"
    "\n"
#ifdef FINPLAN_CLI_GRAPHS
    "More commands:\n"
    "  graph SCENARIO.RET      simulate the scenario and draw a graph of the run into a\n"
    "                          PNG image as the screen shows it or onto a PDF page as\n"
    "                          the printer prints it\n"
    "\n"
    "Options of graph (--png or --pdf is required, and --kind unless --summary):\n"
    "  --kind N                1 net worth, 2 incoming/outgoing, 3 incoming, 4 outgoing,\n"
    "                          5 accounts, 6 breakdown of one year, 7 groups\n"
    "  --summary               the four-graph summary view instead of one graph\n"
    "  --style lines|bars|3d   lines (default), flat bars or 3-D bars\n"
    "  --year AGE              the selected year: the breakdown's and the summary's\n"
    "  --source N              the graph a breakdown is taken from (default 1)\n"
    "  --page N                the block of ten accounts the accounts graph shows\n"
    "  --size WxH              the PNG's size in pixels (default 1024x768)\n"
    "  --png FILE              draw as the screen shows it into a PNG image\n"
    "  --pdf FILE              draw as the printer prints it onto a PDF page\n"
    "  --workdir DIR, --today DATE   as for run\n"
    "The graph's FILE is replaced when it exists.\n"
    "\n"
#endif
    "Existing output files are replaced only with --yes; without it the command\n"
    "leaves them and exits with status 1.\n"
    "\n"
    "OUT is created when it does not exist and replaced when it does. Messages and\n"
    "questions go to the error stream.\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  usage error: unknown command or option, wrong number of arguments\n"
    "  2  the scenario could not be read (missing or refused file)\n"
    "  3  the scenario could not be written\n"
    "  4  a value was refused by a check (the message is printed as TITLE: text), or\n"
    "     edit was refused (a full event table, an event that is not copied), or a\n"
    "     report, schedule or table has nothing to put on a page\n";

// A command that checks the count of its words itself.
constexpr std::size_t kOwnArgumentCount = static_cast<std::size_t>(-1);

struct Command {
    std::string_view name;
    std::size_t argumentCount;
    OptionSpec options;
    ExitCode (*run)(const CliContext&, const CliArguments&);
};

const auto kCommands = std::to_array<Command>({
    {"info",
     1,
     {},
     [](const CliContext& c, const CliArguments& a) { return runInfo(c, a.files[0]); }},
    {"resave",
     2,
     {},
     [](const CliContext& c, const CliArguments& a) {
         return runResave(c, a.files[0], a.files[1]);
     }},
    {"sample",
     1,
     {},
     [](const CliContext& c, const CliArguments& a) { return runSample(c, a.files[0]); }},
    {"list",
     1,
     {},
     [](const CliContext& c, const CliArguments& a) { return runList(c, a.files[0]); }},
    {"edit", 1, kEditOptions, runEdit},
    {"run", 1, kRunOptions, runRun},
    {"montecarlo", 1, kMonteCarloOptions, runMonteCarlo},
    {"budget", kOwnArgumentCount, kBudgetOptions, runBudget},
    {"calc", kOwnArgumentCount, kCalcOptions, runCalc},
    {"report", 2, kReportOptions, runReport},
    {"print-schedule", 1, kPrintScheduleOptions, runPrintSchedule},
    {"print-table", 2, kPrintTableOptions, runPrintTable},
    {"import-accounts", 2, kImportOptions, runImportAccounts},
    {"update-accounts", 3, kImportOptions, runUpdateAccounts},
#ifdef FINPLAN_CLI_GRAPHS
    {"graph", 1, kGraphOptions, runGraph},
#endif
});

int usageError(std::ostream& err, const std::string& problem) {
    err << "finplan-cli: " << problem << "\n\n"
        << kUsage << "\nRun \"finplan-cli --help\" for the options and exit statuses.\n";
    return static_cast<int>(ExitCode::Usage);
}

std::string quoted(std::string_view word) {
    return "\"" + std::string(word) + "\"";
}

} // namespace

int runCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    // Whatever locale the process was given, the schedule and the files keep their points.
    useCNumericLocale();
    bool answerYes = false;
    bool help = false;
    std::vector<std::string> words;
    for (const std::string_view arg : args) {
        if (arg == "--yes") {
            answerYes = true;
        } else if (arg == "--help" || arg == "-h") {
            help = true;
        } else {
            words.emplace_back(arg);
        }
    }
    if (help) {
        out << kUsage << kHelpDetails;
        return static_cast<int>(ExitCode::Success);
    }
    const auto commandWord = std::find_if(words.begin(), words.end(),
                                          [](const std::string& w) { return !w.starts_with('-'); });
    if (commandWord == words.end()) {
        return words.empty() ? usageError(err, "no command given")
                             : usageError(err, "unknown option " + cli::quoted(words.front()));
    }
    const std::string name = *commandWord;
    words.erase(commandWord);
    for (const Command& command : kCommands) {
        if (command.name != name) {
            continue;
        }
        CliArguments arguments;
        if (const auto problem = parseArguments(words, command.options, arguments)) {
            return usageError(err, *problem);
        }
        if (command.argumentCount != kOwnArgumentCount &&
            arguments.files.size() != command.argumentCount) {
            return usageError(err, std::string(command.name) + " takes " +
                                       std::to_string(command.argumentCount) + " file name" +
                                       (command.argumentCount == 1 ? "" : "s") + ", got " +
                                       std::to_string(arguments.files.size()));
        }
        CliDialogs dialogs(err, answerYes);
        const CliContext context{out, err, dialogs, answerYes};
        return static_cast<int>(command.run(context, arguments));
    }
    return usageError(err, "unknown command " + cli::quoted(name));
}

} // namespace finplan::cli
