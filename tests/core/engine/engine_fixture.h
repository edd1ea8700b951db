#pragma once

#include "editing/scenario_list.h"
#include "engine/run_context.h"
#include "engine/run_simulation.h"
#include "model/derived_totals.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"
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
    RunOutput output;
    RunSwitches switches;
    ScriptedDialogs dialogs;
    TempDir dir;
    FixedClock clock{LocalDateTime{2026, 12, 6, 9, 30, 5}};
    RunEnvironment environment{dir.path(), dialogs, clock};
    // What the engine's steps write when a test calls them directly: the list.
    RunOutputs outputs{&output.schedule};

    AccountRecord& addAccount(std::string_view name, AccountKind kind, float amount, float rate,
                              std::string_view order = " ") {
        AccountTable& table = scenario.accounts;
        const int index = table.accountCount++;
        AccountRecord& a = table.accounts[static_cast<std::size_t>(index)];
        setFieldText(a.name, name);
        setFieldText(a.accessOrder, order);
        a.kind = static_cast<std::uint16_t>(kind);
        a.initialAmount = amount;
        a.balance = amount;
        a.rate = rate;
        a.currentRate = rate;
        a.accountId = static_cast<std::uint16_t>(table.nextAccountId++);
        return a;
    }

    EventRecord& addEvent(EventType type, float startAge, float endAge, std::string_view name) {
        EventRecord& e = scenario.events[static_cast<std::size_t>(scenario.liveEventCount++)];
        e.type = static_cast<std::int16_t>(type);
        e.startAge = startAge;
        e.endAge = endAge;
        setFieldText(e.name, name);
        return e;
    }

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
};

} // namespace finplan::test
