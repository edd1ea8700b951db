#include "render/print_run.h"

#include "render/page_renderer.h"
#include "results/text_format.h"

namespace finplan::render {

namespace {

void reportFailure(UserDialogs& dialogs, int page) {
    if (page == 0) {
        dialogs.show({"Cannot Print Title Page", "Print Schedule", MessageIcon::Stop});
    }
    dialogs.show({"Cannot print page!", "Print Error", MessageIcon::Stop});
}

PrintChoice choiceFor(const PrintJob& job, const PrintSet& set) {
    if (job.sets.size() == 1) {
        return job.choice;
    }
    return {0, set.pageCount(), job.choice.copies, job.choice.collate};
}

} // namespace

QString printingText(int page, int pageCount) {
    return QString::fromStdString(
        formatText("   Now printing Page %d of %d.....", page, pageCount));
}

PrintOutcome runPrintJob(PageTarget& target, const PrintJob& job, UserDialogs& dialogs,
                         PrintProgress* progress) {
    if (!target.begin(job.documentName)) {
        reportFailure(dialogs, -1);
        return PrintOutcome::Failed;
    }
    const PageDevice device = target.device();
    bool firstPage = true;
    for (const PrintSet& set : job.sets) {
        for (const int page : printOrder(set.pageCount(), choiceFor(job, set))) {
            if (progress != nullptr && !progress->pageStarting(page, set.pageCount())) {
                target.abort();
                return PrintOutcome::Aborted;
            }
            const bool started = firstPage || target.newPage();
            firstPage = false;
            if (!started || !renderPrintPage(target.painter(), device, set, page, job.setting)) {
                target.abort();
                reportFailure(dialogs, page);
                return PrintOutcome::Failed;
            }
        }
    }
    if (!target.end()) {
        reportFailure(dialogs, -1);
        target.abort();
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

} // namespace finplan::render
