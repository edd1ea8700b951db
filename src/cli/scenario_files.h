#pragma once

#include "cli/cli_context.h"
#include "model/app_settings.h"
#include "model/scenario.h"

#include <string>

namespace finplan::cli {

// Reads a scenario file. A file that cannot be opened is reported here; a file the reader
// refuses is reported by the reader itself. Success or ReadFailed.
ExitCode loadScenario(const CliContext& context, const std::string& path, Scenario& scenario,
                      AppSettings& settings);

// Writes the full scenario to `path` as Save does, creating the file first when it is missing.
// Both of the scenario's file names become `path`. Success or WriteFailed.
ExitCode storeScenario(const CliContext& context, const std::string& path, Scenario& scenario,
                       const AppSettings& settings);

} // namespace finplan::cli
