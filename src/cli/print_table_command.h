#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_context.h"
#include "cli/print_options.h"

#include <array>
#include <string_view>

namespace finplan::cli {

inline constexpr auto kPrintTableValued = withPrintOptions(
    std::array<std::string_view, 3>{"--workdir", "--title", "--today"}, kPrintValued);
inline constexpr OptionSpec kPrintTableOptions{kPrintFlags, kPrintTableValued};

// `print-table KIND FILE`: the print pages of a budget, mortgage, budget-sheet or refinance
// table file, written into the work directory; their names are printed one per line and, with
// --pdf, the pages printed into a PDF under the --title.
ExitCode runPrintTable(const CliContext& context, const CliArguments& arguments);

} // namespace finplan::cli
