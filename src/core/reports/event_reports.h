#pragma once

#include "reports/page_writer.h"
#include "reports/report_source.h"

#include <optional>
#include <string>
#include <string_view>

namespace finplan {

// Event codes of the run's event log: money in and money out.
inline constexpr int kIncomingCode = 2;
inline constexpr int kOutgoingCode = 6;

// "tmpfile.tmp" made from the event log "bigfile.tmp": before the first line of every whole
// age its two totals, "Total Incoming Events" and "Total Outgoing Events". Lines of unknown
// codes and ages outside 0 to 119 are left out. Empty when the text has no such line.
std::string eventWorkText(std::string_view eventLog);

// Writes "tmpfile.tmp" from "bigfile.tmp"; false after the message when either fails.
bool writeEventWorkFile(const ReportTarget& target);

// The incoming or outgoing events report from "tmpfile.tmp": one column per event of that
// direction (a name and its code), one row per age, in sections of seven on print pages.
PagesWritten writeEventsReport(bool incoming, const ReportTarget& target);

// The same from the work file's text, for tests and the fuzzer.
PagesWritten writeEventsReportFrom(std::string_view workText, bool incoming,
                                   const ReportTarget& target);

} // namespace finplan
