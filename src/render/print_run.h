#pragma once

#include "platform/user_dialogs.h"
#include "render/page_target.h"
#include "render/print_set.h"
#include "reports/print_order.h"

#include <QString>

#include <vector>

namespace finplan::render {

// Shown while pages go out; the user may stop the job between two pages.
class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    // Before each page of a set; false when the user pressed Abort.
    virtual bool pageStarting(int page, int pageCount) = 0;
};

// One print job: one or more reports (Print All) in one document.
struct PrintJob {
    QString documentName = QStringLiteral("Printing Schedule");
    std::vector<PrintSet> sets;
    // The dialog's choice; with more than one set every set prints all its pages.
    PrintChoice choice;
    PageSetting setting;
};

enum class PrintOutcome { Printed, Aborted, Failed };

// "   Now printing Page %d of %d....."
QString printingText(int page, int pageCount);

// Sends the job's pages to the target in print order. A page that cannot be drawn is
// reported and ends the job, as does Abort; the target then keeps nothing.
PrintOutcome runPrintJob(PageTarget& target, const PrintJob& job, UserDialogs& dialogs,
                         PrintProgress* progress = nullptr);

} // namespace finplan::render
