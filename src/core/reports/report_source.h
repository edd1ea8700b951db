#pragma once

#include "model/group_table.h"
#include "platform/user_dialogs.h"
#include "results/account_flows.h"
#include "results/result_tables.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace finplan {

struct Scenario;
struct RunOutput;

// An account as the reports know it: its name in the run and, when they are in range and the
// account still is the one the run had at its position, its kind and group; -1 otherwise.
struct ReportAccount {
    std::string name;
    int kind = -1;
    int group = -1;
};

// What the reports read of the last run: its tables, its accounts in run order and the
// group names.
struct ReportSource {
    const ResultTables& tables;
    std::vector<ReportAccount> accounts;
    std::array<std::string, kGroupCount> groupNames;
    // The run's flows by account position, when the run handed them over; otherwise the
    // account-flow reports read the run's files.
    const AccountFlows* flows = nullptr;
};

ReportSource reportSource(const Scenario& scenario, const RunOutput& output,
                          const AccountFlows* flows = nullptr);

// Where a report goes: the work directory, the message boxes, screen or print pages.
struct ReportTarget {
    std::filesystem::path workDir;
    UserDialogs& dialogs;
    bool screen = false;
};

// The rule and empty line below the column header of a print page.
inline constexpr const char* kPrintRule = "---------------------------\n\n";
inline constexpr int kPrintPageLength = 56;
inline constexpr int kScreenPageLength = 3000;

} // namespace finplan
