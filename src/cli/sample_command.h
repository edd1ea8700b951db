#pragma once

#include "cli/cli_context.h"

#include <string>

namespace finplan::cli {

// `sample OUT.RET`: writes the built-in sample scenario.
ExitCode runSample(const CliContext& context, const std::string& outPath);

} // namespace finplan::cli
