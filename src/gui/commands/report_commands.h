#pragma once

#include "gui/printing/printer_chooser.h"
#include "render/print_run.h"
#include "reports/report_pages.h"
#include "reports/table_pages.h"

#include <memory>
#include <string>

class QPrinter;

namespace finplan {
class Planner;
class UserDialogs;
} // namespace finplan

namespace finplan::gui {

class CommandDispatcher;
class WindowFrame;

// The reports and printing commands: the report windows and their prints, Print All Reports,
// the printed schedule, the current graph and the schedule's summary switch (Shift+F11).
class ReportCommands {
public:
    ReportCommands(Planner& planner, UserDialogs& dialogs, WindowFrame& frame);
    ~ReportCommands();
    ReportCommands(const ReportCommands&) = delete;
    ReportCommands& operator=(const ReportCommands&) = delete;

    void registerWith(CommandDispatcher& dispatcher);

    // Tests print into files through a chooser of their own.
    void setPrinterChooser(std::unique_ptr<PrinterChooser> chooser);
    // The printer kept while the program runs, made at the first print.
    QPrinter& printer();

    // The words and style of the pages printed now.
    render::PageSetting pageSetting() const;

    // The page files of a calculator's or budget's table, printed as the table's kind.
    void printTable(TableKind kind, const PagesWritten& pages);

private:
    void openReport(ReportKind kind);
    void printReport(ReportKind kind);
    void printSelectedAge(const std::string& rowLabel);
    void printAllReports();
    void printResults();
    // The graph of the graph or summary page now shown, one page a copy.
    void printGraph();
    // The window's page as it is on screen, stretched over the default printer's sheet.
    void printWindow();
    bool print(render::PrintJob job);

    Planner& m_planner;
    UserDialogs& m_dialogs;
    WindowFrame& m_frame;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<PrinterChooser> m_chooser;
};

} // namespace finplan::gui
