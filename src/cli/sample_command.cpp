#include "cli/sample_command.h"

#include "cli/cli_planner.h"
#include "model/sample_scenario.h"

namespace finplan::cli {

ExitCode runSample(const CliContext& context, const std::string& outPath) {
    CliPlanner planner(context, ".", std::nullopt);
    planner->scenario() = makeSampleScenario();
    return planner->saveTo(outPath) ? ExitCode::Success : ExitCode::WriteFailed;
}

} // namespace finplan::cli
