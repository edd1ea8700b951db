#include "cli/print_table_command.h"

#include "cli/cli_planner.h"
#include "cli/run_command.h"
#include "platform/clock.h"
#include "reports/page_reader.h"
#include "reports/print_kind.h"
#include "reports/report_lines.h"
#include "reports/table_pages.h"

#include <array>
#include <optional>
#include <ostream>

namespace finplan::cli {

namespace {

struct TableWord {
    std::string_view word;
    TableKind kind;
};

constexpr std::array<TableWord, 4> kTables = {{{"budget", TableKind::Budget},
                                               {"mortgage", TableKind::Mortgage},
                                               {"budget-sheet", TableKind::BudgetSheet},
                                               {"refinance", TableKind::Refinance}}};

std::optional<TableKind> tableKind(std::string_view word) {
    for (const TableWord& table : kTables) {
        if (table.word == word) {
            return table.kind;
        }
    }
    return std::nullopt;
}

// The PDF of the pages: the table's file stands where a report names its scenario.
ExitCode printTable(const CliContext& context, const CliArguments& arguments,
                    const PdfRequest& request, TableKind kind, const PagesWritten& pages,
                    const std::filesystem::path& workDir) {
    std::optional<LocalDateTime> now = LocalDateTime{};
    if (const auto today = arguments.value("--today")) {
        now = parseToday(*today);
        if (!now) {
            context.err << "finplan-cli: --today takes YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS\n";
            return ExitCode::Usage;
        }
    } else {
        now = SystemClock().now();
    }
    const PrintName name{printKindFromNumber(static_cast<int>(kind)),
                         arguments.value("--title").value_or(""), 0};
    PdfLook look;
    look.fileName = std::filesystem::path(arguments.files[1]).filename().string();
    look.now = *now;
    return writePdf(context, request, {{name, readPageTexts(workDir, pages.files)}}, look);
}

} // namespace

ExitCode runPrintTable(const CliContext& context, const CliArguments& arguments) {
    const auto kind = tableKind(arguments.files[0]);
    if (!kind) {
        context.err << "finplan-cli: unknown table \"" << arguments.files[0]
                    << "\" (budget, mortgage, budget-sheet or refinance)\n";
        return ExitCode::Usage;
    }
    // The title belongs to the printed title page; it is checked here so scripts learn of a
    // bad one before they print.
    if (const auto title = arguments.value("--title"); title && title->empty()) {
        context.err << "finplan-cli: --title needs a text\n";
        return ExitCode::Usage;
    }
    ExitCode status = ExitCode::Success;
    const auto pdf = readPdfRequest(context, arguments, status);
    if (status != ExitCode::Success) {
        return status;
    }
    const auto text = readReportFile(arguments.files[1]);
    if (!text) {
        context.err << "finplan-cli: cannot read " << arguments.files[1] << '\n';
        return ExitCode::ReadFailed;
    }
    const std::filesystem::path workDir = arguments.value("--workdir").value_or(".");
    if (!ensureWorkDir(context, workDir)) {
        return ExitCode::WriteFailed;
    }
    const PagesWritten pages = writeTablePages(*kind, *text, {workDir, context.dialogs, false});
    if (pages.failed) {
        return ExitCode::WriteFailed;
    }
    if (pages.files.empty()) {
        context.err << "finplan-cli: nothing to print in " << arguments.files[1] << '\n';
        return ExitCode::Refused;
    }
    for (const std::string& name : pages.files) {
        context.out << name << '\n';
    }
    return pdf ? printTable(context, arguments, *pdf, *kind, pages, workDir) : ExitCode::Success;
}

} // namespace finplan::cli
