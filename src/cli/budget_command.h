#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_context.h"

#include <array>
#include <string_view>

namespace finplan::cli {

inline constexpr std::array<std::string_view, 6> kBudgetFlags = {
    "--clear-all", "--activate", "--deactivate", "--copy", "--sheet", "--report"};
inline constexpr std::array<std::string_view, 7> kBudgetValued = {
    "--paste", "--name", "--start", "--end", "--account", "--workdir", "--today"};
inline constexpr std::array<std::string_view, 2> kBudgetRepeated = {"--delete", "--item"};
inline constexpr OptionSpec kBudgetOptions{kBudgetFlags, kBudgetValued, kBudgetRepeated};

// `budget SCENARIO.RET N [OUT.RET]`: budget N opened in the Budget dialog's editor; a pasted
// file, Clear All, deleted and entered items and the fields applied in that order, then OK.
// Prints the budget as the dialog shows it; writes the copy file, the item sheet and the
// report's input into the work directory when asked. A refusal prints "TITLE: text" and
// writes nothing (exit 4).
ExitCode runBudget(const CliContext& context, const CliArguments& arguments);

} // namespace finplan::cli
