#include "graphs/graph_roster.h"

#include "model/text_field.h"

#include <cstddef>

namespace finplan {

GraphRoster graphRoster(const AccountTable& accounts, const GroupTable& groups) {
    GraphRoster roster;
    for (int i = 0; i < accounts.usedCount(); ++i) {
        const AccountRecord& account = accounts.accounts[static_cast<std::size_t>(i)];
        // A result name holds at most 29 characters and its terminator.
        roster.accounts.push_back(
            {std::string(fieldText(account.name).substr(0, 29)), account.group});
    }
    roster.groups = graphGroups(groups);
    return roster;
}

std::vector<GraphGroup> graphGroups(const GroupTable& groups) {
    std::vector<GraphGroup> list;
    for (int index = 0; index < kGroupCount; ++index) {
        const std::string_view name = fieldText(groups.groupNames[static_cast<std::size_t>(index)]);
        if (name.size() > 1) {
            list.push_back({index, std::string(name)});
        }
    }
    return list;
}

float accountValue(const ResultTables& tables, int accountPosition, int yearIndex) {
    if (yearIndex < 0 || yearIndex >= kMaxShownYears || accountPosition < 0 ||
        accountPosition > kMaxAccounts) {
        return 0.0f;
    }
    return tables.accountValues[static_cast<std::size_t>(yearIndex)]
                               [static_cast<std::size_t>(accountPosition)];
}

float groupValue(const ResultTables& tables, const GraphRoster& roster, int groupIndex,
                 int yearIndex) {
    float sum = 0.0f;
    for (std::size_t j = 0; j < roster.accounts.size(); ++j) {
        if (roster.accounts[j].group == groupIndex) {
            sum += accountValue(tables, static_cast<int>(j), yearIndex);
        }
    }
    return sum;
}

} // namespace finplan
