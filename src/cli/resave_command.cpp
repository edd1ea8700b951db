#include "cli/resave_command.h"

#include "cli/scenario_files.h"

namespace finplan::cli {

ExitCode runResave(const CliContext& context, const std::string& inPath,
                   const std::string& outPath) {
    Scenario scenario;
    // The settings the read puts into force (margins, print and report switches) are the ones
    // the writer stores back, so a re-save keeps them.
    AppSettings settings;
    const ExitCode read = loadScenario(context, inPath, scenario, settings);
    if (read != ExitCode::Success) {
        return read;
    }
    return storeScenario(context, outPath, scenario, settings);
}

} // namespace finplan::cli
