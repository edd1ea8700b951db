#include "cli/resave_command.h"

#include "cli/cli_planner.h"

namespace finplan::cli {

ExitCode runResave(const CliContext& context, const std::string& inPath,
                   const std::string& outPath) {
    // The settings the read puts into force (margins, print and report switches) are the ones
    // the writer stores back, so a re-save keeps them.
    CliPlanner planner(context, ".", std::nullopt);
    if (!planner->load(inPath)) {
        return ExitCode::ReadFailed;
    }
    return planner->saveTo(outPath) ? ExitCode::Success : ExitCode::WriteFailed;
}

} // namespace finplan::cli
