#include "gui/calculators/calculator_hooks.h"

#include "platform/user_dialogs.h"

namespace finplan::gui {

void printTable(const CalculatorHooks& hooks, TableKind kind, const std::filesystem::path& workDir,
                UserDialogs& dialogs) {
    const PagesWritten pages = writeTablePagesFromFile(kind, {workDir, dialogs, false});
    if (pages.failed) {
        return;
    }
    if (!hooks.print) {
        dialogs.show({"Printing is not available: no printer has been set up for this program.",
                      "Print", MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    hooks.print(kind, pages);
}

void startPlot(const CalculatorHooks& hooks, PlotProgram program, const std::filesystem::path& file,
               UserDialogs& dialogs) {
    if (!hooks.plot) {
        dialogs.show({"The graph program is missing, so " + file.filename().string() +
                          " was written but cannot be shown.",
                      "Execution Error", MessageIcon::Stop, MessageButtons::Ok});
        return;
    }
    hooks.plot(program, file);
}

} // namespace finplan::gui
