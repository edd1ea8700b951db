#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_context.h"

#include <array>
#include <string_view>

namespace finplan::cli {

inline constexpr std::array<std::string_view, 2> kPrintTableValued = {"--workdir", "--title"};
inline constexpr OptionSpec kPrintTableOptions{{}, kPrintTableValued};

// `print-table KIND FILE`: the print pages of a budget, mortgage, budget-sheet or refinance
// table file, written into the work directory; their names are printed one per line.
ExitCode runPrintTable(const CliContext& context, const CliArguments& arguments);

} // namespace finplan::cli
