#include "gui/printing/print_pages.h"

#include "gui/printing/print_abort_dialog.h"
#include "gui/printing/printer_chooser.h"
#include "gui/printing/printer_target.h"

#include <QPrinter>

#include <numeric>

namespace finplan::gui {

bool printPageFiles(QWidget* parent, render::PrintJob job, const PrintServices& services) {
    const int total =
        std::accumulate(job.sets.begin(), job.sets.end(), 0,
                        [](int sum, const render::PrintSet& set) { return sum + set.pageCount(); });
    if (job.sets.empty() || !services.chooser.choose(parent, services.printer, total,
                                                     job.sets.size() == 1, job.choice)) {
        return false;
    }
    // Modal while it is up: the other windows take no input until the job ends.
    PrintAbortDialog abort(parent);
    abort.setModal(true);
    abort.show();
    PrinterTarget target(services.printer);
    return render::runPrintJob(target, job, services.dialogs, &abort) ==
           render::PrintOutcome::Printed;
}

} // namespace finplan::gui
