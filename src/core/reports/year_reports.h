#pragma once

#include "reports/page_writer.h"
#include "reports/report_source.h"

namespace finplan {

// The yearly reports of the Reports menu.
enum class YearReport { NetWorth = 1, Incoming = 2, Outgoing = 3 };

// Net worth, incoming or outgoing by year: every shown year but the run's last.
PagesWritten writeYearReport(YearReport kind, const ReportSource& source,
                             const ReportTarget& target);

// One column per account, in sections of ten on print pages.
PagesWritten writeAccountsReport(const ReportSource& source, const ReportTarget& target);

// One column per group whose name is longer than one character.
PagesWritten writeGroupReport(const ReportSource& source, const ReportTarget& target);

// The groups the groups report lists, in index order.
std::vector<int> listedGroups(const ReportSource& source);

} // namespace finplan
