#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_context.h"

#include <optional>

namespace finplan::cli {

// `edit` with --groups, --asset-allocation, --rmd-options or --life-table T: the option
// dialog opened, --set typed into its fields, then OK with its own checks. Empty when none
// of these targets was given.
std::optional<ExitCode> runOptionEdit(const CliContext& context, const CliArguments& arguments);

} // namespace finplan::cli
