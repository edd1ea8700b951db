#include "render/graph_source.h"

#include "model/account_sort.h"
#include "model/text_field.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace finplan::render {

float GraphScene::ageOf(int yearIndex) const {
    const int shown = std::clamp(tables.shownYears, 0, kMaxShownYears);
    if (shown == 0) {
        return static_cast<float>(yearIndex);
    }
    if (yearIndex >= 0 && yearIndex < shown) {
        return tables.years[static_cast<std::size_t>(yearIndex)].age;
    }
    const float first = std::trunc(tables.years[0].age);
    return first + static_cast<float>(yearIndex);
}

int GraphScene::wholeAgeOf(int yearIndex) const {
    const float age = std::trunc(ageOf(yearIndex));
    return std::fabs(age) < 1.0e6f ? static_cast<int>(age) : 0;
}

GraphRoster runOrderRoster(const Scenario& scenario) {
    // The run sorts the table in place; a later sort on the accounts page must not shift the
    // graphs' names against the result columns, so the order is taken again on a copy.
    AccountTable accounts = scenario.accounts;
    const auto begin = accounts.accounts.begin();
    std::stable_sort(
        begin, begin + accounts.usedCount(), [](const AccountRecord& a, const AccountRecord& b) {
            return compareUpperCase(fieldText(a.accessOrder), fieldText(b.accessOrder)) < 0;
        });
    return graphRoster(accounts, scenario.groups);
}

GraphScene graphScene(const GraphSource& source, int firstAccount, int endAccount) {
    const ResultTables& tables = source.output.tables;
    return GraphScene{tables,
                      runOrderRoster(source.scenario),
                      source.output.captions,
                      std::clamp(tables.shownYears, 0, kMaxShownYears) - 1,
                      source.scenario.header.endAge,
                      source.settings.switches.darker,
                      firstAccount,
                      endAccount};
}

} // namespace finplan::render
