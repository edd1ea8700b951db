#pragma once

#include "reports/page_writer.h"
#include "reports/report_source.h"

#include <string>
#include <string_view>

namespace finplan {

// The schedule's column header block at the top of every page after the description.
std::string scheduleHeaderBlock();

// The print pages "page%d" of a printed schedule's text: the scenario description first
// (55 lines a page, no header), then the years, each page opening with the header block and
// a new page started at a year's rule when the page is nearly full. No pages for an empty
// text.
PagesWritten writeSchedulePages(std::string_view scheduleText, const ReportTarget& target);

// The same from the print work file "ptmpsch.dat" of the work directory; failed (after the
// message) when it cannot be read.
PagesWritten writeSchedulePagesFromFile(const ReportTarget& target);

} // namespace finplan
