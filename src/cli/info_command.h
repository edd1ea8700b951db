#pragma once

#include "cli/cli_context.h"

#include <string>

namespace finplan::cli {

// `info SCENARIO.RET`: the header values, the accounts and the events of a scenario as an
// aligned text table.
ExitCode runInfo(const CliContext& context, const std::string& path);

} // namespace finplan::cli
