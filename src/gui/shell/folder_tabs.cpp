#include "gui/shell/folder_tabs.h"

#include "app/planner.h"
#include "gui/commands/event_actions.h"
#include "gui/graphs/graph_pages.h"
#include "gui/graphs/graph_widget.h"
#include "gui/montecarlo/monte_carlo_page.h"
#include "gui/montecarlo/monte_carlo_run.h"
#include "gui/shell/accounts_page.h"
#include "gui/shell/folder_titles.h"
#include "gui/shell/placeholder_page.h"
#include "gui/shell/results_page.h"
#include "gui/shell/scenario_page.h"

#include <QSignalBlocker>
#include <QVBoxLayout>

namespace finplan::gui {

namespace {

constexpr int kPageMargin = 8;

const char* const kGraphNote = "Graph drawing comes next: this page will show the graph then.";
// The page of many random runs comes after every page of the one run.
const char* const kMonteCarloFolder = "Monte Carlo";

const char* const kTitleNote =
    "Open a scenario with File, Open... or start a new one with File, New.";

} // namespace

FolderTabs::FolderTabs(Planner& planner, FileChooser& files, EventActions& events,
                       AccountActions& accounts, std::function<bool()> dialogOpen,
                       std::function<void(int)> sendCommand, QWidget* parent)
    : QTabWidget(parent)
    , m_planner(planner)
    , m_files(files)
    , m_events(events)
    , m_accounts(accounts)
    , m_dialogOpen(std::move(dialogOpen))
    , m_sendCommand(std::move(sendCommand))
    , m_monteCarlo(new MonteCarloRun(this)) {
    setObjectName(QStringLiteral("folders"));
    setDocumentMode(false);
    setUsesScrollButtons(true);
    setElideMode(Qt::ElideNone);
    connect(this, &QTabWidget::currentChanged, this, &FolderTabs::folderChanged);
}

void FolderTabs::updateFolders() {
    const bool summaryShown = m_planner.hasResults() || m_planner.settings().hideInfoFolder != 0;
    std::vector<std::string> titles =
        folderTitles(summaryShown, m_planner.scenario().accounts.usedCount());
    titles.emplace_back(kMonteCarloFolder);
    const QSignalBlocker blocker(this);
    const int wanted = static_cast<int>(titles.size());
    while (count() > wanted) {
        QWidget* slot = widget(count() - 1);
        removeTab(count() - 1);
        slot->deleteLater();
    }
    while (count() < wanted) {
        auto* slot = new QWidget(this);
        slot->setObjectName(QStringLiteral("folder%1").arg(count()));
        auto* layout = new QVBoxLayout(slot);
        layout->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
        addTab(slot, QString());
    }
    for (int i = 0; i < wanted; ++i) {
        const std::string& title = titles[static_cast<std::size_t>(i)];
        setTabText(i, QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    }
}

void FolderTabs::scenarioEdited() {
    m_monteCarlo->cancel();
}

void FolderTabs::folderChanged(int index) {
    if (m_changingFolders || index < 0) {
        return;
    }
    if (m_dialogOpen()) {
        const QSignalBlocker blocker(this);
        setCurrentIndex(m_previousFolder);
        return;
    }
    m_previousFolder = index;
    createPage(index);
}

void FolderTabs::showFolder(int index) {
    if (index < 0 || index >= count()) {
        index = 0;
    }
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
    m_previousFolder = index;
    createPage(index);
}

void FolderTabs::createPage(int index) {
    if (m_page) {
        // Later, not now: the old page may be the sender of the command that got us here.
        m_page->hide();
        m_page->deleteLater();
        m_page = nullptr;
    }
    QWidget* slot = widget(index);
    if (slot == nullptr) {
        return;
    }
    QWidget* page = makePage(index, slot);
    slot->layout()->addWidget(page);
    m_page = page;
    // A run on the way may have named the summary or changed the account tabs.
    m_changingFolders = true;
    updateFolders();
    m_changingFolders = false;
}

QWidget* FolderTabs::makePage(int index, QWidget* parent) {
    if (index == count() - 1) {
        return new MonteCarloPage(m_planner, *m_monteCarlo, m_files, m_state.startupClientHeight,
                                  parent);
    }
    switch (index) {
    case static_cast<int>(Page::Accounts):
        return new AccountsPage(m_planner, m_accounts, parent);
    case static_cast<int>(Page::Scenario): {
        auto* page = new ScenarioPage(m_planner, m_events, m_state.scenarioLine, parent);
        connect(page, &ScenarioPage::selectedLineChanged, page,
                [this](int line) { m_state.scenarioLine = line; });
        return page;
    }
    case static_cast<int>(Page::Results): {
        auto* page = new ResultsPage(m_planner, m_files, parent);
        connect(page, &ResultsPage::commandRequested, page, [this](int id) { m_sendCommand(id); });
        connect(page, &ResultsPage::eventEditRequested, page,
                [this](int event) { m_events.editEvent(event); });
        return page;
    }
    default:
        break;
    }
    // The summary and the graph pages draw the results of an up-to-date run.
    m_planner.runIfStale();
    if (index == static_cast<int>(Page::Summary) && !m_planner.hasResults() &&
        m_planner.settings().hideInfoFolder == 0) {
        return new PlaceholderPage(QStringLiteral("Financial Planner"),
                                   QString::fromLatin1(kTitleNote), parent);
    }
    if (const auto spec = graphPageForTab(index, m_planner.scenario().accounts.usedCount())) {
        return makeGraphPage(*spec, parent);
    }
    return new PlaceholderPage(tabText(index), QString::fromLatin1(kGraphNote), parent);
}

QWidget* FolderTabs::makeGraphPage(const GraphPageSpec& spec, QWidget* parent) {
    GraphView& view = m_state.graphView;
    auto* page = gui::makeGraphPage(spec, view, m_planner, m_state.startupClientHeight, parent);
    // A changed zoom changes the years the plot file must hold: run again, then redraw.
    connect(page, &GraphWidget::rerunNeeded, page, [this, page, &view] {
        m_planner.setPlotZoom(view.plotZoom());
        page->setBusy(true);
        m_planner.run();
        page->setBusy(false);
        page->refresh();
    });
    page->setFocus();
    return page;
}

} // namespace finplan::gui
