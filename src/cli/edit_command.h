#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_context.h"

#include <array>
#include <string_view>

namespace finplan::cli {

inline constexpr std::array<std::string_view, 7> kEditFlags = {
    "--dry-run",          "--calculate",   "--initial-values", "--groups",
    "--asset-allocation", "--rmd-options", "--new-account"};
inline constexpr std::array<std::string_view, 11> kEditValued = {
    "--out",        "--today",        "--workdir",    "--add",     "--event",         "--line",
    "--copy-event", "--delete-event", "--life-table", "--account", "--delete-account"};
inline constexpr std::array<std::string_view, 1> kEditRepeated = {"--set"};
inline constexpr OptionSpec kEditOptions{kEditFlags, kEditValued, kEditRepeated};

// `edit SCENARIO.RET`: one editor opened, its fields set, then OK (or Calculate) with the
// dialog's own checks; the result is written to --out. A refused value prints its message
// box as "TITLE: text" and writes nothing (exit 4).
ExitCode runEdit(const CliContext& context, const CliArguments& arguments);

// `list SCENARIO.RET`: the scenario description lines, one per line.
ExitCode runList(const CliContext& context, const std::string& path);

} // namespace finplan::cli
