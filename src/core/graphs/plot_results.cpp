#include "graphs/plot_results.h"

#include "model/text_field.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace finplan {

namespace {

void fillAccounts(const ScenarioPlot& plot, Scenario& scenario) {
    AccountTable& table = scenario.accounts;
    table = AccountTable{};
    const std::size_t count = std::min<std::size_t>(plot.accountNames.size(), kMaxAccounts);
    table.accountCount = static_cast<std::int16_t>(count);
    for (std::size_t i = 0; i < count; ++i) {
        AccountRecord& account = table.accounts[i];
        setFieldText(account.name, plot.accountNames[i]);
        // One access order for all: the graphs keep the file's account order.
        setFieldText(account.accessOrder, "A");
        account.accountId = static_cast<std::uint16_t>(i + 1);
        account.group =
            static_cast<std::uint16_t>(i < plot.accountGroups.size() ? plot.accountGroups[i] : 0);
    }
    for (std::size_t g = 0; g < plot.groupNames.size(); ++g) {
        setFieldText(scenario.groups.groupNames[g], plot.groupNames[g]);
    }
}

void fillTables(const ScenarioPlot& plot, ResultTables& tables) {
    tables = ResultTables{};
    const std::size_t years = std::min<std::size_t>(plot.years.size(), kMaxShownYears);
    tables.shownYears = static_cast<int>(years);
    for (std::size_t y = 0; y < years; ++y) {
        const auto& f = plot.years[y].fields;
        tables.years[y] =
            YearResult{f[0],  f[1],  f[2],  f[3],  f[4],  f[5],  f[6],  f[7],  f[8],  f[9],
                       f[10], f[11], f[12], f[13], f[14], f[15], f[16], f[17], f[18], f[19]};
        const auto& balances = plot.years[y].balances;
        std::copy_n(balances.begin(), std::min<std::size_t>(balances.size(), kMaxAccounts),
                    tables.accountValues[y].begin());
        const float age = std::trunc(f[0]);
        if (age >= 0.0f && age < static_cast<float>(kAgeSlots)) {
            const auto slot = static_cast<std::size_t>(age);
            for (std::size_t k = 0; k < 5; ++k) {
                tables.ageTotals[k][slot] = f[k + 1];
            }
        }
    }
}

} // namespace

void fillPlotResults(const ScenarioPlot& plot, PlotResults& results) {
    fillAccounts(plot, results.scenario);
    fillTables(plot, results.output.tables);
    results.output.captions = plot.captions;
    results.output.graphKind = plot.graphKind;
    results.output.accountNames = plot.accountNames;
    if (!plot.years.empty()) {
        results.scenario.header.startAge = plot.years.front().fields[0];
        results.scenario.header.endAge = plot.years.back().fields[0];
    }
}

} // namespace finplan
