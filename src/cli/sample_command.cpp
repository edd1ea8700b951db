#include "cli/sample_command.h"

#include "cli/scenario_files.h"
#include "model/sample_scenario.h"

namespace finplan::cli {

ExitCode runSample(const CliContext& context, const std::string& outPath) {
    Scenario scenario = makeSampleScenario();
    return storeScenario(context, outPath, scenario, AppSettings{});
}

} // namespace finplan::cli
