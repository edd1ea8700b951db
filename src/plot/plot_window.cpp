#include "plot/plot_window.h"

#include "graphs/account_pages.h"
#include "gui/graphs/graph_pages.h"
#include "gui/graphs/graph_widget.h"
#include "plot/chart_widget.h"
#include "plot/file_follower.h"
#include "plot/plot_charts.h"
#include "plot/plot_document.h"
#include "plot/plot_output.h"
#include "render/graph_canvas.h"
#include "render/graph_drawing.h"
#include "render/graph_fonts.h"
#include "render/graph_render.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTabBar>
#include <QVBoxLayout>

namespace finplan::plot {

namespace {

// The window's tabs in the main window's tab numbering: the summary, then net worth to groups,
// then the account blocks.
constexpr int kMainSummaryTab = 0;
constexpr int kMainFirstGraphTab = 4;
constexpr int kFixedTabs = 6;

int mainWindowTab(int tab) {
    return tab == 0 ? kMainSummaryTab : tab - 1 + kMainFirstGraphTab;
}

// The tab that shows the graph kind the file names.
int tabForKind(int kind) {
    switch (graphKindFromNumber(kind).value_or(GraphKind::NetWorth)) {
    case GraphKind::IncomingOutgoing:
        return 2;
    case GraphKind::Incoming:
        return 3;
    case GraphKind::Outgoing:
        return 4;
    case GraphKind::Groups:
        return 5;
    case GraphKind::Accounts:
        return kFixedTabs;
    default:
        return 1;
    }
}

// The client height the graph text is sized for, as in a main window of ordinary size.
constexpr int kClientHeight = 700;

} // namespace

PlotWindow::PlotWindow(const QString& path, QWidget* parent)
    : PlotFrame(parent)
    , m_path(QFileInfo(path).absoluteFilePath())
    , m_results(std::make_unique<PlotResults>()) {
    setObjectName(QStringLiteral("plotWindow"));
    setWindowTitle(QStringLiteral("%1 - Financial Planner Graphs").arg(plotDisplayName(path)));
    auto* central = new QWidget(this);
    m_layout = new QVBoxLayout(central);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabBar(central);
    m_tabs->setObjectName(QStringLiteral("pageTabs"));
    m_tabs->hide();
    m_layout->addWidget(m_tabs);
    setCentralWidget(central);
    connect(m_tabs, &QTabBar::currentChanged, this, &PlotWindow::showPage);
    m_follower = new FileFollower(this);
    m_follower->follow(m_path);
    connect(m_follower, &FileFollower::changed, this, [this](const QString& changed) {
        if (changed == m_path) {
            reload();
        }
    });
    resize(900, 640);
    reload();
}

PlotWindow::~PlotWindow() = default;

bool PlotWindow::reload() {
    const LoadedPlot loaded = loadPlotFile(m_path);
    if (loaded.error) {
        setProblem(*loaded.error);
        return false;
    }
    setProblem({});
    ++m_loads;
    if (const ScenarioPlot* scenario = loaded.scenario()) {
        fillPlotResults(*scenario, *m_results);
        showScenario();
    } else if (const SeriesPlot* series = loaded.series()) {
        showSeries(*series);
    }
    Q_EMIT reloaded();
    return true;
}

void PlotWindow::showScenario() {
    if (m_chart != nullptr) {
        delete m_chart;
        m_chart = nullptr;
    }
    const int accounts = m_results->scenario.accounts.usedCount();
    if (accounts != m_accountCount || m_graphPage == nullptr) {
        m_accountCount = accounts;
        rebuildTabs();
    } else {
        m_graphPage->refresh();
    }
}

void PlotWindow::rebuildTabs() {
    const QSignalBlocker blocker(m_tabs);
    const int previous =
        m_graphPage != nullptr ? m_tabs->currentIndex() : tabForKind(m_results->output.graphKind);
    while (m_tabs->count() > 0) {
        m_tabs->removeTab(0);
    }
    for (const QString& title : {QStringLiteral("Summary"), QStringLiteral("Net Worth"),
                                 QStringLiteral("Incoming/Outgoing"), QStringLiteral("Incoming"),
                                 QStringLiteral("Outgoing"), QStringLiteral("Groups")}) {
        m_tabs->addTab(title);
    }
    for (const AccountPage& page : accountPages(m_accountCount)) {
        m_tabs->addTab(render::toQString(page.label));
    }
    m_tabs->show();
    const int tab = std::clamp(previous, 0, m_tabs->count() - 1);
    m_tabs->setCurrentIndex(tab);
    showPage(tab);
}

void PlotWindow::showPage(int tab) {
    const auto spec = gui::graphPageForTab(mainWindowTab(tab), m_accountCount);
    if (!spec) {
        return;
    }
    m_spec = *spec;
    delete m_graphPage;
    const render::GraphSource source{m_results->scenario, m_results->output, m_settings};
    m_graphPage = gui::makeGraphPage(*spec, m_view, source, kClientHeight, centralWidget());
    // The file holds every plotted year, so a new zoom needs only a new drawing.
    connect(m_graphPage, &gui::GraphWidget::rerunNeeded, m_graphPage, &gui::GraphWidget::refresh);
    m_layout->addWidget(m_graphPage, 1);
    m_graphPage->setFocus();
}

void PlotWindow::showSeries(const SeriesPlot& plot) {
    if (m_chart == nullptr) {
        m_chart = new ChartWidget(centralWidget());
        m_layout->addWidget(m_chart, 1);
    }
    m_tabs->hide();
    delete m_graphPage;
    m_graphPage = nullptr;
    m_accountCount = -1;
    m_chart->setChart(seriesChart(plot));
    const QString title = plot.kind == SeriesKind::Refinance ? QStringLiteral("Refinance Analysis")
                                                             : QStringLiteral("Trade-Off Analysis");
    setWindowTitle(QStringLiteral("%1 - %2").arg(title, plotDisplayName(m_path)));
}

render::GraphScene PlotWindow::scene() const {
    return render::graphScene({m_results->scenario, m_results->output, m_settings},
                              m_spec.firstAccount, m_spec.endAccount);
}

WriteResult PlotWindow::savePng(const std::filesystem::path& path) {
    if (m_chart != nullptr) {
        return writeChartPng(path, m_chart->chart(), m_chart->size());
    }
    if (m_graphPage == nullptr) {
        return WriteResult::failure("There is no graph to save");
    }
    return render::writeGraphPng(path, m_view, scene(), m_graphPage->size());
}

WriteResult PlotWindow::savePdf(const std::filesystem::path& path) {
    if (m_chart != nullptr) {
        return writeChartPdf(path, m_chart->chart());
    }
    if (m_graphPage == nullptr) {
        return WriteResult::failure("There is no graph to save");
    }
    return render::writeGraphPdf(path, m_view, scene(), m_settings.margins);
}

void PlotWindow::printTo(QPrinter& printer) {
    if (m_chart != nullptr) {
        printChart(printer, m_chart->chart());
        return;
    }
    if (m_graphPage == nullptr) {
        return;
    }
    printer.setFullPage(true);
    QPainter painter(&printer);
    const QRect page(QPoint(0, 0),
                     printer.pageLayout().fullRectPixels(printer.resolution()).size());
    const int dpi = printer.resolution();
    const auto dots = [dpi](int thousandths) { return thousandths * dpi / 1000; };
    const QMargins margins(dots(m_settings.margins.left), dots(m_settings.margins.top),
                           dots(m_settings.margins.right), dots(m_settings.margins.bottom));
    render::drawPrintedGraph(painter, page, margins, m_view, scene(), render::printerGraphFont());
}

} // namespace finplan::plot
