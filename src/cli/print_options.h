#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_context.h"
#include "model/app_settings.h"
#include "model/report_titles.h"
#include "platform/clock.h"
#include "reports/print_kind.h"
#include "reports/print_order.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace finplan::cli {

// The options that print page files into a PDF, shared by report, print-schedule and
// print-table.
inline constexpr std::array<std::string_view, 5> kPrintFlags = {
    "--collate", "--landscape", "--banding", "--boxing", "--columns"};
inline constexpr std::array<std::string_view, 6> kPrintValued = {
    "--pdf", "--from", "--to", "--copies", "--paper", "--margins"};

// A command's own options followed by the print options, for its OptionSpec.
template <std::size_t A, std::size_t B>
constexpr std::array<std::string_view, A + B>
withPrintOptions(const std::array<std::string_view, A>& own,
                 const std::array<std::string_view, B>& print) {
    std::array<std::string_view, A + B> all{};
    for (std::size_t i = 0; i < A; ++i) {
        all[i] = own[i];
    }
    for (std::size_t i = 0; i < B; ++i) {
        all[A + i] = print[i];
    }
    return all;
}

// A PDF print the command line asked for.
struct PdfRequest {
    std::filesystem::path file;
    PrintChoice choice{0, -1, 1, false}; // to -1: the last page
    bool a4 = false;
    bool landscape = false;
    std::optional<PageMargins> margins;
    bool banding = false;
    bool boxing = false;
    bool columns = false;
};

// The request of --pdf and its options; nothing without --pdf. A usage problem (a print
// option without --pdf, a bad number, an existing file without --yes) is told and `status`
// set to Usage.
std::optional<PdfRequest> readPdfRequest(const CliContext& context, const CliArguments& arguments,
                                         ExitCode& status);

// One report's page files ready to print.
struct PdfPart {
    PrintName name;
    std::vector<std::optional<std::string>> pages;
};

// The report style and the words of the title block beside the request.
struct PdfLook {
    std::string fileName;
    LocalDateTime now;
    ReportTitles titles;
    PageMargins margins; // the scenario's, when the request names none
    bool banding = false;
    bool boxing = false;
    bool columns = false;
    std::string fontFace;
};

// Prints the parts into the request's PDF; Success, or WriteFailed after the message (the
// file then is as it was).
ExitCode writePdf(const CliContext& context, const PdfRequest& request,
                  const std::vector<PdfPart>& parts, const PdfLook& look);

} // namespace finplan::cli
