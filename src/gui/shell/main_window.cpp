#include "gui/shell/main_window.h"

#include "app/planner.h"
#include "gui/graphs/graph_pages.h"
#include "gui/graphs/graph_widget.h"
#include "gui/platform/file_chooser.h"
#include "gui/resources/toolbar_icons.h"
#include "gui/shell/accounts_page.h"
#include "gui/shell/command_ids.h"
#include "gui/shell/command_table.h"
#include "gui/shell/folder_titles.h"
#include "gui/shell/placeholder_page.h"
#include "gui/shell/results_page.h"
#include "gui/shell/scenario_page.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QSessionManager>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <filesystem>

namespace finplan::gui {

namespace {

constexpr int kPageMargin = 8;
constexpr int kToolbarIconSize = 20;

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const char* const kGraphNote = "Graph drawing comes next: this page will show the graph then.";
const char* const kTitleNote =
    "Open a scenario with File, Open... or start a new one with File, New.";

FileRequest scenarioRequest(const char* title, FileRequest::Mode mode) {
    FileRequest request;
    request.title = title;
    request.filters = {"Scenario Files (*.RET)"};
    request.defaultExtension = "ret";
    request.mode = mode;
    return request;
}

FileRequest accountsRequest(const char* title, FileRequest::Mode mode) {
    FileRequest request;
    request.title = title;
    request.filters = {"Account Files (*.ACC)", "All Files (*.*)"};
    request.defaultExtension = "acc";
    request.mode = mode;
    return request;
}

} // namespace

MainWindow::MainWindow(Planner& planner, UserDialogs& dialogs, FileChooser& files, QWidget* parent)
    : QMainWindow(parent)
    , m_planner(planner)
    , m_dialogs(dialogs)
    , m_files(files) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(qs(planner.title()));
    m_handlers = {
        {command::New, &MainWindow::newScenario},
        {command::Open, &MainWindow::openScenario},
        {command::Save, &MainWindow::saveScenario},
        {command::SaveAs, &MainWindow::saveScenarioAs},
        {command::Exit, &MainWindow::exitProgram},
        {command::About, &MainWindow::about},
        {command::SaveAccounts, &MainWindow::saveAccounts},
        {command::ReadAccounts, &MainWindow::readAccounts},
        {command::ReindexAccounts, &MainWindow::reindexAccounts},
        {command::PlatformCalculator, &MainWindow::startPlatformCalculator},
        {command::SummarySwitch, &MainWindow::toggleSummarySwitch},
    };
    m_chooseNewAccounts = [this]() -> std::optional<NewAccountsWay> {
        NewAccountsDialog dialog(this);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return dialog.chosenWay();
    };

    buildMenus();
    buildToolbar();
    m_folders = new QTabWidget(this);
    m_folders->setObjectName(QStringLiteral("folders"));
    m_folders->setDocumentMode(false);
    m_folders->setUsesScrollButtons(true);
    m_folders->setElideMode(Qt::ElideNone);
    setCentralWidget(m_folders);
    connect(m_folders, &QTabWidget::currentChanged, this, &MainWindow::folderChanged);
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(application, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager& manager) {
                    if (!endSession()) {
                        manager.cancel();
                    }
                });
    }

    const AppSettings& settings = planner.settings();
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    move(settings.windowX, settings.windowY);
    resize(std::max(settings.windowWidth, kMinimumWidth),
           std::max(settings.windowHeight, kMinimumHeight));
}

void MainWindow::startUp() {
    m_startupClientHeight = height();
    updateTitle();
    updateRecentFiles();
    updateFolders();
    showFolder(0);
}

QAction* MainWindow::makeAction(int id) {
    if (const auto found = m_actions.find(id); found != m_actions.end()) {
        return found->second;
    }
    const CommandSpec* spec = findCommand(id);
    auto* action = new QAction(spec != nullptr ? qs(spec->text) : QString(), this);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    action->setData(id);
    if (spec != nullptr && !spec->key.empty()) {
        action->setShortcut(QKeySequence::fromString(qs(spec->key)));
    }
    if (spec != nullptr && !spec->tooltip.empty()) {
        action->setToolTip(qs(spec->tooltip));
        action->setIcon(toolbarIcon(id));
    }
    // A command whose part is not built yet is shown, but cannot be chosen.
    action->setEnabled(m_handlers.contains(id));
    connect(action, &QAction::triggered, this, [this, id] { handleCommand(id); });
    m_actions.emplace(id, action);
    return action;
}

void MainWindow::buildMenus() {
    for (const MenuSpec& menuSpec : menuTable()) {
        QMenu* menu = menuBar()->addMenu(qs(menuSpec.title));
        menu->setObjectName(qs(menuSpec.title).remove(QLatin1Char(' ')) + QStringLiteral("Menu"));
        for (const int entry : menuSpec.entries) {
            if (entry == kSeparator) {
                menu->addSeparator();
            } else if (entry == kRecentFilesPlace) {
                m_fileMenu = menu;
                m_recentEnd = menu->addSeparator();
                m_recentEnd->setVisible(false);
            } else if (entry == kQuickTipsMenu) {
                QMenu* tips = menu->addMenu(QStringLiteral("Quick Tips"));
                tips->setObjectName(QStringLiteral("QuickTipsMenu"));
                for (const int tip : quickTipCommands()) {
                    tips->addAction(makeAction(tip));
                }
            } else {
                menu->addAction(makeAction(entry));
            }
        }
    }
    for (const int id : keyOnlyCommands()) {
        addAction(makeAction(id));
    }
    for (int id = command::RecentFile1; id <= command::RecentFile6; ++id) {
        QAction* recent = new QAction(this);
        recent->setObjectName(QStringLiteral("command%1").arg(id));
        recent->setData(id);
        connect(recent, &QAction::triggered, this, [this, id] { handleCommand(id); });
        m_actions.emplace(id, recent);
        m_recentActions.push_back(recent);
    }
}

void MainWindow::buildToolbar() {
    m_toolbar = addToolBar(QStringLiteral("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("toolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
    for (const int id : toolbarCommands()) {
        if (id == kSeparator) {
            m_toolbar->addSeparator();
        } else {
            m_toolbar->addAction(makeAction(id));
        }
    }
}

QAction* MainWindow::commandAction(int id) const {
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

void MainWindow::updateTitle() {
    setWindowTitle(qs(m_planner.title()));
}

void MainWindow::updateRecentFiles() {
    for (QAction* recent : m_recentActions) {
        m_fileMenu->removeAction(recent);
    }
    const std::vector<std::string> items = m_planner.recentFileItems();
    for (std::size_t i = 0; i < items.size() && i < m_recentActions.size(); ++i) {
        QAction* recent = m_recentActions[i];
        recent->setText(QString::fromLocal8Bit(items[i].c_str()));
        m_fileMenu->insertAction(m_recentEnd, recent);
    }
    m_recentEnd->setVisible(!items.empty());
}

void MainWindow::updateFolders() {
    const bool summaryShown = m_planner.hasResults() || m_planner.settings().hideInfoFolder != 0;
    const std::vector<std::string> titles =
        folderTitles(summaryShown, m_planner.scenario().accounts.usedCount());
    const QSignalBlocker blocker(m_folders);
    const int wanted = static_cast<int>(titles.size());
    while (m_folders->count() > wanted) {
        QWidget* slot = m_folders->widget(m_folders->count() - 1);
        m_folders->removeTab(m_folders->count() - 1);
        slot->deleteLater();
    }
    while (m_folders->count() < wanted) {
        auto* slot = new QWidget(m_folders);
        slot->setObjectName(QStringLiteral("folder%1").arg(m_folders->count()));
        auto* layout = new QVBoxLayout(slot);
        layout->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
        m_folders->addTab(slot, QString());
    }
    for (int i = 0; i < wanted; ++i) {
        m_folders->setTabText(i, qs(titles[static_cast<std::size_t>(i)]));
    }
}

void MainWindow::folderChanged(int index) {
    if (m_changingFolders || index < 0) {
        return;
    }
    if (anyDialogOpen()) {
        const QSignalBlocker blocker(m_folders);
        m_folders->setCurrentIndex(m_previousFolder);
        return;
    }
    m_previousFolder = index;
    createPage(index);
}

void MainWindow::showFolder(int index) {
    if (index < 0 || index >= m_folders->count()) {
        index = 0;
    }
    {
        const QSignalBlocker blocker(m_folders);
        m_folders->setCurrentIndex(index);
    }
    m_previousFolder = index;
    createPage(index);
}

void MainWindow::createPage(int index) {
    if (m_page) {
        // Later, not now: the old page may be the sender of the command that got us here.
        m_page->hide();
        m_page->deleteLater();
        m_page = nullptr;
    }
    QWidget* slot = m_folders->widget(index);
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

QWidget* MainWindow::makePage(int index, QWidget* parent) {
    switch (index) {
    case static_cast<int>(Page::Accounts):
        return new AccountsPage(m_planner, m_accountSort, parent);
    case static_cast<int>(Page::Scenario):
        return new ScenarioPage(m_planner, parent);
    case static_cast<int>(Page::Results): {
        auto* page = new ResultsPage(m_planner, m_files, parent);
        connect(page, &ResultsPage::commandRequested, this, &MainWindow::handleCommand);
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
    if (const auto spec = gui::graphPageForTab(index, m_planner.scenario().accounts.usedCount())) {
        return makeGraphPage(*spec, parent);
    }
    return new PlaceholderPage(m_folders->tabText(index), QString::fromLatin1(kGraphNote), parent);
}

QWidget* MainWindow::makeGraphPage(const gui::GraphPageSpec& spec, QWidget* parent) {
    auto* page = gui::makeGraphPage(spec, m_graphView, m_planner, m_startupClientHeight, parent);
    // A changed zoom changes the years the plot file must hold: run again, then redraw.
    connect(page, &gui::GraphWidget::rerunNeeded, this, [this, page] {
        m_planner.setPlotZoom(m_graphView.plotZoom());
        page->setBusy(true);
        m_planner.run();
        page->setBusy(false);
        page->refresh();
    });
    page->setFocus();
    return page;
}

void MainWindow::refreshViews(std::optional<Page> page) {
    updateTitle();
    updateRecentFiles();
    updateFolders();
    showFolder(page ? static_cast<int>(*page) : m_folders->currentIndex());
}

bool MainWindow::anyDialogOpen() {
    bool open = m_files.isOpen();
    for (const QPointer<QWidget>& window : m_modeless) {
        if (window && window->isVisible()) {
            window->raise();
            window->activateWindow();
            open = true;
        }
    }
    return open;
}

void MainWindow::addModelessWindow(QWidget* window) {
    std::erase_if(m_modeless, [](const QPointer<QWidget>& w) { return w.isNull(); });
    m_modeless.emplace_back(window);
}

void MainWindow::handleCommand(int id) {
    const CommandSpec* spec = findCommand(id);
    if ((spec == nullptr || spec->guarded) && anyDialogOpen()) {
        return;
    }
    if (id >= command::RecentFile1 && id <= command::RecentFile6) {
        openRecentFile(id - command::RecentFile1);
        return;
    }
    if (const auto handler = m_handlers.find(id); handler != m_handlers.end()) {
        (this->*(handler->second))();
    }
}

std::string MainWindow::startDirectory(bool accountFiles) const {
    if (accountFiles && m_planner.settings().switches.quil) {
        return m_planner.workDir().string();
    }
    const std::filesystem::path current(m_planner.scenario().fileName);
    return current.has_parent_path() ? current.parent_path().string() : std::string();
}

void MainWindow::newScenario() {
    if (!m_planner.mayReplaceScenario()) {
        return;
    }
    const std::optional<NewAccountsWay> way = m_chooseNewAccounts();
    // Only "By Hand" can be chosen until the account import exists.
    if (way != NewAccountsWay::ByHand) {
        return;
    }
    m_planner.newScenarioByHand();
    refreshViews(std::nullopt);
}

void MainWindow::openScenario() {
    if (!m_planner.mayReplaceScenario()) {
        return;
    }
    FileRequest request = scenarioRequest("Open a Scenario", FileRequest::Mode::Open);
    request.startDirectory = startDirectory(false);
    std::optional<Page> page;
    if (const auto name = m_files.choose(request)) {
        page = m_planner.openScenario(*name);
    }
    m_planner.runIfStale();
    refreshViews(page);
}

void MainWindow::openRecentFile(int entry) {
    if (!m_planner.mayReplaceScenario()) {
        return;
    }
    const std::optional<Page> page = m_planner.openRecentFile(entry);
    m_planner.runIfStale();
    refreshViews(page);
}

void MainWindow::saveScenario() {
    m_planner.save();
    updateTitle();
}

void MainWindow::saveScenarioAs() {
    FileRequest request = scenarioRequest("Save Scenario With a New Name", FileRequest::Mode::Save);
    request.startDirectory = startDirectory(false);
    const auto name = m_files.choose(request);
    if (!name) {
        return;
    }
    m_planner.saveAs(*name);
    m_planner.runIfStale();
    refreshViews(std::nullopt);
}

void MainWindow::exitProgram() {
    m_planner.writeSettings();
    close();
}

void MainWindow::about() {
    QMessageBox::about(this, QStringLiteral("About the Financial Planner"),
                       QStringLiteral("<b>Financial Planner</b><p>Plans savings, spending, debts "
                                      "and retirement year by year, from today to the end of "
                                      "the plan.</p>"));
}

void MainWindow::saveAccounts() {
    FileRequest request = accountsRequest("Write Accounts", FileRequest::Mode::Save);
    request.startDirectory = startDirectory(true);
    if (const auto name = m_files.choose(request)) {
        m_planner.saveAccounts(*name);
    }
}

void MainWindow::readAccounts() {
    FileRequest request = accountsRequest("Read Accounts", FileRequest::Mode::Open);
    request.startDirectory = startDirectory(true);
    const auto name = m_files.choose(request);
    if (!name) {
        return;
    }
    if (const auto page = m_planner.readAccounts(*name)) {
        refreshViews(page);
    }
}

void MainWindow::reindexAccounts() {
    if (const auto page = m_planner.reindexAccounts()) {
        refreshViews(page);
    }
}

void MainWindow::startPlatformCalculator() {
    if (!QProcess::startDetached(QStringLiteral("calc.exe"), {})) {
        m_dialogs.show({"The Window's Calculator could not be found in the path.",
                        "Execution Error", MessageIcon::Stop, MessageButtons::Ok});
    }
}

void MainWindow::toggleSummarySwitch() {
    m_planner.toggleSummarySwitch();
}

void MainWindow::storePlacement() {
    m_planner.setWindowPlacement(pos().x(), pos().y(), width(), height());
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    storePlacement();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    storePlacement();
}

bool MainWindow::endSession() {
    if (m_planner.askToSave() == Answer::Cancel) {
        return false;
    }
    storePlacement();
    m_planner.finish(false);
    m_sessionEnded = true;
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // What ending the session asked and wrote stands; the window just goes.
    if (m_sessionEnded) {
        event->accept();
        return;
    }
    if (m_planner.askToSave() == Answer::Cancel) {
        event->ignore();
        return;
    }
    storePlacement();
    m_planner.finish(true);
    event->accept();
}

} // namespace finplan::gui
