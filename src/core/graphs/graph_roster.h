#pragma once

#include "model/account_table.h"
#include "model/group_table.h"
#include "results/result_tables.h"

#include <string>
#include <vector>

namespace finplan {

// An account as the graphs know it: its name and the group its value is summed into.
struct GraphAccount {
    std::string name;
    int group = 0;
};

// A group the graphs show: its index in the group table and its name.
struct GraphGroup {
    int index = 0;
    std::string name;
};

// The accounts in the order of the result tables' account columns, and the groups worth a
// graph. Built after a run from the account table (sorted as the run sorted it).
struct GraphRoster {
    std::vector<GraphAccount> accounts;
    std::vector<GraphGroup> groups;
};

GraphRoster graphRoster(const AccountTable& accounts, const GroupTable& groups);

// Groups whose name has more than one character, in index order; a one-letter name marks a
// group left unused.
std::vector<GraphGroup> graphGroups(const GroupTable& groups);

// The sum of the year's account values over every account of the group, in account order.
// Years outside the tables give 0.
float groupValue(const ResultTables& tables, const GraphRoster& roster, int groupIndex,
                 int yearIndex);

// The account's value in the year; 0 outside the tables.
float accountValue(const ResultTables& tables, int accountPosition, int yearIndex);

} // namespace finplan
