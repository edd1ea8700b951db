#pragma once

#include "reports/page_writer.h"
#include "reports/report_source.h"

#include <string_view>

namespace finplan {

// The printable tables other windows hand over as text files.
enum class TableKind {
    Budget = 11,      // "pbudout.tmp"
    Mortgage = 12,    // "psched.tmp"
    BudgetSheet = 13, // the budget dialog's "rpage1"
    Refinance = 14,   // "refprt.tmp"
};

// The print pages of a table from its file's text. No pages when the text holds nothing to
// print (a budget without items, a table without rows).
PagesWritten writeTablePages(TableKind kind, std::string_view text, const ReportTarget& target);

// The same from the kind's own file in the work directory; failed (after the message) when
// it cannot be read.
PagesWritten writeTablePagesFromFile(TableKind kind, const ReportTarget& target);

} // namespace finplan
