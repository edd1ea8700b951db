#pragma once

#include "editing/scenario_list.h"
#include "engine/run_context.h"
#include "engine/run_simulation.h"
#include "model/derived_totals.h"
#include "model/scenario_reset.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <ostream>
#include <string>
#include <vector>

namespace finplan::test {

// A scenario in memory with what a run needs around it.
struct EngineFixture {
    EngineFixture() { resetScenario(scenario); }

    Scenario scenario;
    ScenarioBuilder builder{scenario};
    RunOutput output;
    RunSwitches switches;
    ScriptedDialogs dialogs;
    TempDir dir;
    FixedClock clock{LocalDateTime{2026, 12, 6, 9, 30, 5}};
    RunEnvironment environment{dir.path(), dialogs, clock};
    // What the engine's steps write when a test calls them directly: the list.
    RunOutputs outputs{&output.schedule};

    // Scenario lines, see ScenarioBuilder.
    ScenarioBuilder& add(std::string_view lines) { return builder.add(lines); }
    AccountRecord& account(std::string_view name) { return builder.account(name); }

    int run() {
        deriveTotals(scenario);
        return runSimulation(scenario, output, switches, environment,
                             RunOutputs::display(output.schedule));
    }

    // Saved results: the description, then the run's lines.
    int deriveAndRunTo(std::ostream& file) {
        for (const std::string& line : buildScenarioList(scenario)) {
            file << line << '\n';
        }
        deriveTotals(scenario);
        return runSimulation(scenario, output, switches, environment, {.scheduleFile = &file});
    }

    std::vector<std::string> shownLines() const {
        std::vector<std::string> texts;
        for (const ScheduleLine& line : output.schedule.lines) {
            texts.push_back(line.text);
        }
        return texts;
    }
    std::vector<std::string> linesWith(std::string_view part) const {
        std::vector<std::string> found;
        for (const ScheduleLine& line : output.schedule.lines) {
            if (line.text.find(part) != std::string::npos) {
                found.push_back(line.text);
            }
        }
        return found;
    }
};

} // namespace finplan::test
