#pragma once

#include "graphs/graph_roster.h"
#include "model/app_settings.h"
#include "model/scenario.h"
#include "results/run_output.h"

#include <array>
#include <string>

namespace finplan::render {

// Where the graphs read from: the scenario, the last run's output and the settings in force.
// The owner (the planner, or a command) keeps all three alive while graphs are drawn.
struct GraphSource {
    const Scenario& scenario;
    const RunOutput& output;
    const AppSettings& settings;
};

// What one drawing reads, gathered once at its start.
struct GraphScene {
    const ResultTables& tables;
    GraphRoster roster;
    std::array<std::string, 3> captions;
    int lastYearIndex = 0;
    float endAge = 0.0f;
    bool darker = false;
    // The account block of the accounts graph: positions first .. end - 1.
    int firstAccount = 0;
    int endAccount = 0;

    // The age of a year index; years past the run count on from the last one.
    float ageOf(int yearIndex) const;
    int wholeAgeOf(int yearIndex) const;
};

GraphScene graphScene(const GraphSource& source, int firstAccount, int endAccount);

// The graphs' accounts in the order the run gave the result columns: sorted by access order.
GraphRoster runOrderRoster(const Scenario& scenario);

} // namespace finplan::render
