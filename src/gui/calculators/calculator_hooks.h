#pragma once

#include "reports/table_pages.h"

#include <filesystem>
#include <functional>

namespace finplan {
class UserDialogs;
}

namespace finplan::gui {

enum class PlotProgram { Refinance, TradeOff };

// What the calculators hand to the rest of the program: the printer for the page files of
// their tables, and the plot program for their graph files. Until someone sets them, each
// says plainly that it is not there.
struct CalculatorHooks {
    std::function<void(TableKind, const PagesWritten&)> print;
    std::function<void(PlotProgram, const std::filesystem::path& file)> plot;
};

// Writes the pages of the table's file (already in the work directory) and prints them.
void printTable(const CalculatorHooks& hooks, TableKind kind, const std::filesystem::path& workDir,
                UserDialogs& dialogs);
void startPlot(const CalculatorHooks& hooks, PlotProgram program, const std::filesystem::path& file,
               UserDialogs& dialogs);

} // namespace finplan::gui
