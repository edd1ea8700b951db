#include "gui/printing/printer_chooser.h"

#include <QPrintDialog>
#include <QPrinter>

namespace finplan::gui {

bool DialogPrinterChooser::choose(QWidget* parent, QPrinter& printer, int highestPage,
                                  bool pagesChoosable, PrintChoice& choice) {
    printer.setCopyCount(1);
    printer.setFromTo(0, 0);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(0, highestPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, pagesChoosable);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const bool ranged = pagesChoosable && printer.printRange() == QPrinter::PageRange;
    choice.from = ranged ? printer.fromPage() : 0;
    choice.to = ranged ? printer.toPage() : highestPage;
    choice.copies = printer.copyCount();
    choice.collate = printer.collateCopies();
    return true;
}

} // namespace finplan::gui
