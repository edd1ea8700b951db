#include "cli/report_command.h"

#include "cli/cli_planner.h"
#include "cli/run_command.h"
#include "model/text_field.h"
#include "reports/page_reader.h"
#include "reports/print_kind.h"
#include "reports/report_lines.h"
#include "reports/report_pages.h"
#include "reports/schedule_pages.h"
#include "results/text_format.h"

#include <cstdlib>
#include <ostream>

namespace finplan::cli {

namespace {

constexpr std::string_view kSelectedAge = "selected-age";
constexpr std::string_view kAllReports = "all";

// The page names, or exit 4 when there are none; 3 when a page could not be written.
ExitCode printPages(const CliContext& context, const PagesWritten& pages) {
    if (pages.failed) {
        return ExitCode::WriteFailed;
    }
    if (pages.files.empty()) {
        context.err << "finplan-cli: nothing to report\n";
        return ExitCode::Refused;
    }
    for (const std::string& name : pages.files) {
        context.out << name << '\n';
    }
    return ExitCode::Success;
}

// The selected row's label as the account-flow report writes it; empty when --age is no age.
std::optional<std::string> selectedRow(const CliArguments& arguments) {
    const std::string text = arguments.value("--age").value_or("");
    char* end = nullptr;
    const float age = std::strtof(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(age >= 0.0f && age < 120.0f)) {
        return std::nullopt;
    }
    return formatText(arguments.has("--outgoing") ? "%5.1f-O" : "%5.1f-I",
                      static_cast<double>(age));
}

// A usage problem of the report's words, if any.
std::optional<std::string> reportUsage(const CliArguments& arguments, bool selected) {
    if (arguments.files[1] == kAllReports) {
        if (!arguments.value("--pdf") || arguments.has("--screen")) {
            return "all prints every report into --pdf FILE";
        }
    } else if (!selected && !reportKindFromText(arguments.files[1])) {
        return "unknown report \"" + arguments.files[1] + "\"";
    }
    if (selected && !arguments.value("--age")) {
        return "selected-age needs --age";
    }
    if (!selected && (arguments.value("--age") || arguments.has("--outgoing"))) {
        return "--age and --outgoing belong to selected-age";
    }
    if (selected && arguments.has("--screen")) {
        return "selected-age has print pages only";
    }
    if (selected && !selectedRow(arguments)) {
        return "--age takes an age from 0 to 119";
    }
    return std::nullopt;
}

// Loads the scenario and makes the run the reports show; the exit status when that fails.
std::optional<ExitCode> loadAndRun(CliPlanner& planner, const CliArguments& arguments,
                                   const RunOutputs& outputs) {
    if (!planner->load(arguments.files[0])) {
        return ExitCode::ReadFailed;
    }
    planner->setFixedSeed(*randomSeed(arguments));
    planner->setSwitches(runSwitches(arguments));
    if (!planner->runWith(outputs)) {
        return planner->output().fileFailure.empty() ? ExitCode::ReadFailed : ExitCode::WriteFailed;
    }
    if (!planner->output().fileFailure.empty()) {
        return ExitCode::WriteFailed;
    }
    return std::nullopt;
}

bool badSeed(const CliContext& context, const CliArguments& arguments) {
    if (randomSeed(arguments)) {
        return false;
    }
    context.err << "finplan-cli: --seed takes a whole number from 0 to 4294967295\n";
    return true;
}

// The title block's words and the report style of the loaded scenario.
PdfLook pdfLook(Planner& planner) {
    const AppSettings& settings = planner.settings();
    const Scenario& scenario = planner.scenario();
    PdfLook look{scenario.fileName,
                 planner.clock().now(),
                 scenario.titles,
                 settings.margins,
                 settings.reportBanding != 0,
                 settings.reportBoxing != 0,
                 settings.reportColumns != 0,
                 std::string(fieldText(scenario.fonts[0].faceName))};
    return look;
}

PdfPart pdfPart(PrintName name, const ReportTarget& target, const PagesWritten& pages) {
    return {std::move(name), readPageTexts(target.workDir, pages.files)};
}

// Every report that has pages, in menu order, into one PDF.
ExitCode printAllReports(const CliContext& context, CliPlanner& planner, const PdfRequest& request,
                         const ReportSource& source, const ReportTarget& target) {
    std::vector<PdfPart> parts;
    for (int number = 1; number <= static_cast<int>(ReportKind::AccountFlow); ++number) {
        const PagesWritten pages = writeReport(static_cast<ReportKind>(number), source, target);
        if (pages.failed) {
            return ExitCode::WriteFailed;
        }
        if (!pages.files.empty()) {
            parts.push_back(pdfPart({printKindFromNumber(number), {}, 0}, target, pages));
        }
    }
    if (parts.empty()) {
        context.err << "finplan-cli: nothing to report\n";
        return ExitCode::Refused;
    }
    return writePdf(context, request, parts, pdfLook(*planner));
}

// The page names and, when asked, their PDF.
ExitCode finishPages(const CliContext& context, CliPlanner& planner,
                     const std::optional<PdfRequest>& request, PrintName name,
                     const ReportTarget& target, const PagesWritten& pages) {
    const ExitCode listed = printPages(context, pages);
    if (listed != ExitCode::Success || !request) {
        return listed;
    }
    return writePdf(context, *request, {pdfPart(std::move(name), target, pages)},
                    pdfLook(*planner));
}

} // namespace

ExitCode runReport(const CliContext& context, const CliArguments& arguments) {
    const bool selected = arguments.files[1] == kSelectedAge;
    if (const auto problem = reportUsage(arguments, selected)) {
        context.err << "finplan-cli: " << *problem << '\n';
        return ExitCode::Usage;
    }
    if (badSeed(context, arguments)) {
        return ExitCode::Usage;
    }
    ExitCode status = ExitCode::Success;
    const auto pdf = readPdfRequest(context, arguments, status);
    if (status != ExitCode::Success) {
        return status;
    }
    const auto planner = CliPlanner::create(context, arguments, status);
    if (!planner) {
        return status;
    }
    if (const auto failed = loadAndRun(*planner, arguments, {.runFiles = true})) {
        return *failed;
    }
    // The flows by account position: accounts of one name stay apart.
    const ReportSource source =
        reportSource((*planner)->scenario(), (*planner)->output(), &(*planner)->accountFlows());
    const ReportTarget target{(*planner)->workDir(), context.dialogs, arguments.has("--screen")};
    if (arguments.files[1] == kAllReports) {
        return printAllReports(context, *planner, *pdf, source, target);
    }
    if (selected) {
        const std::string row = *selectedRow(arguments);
        const PrintName name{arguments.has("--outgoing") ? PrintKind::AgeOutgoing
                                                         : PrintKind::AgeIncoming,
                             {},
                             static_cast<int>(leadingFloat(row))};
        return finishPages(context, *planner, pdf, name, target,
                           writeSelectedAge(row, source, target));
    }
    const ReportKind kind = *reportKindFromText(arguments.files[1]);
    return finishPages(context, *planner, pdf, {printKindFromNumber(static_cast<int>(kind)), {}, 0},
                       target, writeReport(kind, source, target));
}

ExitCode runPrintSchedule(const CliContext& context, const CliArguments& arguments) {
    if (badSeed(context, arguments)) {
        return ExitCode::Usage;
    }
    ExitCode status = ExitCode::Success;
    const auto pdf = readPdfRequest(context, arguments, status);
    if (status != ExitCode::Success) {
        return status;
    }
    if (arguments.has("--random-accounts") && arguments.has("--random-groups")) {
        context.err << "finplan-cli: --random-accounts and --random-groups cannot be combined\n";
        return ExitCode::Usage;
    }
    const auto planner = CliPlanner::loaded(context, arguments, status);
    if (!planner) {
        return status;
    }
    (*planner)->setFixedSeed(*randomSeed(arguments));
    (*planner)->setSwitches(runSwitches(arguments));
    if (!(*planner)->writePrintWorkFile()) {
        // A run that never completed refused the scenario; otherwise the file failed.
        return (*planner)->hasResults() ? ExitCode::WriteFailed : ExitCode::ReadFailed;
    }
    const ReportTarget target{(*planner)->workDir(), context.dialogs, false};
    return finishPages(context, *planner, pdf, {PrintKind::Schedule, {}, 0}, target,
                       writeSchedulePagesFromFile(target));
}

} // namespace finplan::cli
