#include "gui/commands/command_areas.h"

namespace finplan::gui {

CommandAreas::CommandAreas(Planner& planner, UserDialogs& dialogs, FileChooser& files,
                           WindowFrame& frame, CommandDispatcher& dispatcher)
    : m_file(planner, files, frame)
    , m_events(planner, dialogs, frame)
    , m_accounts(planner, dialogs, files, frame)
    , m_reports(planner, dialogs, frame)
    , m_graphs(planner, files)
    , m_tools(planner, dialogs, frame, m_events)
    , m_help(frame)
    , m_options(planner, dialogs, frame)
    , m_plots(planner, dialogs) {
    m_file.setAccountsFromFile([this](NewAccountsWay way) {
        m_accounts.createAccountsFromFile(way == NewAccountsWay::FromCommaFile ? Delimiter::Comma
                                                                               : Delimiter::Tab);
    });
    m_events.setCalculatorTools(&m_tools);
    m_accounts.setCalculatorTools(&m_tools);
    m_tools.hooks().print = [this](TableKind kind, const PagesWritten& pages) {
        m_reports.printTable(kind, pages);
    };
    // The plot program starts in the work directory, where the calculators write their files.
    m_tools.hooks().plot = [this](PlotProgram, const std::filesystem::path& file) {
        m_plots.startCalculatorPlot(QString::fromStdString(file.filename().string()));
    };
    m_file.registerWith(dispatcher);
    m_events.registerWith(dispatcher);
    m_accounts.registerWith(dispatcher);
    m_reports.registerWith(dispatcher);
    m_graphs.registerWith(dispatcher);
    m_tools.registerWith(dispatcher);
    m_help.registerWith(dispatcher);
    m_options.registerWith(dispatcher);
    m_plots.registerWith(dispatcher);
}

} // namespace finplan::gui
