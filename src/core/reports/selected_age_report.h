#pragma once

#include "reports/page_writer.h"
#include "reports/report_source.h"
#include "results/account_flows.h"

#include <optional>
#include <string_view>

namespace finplan {

// A row of the account-flow report chosen for the selected-age report.
struct SelectedRow {
    int age = 0;
    bool incoming = true;
};

// The row's label ("%5.1f-I" or "-O"): the age up to its first ".", "I" or "O"; incoming when
// it holds an "I". Empty when it starts with no age.
std::optional<SelectedRow> parseSelectedRow(std::string_view label);

// "rpage1" (the accounts by kind) and "rpage2" (by group) of one age's incoming or outgoing
// amounts, with subtotals; accounts whose kind or group is unknown close each page in an
// "Other" block. No pages when the flows have no row of that age.
PagesWritten writeSelectedAgeReport(const AccountFlows& flows, const ReportSource& source,
                                    SelectedRow row, const ReportTarget& target);

} // namespace finplan
