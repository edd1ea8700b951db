#pragma once

#include "reports/page_writer.h"
#include "reports/report_source.h"
#include "results/account_flows.h"

#include <optional>

namespace finplan {

// The account-flow report: per whole age an incoming ("-I") and an outgoing ("-O") row, one
// column per account and the row's total; sections of ten accounts on print pages.
PagesWritten writeAccountFlowReport(const AccountFlows& flows, const ReportTarget& target);

// The account flows of the run's files in the work directory; empty (after the message) when
// a file cannot be read.
std::optional<AccountFlows> readAccountFlows(const ReportTarget& target);

} // namespace finplan
