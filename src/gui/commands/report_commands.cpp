#include "gui/commands/report_commands.h"

#include "app/planner.h"
#include "gui/commands/command_dispatcher.h"
#include "gui/commands/window_frame.h"
#include "gui/graphs/graph_widget.h"
#include "gui/printing/print_pages.h"
#include "gui/printing/report_window.h"
#include "gui/shell/command_ids.h"
#include "model/text_field.h"
#include "render/graph_drawing.h"
#include "render/graph_fonts.h"
#include "reports/page_geometry.h"
#include "reports/page_reader.h"
#include "reports/report_lines.h"
#include "reports/schedule_pages.h"

#include <QMainWindow>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <array>

namespace finplan::gui {

namespace {

struct ReportCommand {
    int id;
    ReportKind kind;
};

constexpr std::array<ReportCommand, 8> kReportCommands = {{
    {command::NetWorthReport, ReportKind::NetWorth},
    {command::IncomingReport, ReportKind::Incoming},
    {command::OutgoingReport, ReportKind::Outgoing},
    {command::AccountsReport, ReportKind::Accounts},
    {command::GroupReport, ReportKind::Groups},
    {command::IncomingEventsReport, ReportKind::IncomingEvents},
    {command::OutgoingEventsReport, ReportKind::OutgoingEvents},
    {command::AccountFlowReport, ReportKind::AccountFlow},
}};

// Built member by member: GCC's optimiser takes a braced PrintSet's strings for uninitialised.
render::PrintSet printSet(PrintName name, const std::filesystem::path& workDir,
                          const PagesWritten& pages) {
    render::PrintSet set;
    set.name = std::move(name);
    set.pages = readPageTexts(workDir, pages.files);
    return set;
}

PrintName nameOf(ReportKind kind) {
    return {printKindFromNumber(static_cast<int>(kind)), {}, 0};
}

} // namespace

ReportCommands::ReportCommands(Planner& planner, UserDialogs& dialogs, WindowFrame& frame)
    : m_planner(planner)
    , m_dialogs(dialogs)
    , m_frame(frame)
    , m_chooser(std::make_unique<DialogPrinterChooser>()) {}

ReportCommands::~ReportCommands() = default;

void ReportCommands::registerWith(CommandDispatcher& dispatcher) {
    // Takes effect at the next run, so nothing is shown again now.
    dispatcher.add(command::SummarySwitch, [this] { m_planner.toggleSummarySwitch(); });
    for (const ReportCommand& report : kReportCommands) {
        dispatcher.add(report.id, [this, kind = report.kind] { openReport(kind); });
    }
    dispatcher.add(command::PrintAllReports, [this] { printAllReports(); });
    dispatcher.add(command::PrintResults, [this] { printResults(); });
    for (const int id : {command::PrintCurrentGraphMenu, command::PrintCurrentGraphToolbar,
                         command::PrintCurrentGraph}) {
        dispatcher.add(id, [this] { printGraph(); });
    }
    dispatcher.add(command::PrintWindow, [this] { printWindow(); });
}

QPrinter& ReportCommands::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

void ReportCommands::setPrinterChooser(std::unique_ptr<PrinterChooser> chooser) {
    m_chooser = std::move(chooser);
}

render::PageSetting ReportCommands::pageSetting() const {
    const Scenario& scenario = m_planner.scenario();
    const AppSettings& settings = m_planner.settings();
    render::PageSetting setting;
    setting.captions = printCaptions(scenario.fileName, m_planner.clock().now(), scenario.titles);
    setting.margins = settings.margins;
    setting.style.banding = settings.reportBanding != 0;
    setting.style.boxing = settings.reportBoxing != 0;
    setting.style.columns = settings.reportColumns != 0;
    const std::string_view face = fieldText(scenario.fonts[0].faceName);
    setting.style.fontFamily =
        QString::fromLatin1(face.data(), static_cast<qsizetype>(face.size()));
    return setting;
}

bool ReportCommands::print(render::PrintJob job) {
    job.setting = pageSetting();
    QPrinter& kept = printer();
    kept.setPageOrientation(m_planner.settings().printOption == 2 ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
    const bool printed =
        printPageFiles(&m_frame.frameWidget(), std::move(job), {kept, *m_chooser, m_dialogs});
    // The dialog may have turned the paper; the next dialogs open the way it was left.
    m_planner.settings().printOption =
        kept.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
    return printed;
}

void ReportCommands::openReport(ReportKind kind) {
    if (!m_planner.runIfStale() && !m_planner.hasResults()) {
        return;
    }
    const ReportSource source = reportSource(m_planner.scenario(), m_planner.output());
    const PagesWritten pages = writeReport(kind, source, {m_planner.workDir(), m_dialogs, true});
    if (pages.files.empty()) {
        return;
    }
    auto page = readPage(m_planner.workDir() / pages.files.front());
    if (!page) {
        m_dialogs.show({"Cannot open spage1", "FILE OPEN ERROR", MessageIcon::Stop});
        return;
    }
    ReportActions actions;
    actions.print = [this, kind] { printReport(kind); };
    if (kind == ReportKind::AccountFlow) {
        actions.printSelectedAge = [this](const std::string& row) { printSelectedAge(row); };
    }
    auto* window =
        new ReportWindow(&m_frame.frameWidget(),
                         QString::fromLatin1(reportTitle(kind).data(),
                                             static_cast<qsizetype>(reportTitle(kind).size())),
                         std::move(*page), std::move(actions));
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_frame.addModelessWindow(window);
    window->show();
}

void ReportCommands::printReport(ReportKind kind) {
    const ReportSource source = reportSource(m_planner.scenario(), m_planner.output());
    const PagesWritten pages = writeReport(kind, source, {m_planner.workDir(), m_dialogs, false});
    if (pages.files.empty()) {
        return;
    }
    render::PrintJob job;
    job.sets.push_back(printSet(nameOf(kind), m_planner.workDir(), pages));
    print(std::move(job));
}

void ReportCommands::printTable(TableKind kind, const PagesWritten& pages) {
    if (pages.files.empty()) {
        return;
    }
    PrintName name;
    name.kind = printKindFromNumber(static_cast<int>(kind));
    render::PrintJob job;
    job.sets.push_back(printSet(std::move(name), m_planner.workDir(), pages));
    print(std::move(job));
}

void ReportCommands::printSelectedAge(const std::string& rowLabel) {
    const ReportSource source = reportSource(m_planner.scenario(), m_planner.output());
    const PagesWritten pages =
        writeSelectedAge(rowLabel, source, {m_planner.workDir(), m_dialogs, false});
    if (pages.files.empty()) {
        return;
    }
    const bool incoming = rowLabel.find('I') != std::string::npos;
    const PrintName name{
        incoming ? PrintKind::AgeIncoming : PrintKind::AgeOutgoing, {}, leadingInt(rowLabel)};
    render::PrintJob job;
    job.sets.push_back({name, readPageTexts(m_planner.workDir(), pages.files)});
    print(std::move(job));
}

void ReportCommands::printAllReports() {
    if (!m_planner.runIfStale() && !m_planner.hasResults()) {
        return;
    }
    const ReportSource source = reportSource(m_planner.scenario(), m_planner.output());
    render::PrintJob job;
    for (const ReportCommand& report : kReportCommands) {
        const PagesWritten pages =
            writeReport(report.kind, source, {m_planner.workDir(), m_dialogs, false});
        // Reports with nothing in them are left out; the others print all the same.
        if (!pages.files.empty()) {
            job.sets.push_back(printSet(nameOf(report.kind), m_planner.workDir(), pages));
        }
    }
    print(std::move(job));
}

void ReportCommands::printResults() {
    if (!m_planner.writePrintWorkFile()) {
        return;
    }
    const PagesWritten pages = writeSchedulePagesFromFile({m_planner.workDir(), m_dialogs, false});
    if (pages.files.empty()) {
        return;
    }
    render::PrintJob job;
    job.sets.push_back(printSet(PrintName{}, m_planner.workDir(), pages));
    print(std::move(job));
}

void ReportCommands::printGraph() {
    GraphWidget* graph = nullptr;
    for (GraphWidget* each : m_frame.frameWidget().findChildren<GraphWidget*>()) {
        if (each->isVisible()) {
            graph = each;
        }
    }
    if (graph == nullptr) {
        return;
    }
    QPrinter& kept = printer();
    PrintChoice choice{0, 1, 1, false};
    if (!m_chooser->choose(&m_frame.frameWidget(), kept, 1, false, choice)) {
        return;
    }
    kept.setDocName(QStringLiteral("Printing Graph"));
    kept.setCopyCount(1);
    kept.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&kept)) {
        m_dialogs.show({"Cannot print page!", "Print Error", MessageIcon::Stop});
        return;
    }
    const QRect sheet = kept.pageLayout().fullRectPixels(kept.resolution());
    const PageDevice device{sheet.width(), sheet.height(), kept.logicalDpiX(), kept.logicalDpiY()};
    const DeviceMargins margins = deviceMargins(m_planner.settings().margins, device);
    const render::GraphScene scene = graph->scene();
    for (int copy = 0; copy < std::max(choice.copies, 1); ++copy) {
        if (copy > 0) {
            kept.newPage();
        }
        render::drawPrintedGraph(painter, QRect(0, 0, device.width, device.height),
                                 QMargins(margins.left, margins.top, margins.right, margins.bottom),
                                 graph->view(), scene, render::printerGraphFont());
    }
    painter.end();
}

void ReportCommands::printWindow() {
    QWidget& frame = m_frame.frameWidget();
    const auto* main = qobject_cast<QMainWindow*>(&frame);
    QWidget* page =
        main != nullptr && main->centralWidget() != nullptr ? main->centralWidget() : &frame;
    QPrinter& kept = printer();
    if (!kept.isValid()) {
        m_dialogs.show({"Invalid Printer", "Print Error", MessageIcon::Stop});
        return;
    }
    const QImage shot = page->grab().toImage().convertToFormat(QImage::Format_RGB888);
    kept.setDocName(QStringLiteral("Window Contents"));
    kept.setCopyCount(1);
    kept.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&kept)) {
        m_dialogs.show({"Cannot print page!", "Print Error", MessageIcon::Stop});
        return;
    }
    painter.drawImage(kept.pageLayout().fullRectPixels(kept.resolution()), shot);
    painter.end();
}

} // namespace finplan::gui
