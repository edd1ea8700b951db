#include "cli/scenario_files.h"

#include "model/file_io.h"
#include "model/scenario_file.h"

#include <ostream>

namespace finplan::cli {

ExitCode loadScenario(const CliContext& context, const std::string& path, Scenario& scenario,
                      AppSettings& settings) {
    // The reader fails silently on a file it cannot open, so that case is checked first.
    if (!fileExists(path) || !readFileBytes(path, 0)) {
        context.err << "Cannot open " << path << '\n';
        return ExitCode::ReadFailed;
    }
    scenario.fileName = path;
    if (!readScenario(scenario, settings, context.dialogs)) {
        return ExitCode::ReadFailed;
    }
    return ExitCode::Success;
}

ExitCode storeScenario(const CliContext& context, const std::string& path, Scenario& scenario,
                       const AppSettings& settings) {
    scenario.fileName = path;
    scenario.saveName = path;
    if (!fileExists(path) && !createNewFile(path)) {
        context.err << "Cannot create " << path << '\n';
        return ExitCode::WriteFailed;
    }
    if (!writeScenario(scenario, settings, context.dialogs)) {
        context.err << "Cannot write " << path << '\n';
        return ExitCode::WriteFailed;
    }
    return ExitCode::Success;
}

} // namespace finplan::cli
