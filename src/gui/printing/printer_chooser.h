#pragma once

#include "reports/print_order.h"

class QPrinter;
class QWidget;

namespace finplan::gui {

// Asks for the printer, the pages and the copies of a print. The GUI shows the print dialog;
// tests put in a chooser that prints to a PDF file.
class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    // Pages 0 (the title page) to highestPage; the range is offered only when pagesChoosable.
    // False when the user cancelled.
    virtual bool choose(QWidget* parent, QPrinter& printer, int highestPage, bool pagesChoosable,
                        PrintChoice& choice) = 0;
};

// The system's print dialog.
class DialogPrinterChooser : public PrinterChooser {
public:
    bool choose(QWidget* parent, QPrinter& printer, int highestPage, bool pagesChoosable,
                PrintChoice& choice) override;
};

} // namespace finplan::gui
