#pragma once

#include "reports/page_writer.h"
#include "reports/report_source.h"

#include <optional>
#include <string_view>

namespace finplan {

// The reports of the Reports menu by their print kind.
enum class ReportKind {
    NetWorth = 1,
    Incoming = 2,
    Outgoing = 3,
    Accounts = 4,
    Groups = 5,
    IncomingEvents = 6,
    OutgoingEvents = 7,
    AccountFlow = 8,
};

// "networth" ... "account-flow" or "1" to "8".
std::optional<ReportKind> reportKindFromText(std::string_view text);

// The window title of a report.
std::string_view reportTitle(ReportKind kind);

// Writes a report's page files from the last run: its tables and, for the events and
// account-flow reports, its files in the work directory.
PagesWritten writeReport(ReportKind kind, const ReportSource& source, const ReportTarget& target);

// The selected-age report of one row of the account-flow report ("rpage1" and "rpage2").
PagesWritten writeSelectedAge(std::string_view rowLabel, const ReportSource& source,
                              const ReportTarget& target);

} // namespace finplan
