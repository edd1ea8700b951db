#pragma once

#include "cli/cli_context.h"

#include <string>

namespace finplan::cli {

// `resave IN.RET OUT.RET`: reads IN and writes it to OUT as a full scenario file.
ExitCode runResave(const CliContext& context, const std::string& inPath,
                   const std::string& outPath);

} // namespace finplan::cli
