#pragma once

#include "render/print_run.h"

class QPrinter;
class QWidget;

namespace finplan {
class UserDialogs;
}

namespace finplan::gui {

class PrinterChooser;

// What every print of the program goes through: the printer kept while the program runs,
// who chooses the pages, and the message boxes.
struct PrintServices {
    QPrinter& printer;
    PrinterChooser& chooser;
    UserDialogs& dialogs;
};

// Asks for the printer (pages 0 to the job's page count; only the first set's pages can be
// chosen, and only when the job is one set), then prints the job with the abort dialog up.
// False when cancelled, aborted or failed (after the message).
bool printPageFiles(QWidget* parent, render::PrintJob job, const PrintServices& services);

} // namespace finplan::gui
