#include "gui/shell/main_window.h"

#include "app/planner.h"
#include "editing/budget_editor.h"
#include "gui/commands/command_areas.h"
#include "gui/platform/file_chooser.h"
#include "gui/resources/toolbar_icons.h"
#include "gui/shell/command_ids.h"
#include "gui/shell/command_table.h"
#include "gui/shell/window_placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QSessionManager>
#include <QToolBar>

namespace finplan::gui {

namespace {

constexpr int kToolbarIconSize = 20;
// A first start shows at least this much of the Summary page's graphs, where the screen has it;
// the size hint adds whatever the whole toolbar and every tab need.
constexpr QSize kFirstStartSize(1280, 800);

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

MainWindow::MainWindow(Planner& planner, UserDialogs& dialogs, FileChooser& files, QWidget* parent)
    : QMainWindow(parent)
    , m_planner(planner)
    , m_files(files)
    , m_areas(std::make_unique<CommandAreas>(planner, dialogs, files, *this, m_dispatcher)) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(qs(planner.title()));
    buildMenus();
    buildToolbar();
    m_folders = new FolderTabs(
        planner, files, m_areas->events(), m_areas->accounts(), [this] { return anyDialogOpen(); },
        [this](int id) { handleCommand(id); }, this);
    setCentralWidget(m_folders);
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(application, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager& manager) {
                    if (!endSession()) {
                        manager.cancel();
                    }
                });
    }

    setMinimumSize(kMinimumWidth, kMinimumHeight);
    placeAsStored();
}

MainWindow::~MainWindow() = default;

void MainWindow::placeAsStored() {
    const AppSettings& settings = m_planner.settings();
    const QPoint position(settings.windowX, settings.windowY);
    const QSize size(settings.windowWidth, settings.windowHeight);
    const QSize minimum(kMinimumWidth, kMinimumHeight);
    QScreen* screen = QGuiApplication::screenAt(position);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        move(position);
        resize(size.expandedTo(minimum));
        return;
    }
    // The stored position is the frame's, as storePlacement takes it.
    const QRect fitted =
        settings.placementStored
            ? fitWindowToScreen(position, size, minimum, screen->availableGeometry())
            : firstStartPlacement(sizeHint().expandedTo(kFirstStartSize), minimum,
                                  screen->availableGeometry());
    move(fitted.topLeft());
    resize(fitted.size());
}

void MainWindow::startUp() {
    m_folders->setStartupClientHeight(height());
    updateTitle();
    updateRecentFiles();
    m_folders->updateFolders();
    m_folders->showFolder(0);
}

QAction* MainWindow::makeAction(int id) {
    if (const auto found = m_actions.find(id); found != m_actions.end()) {
        return found->second;
    }
    const CommandSpec* spec = findCommand(id);
    QAction* action = newAction(id);
    action->setText(spec != nullptr ? qs(spec->text) : QString());
    if (spec != nullptr && !spec->key.empty()) {
        action->setShortcut(QKeySequence::fromString(qs(spec->key)));
    }
    if (spec != nullptr && !spec->tooltip.empty()) {
        action->setToolTip(qs(spec->tooltip));
        action->setIcon(toolbarIcon(id));
    }
    // A command whose part is not built yet is shown, but cannot be chosen.
    action->setEnabled(m_dispatcher.handles(id));
    return action;
}

// An action that carries only its command id; the recent files get their texts later.
QAction* MainWindow::newAction(int id) {
    auto* action = new QAction(this);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    action->setData(id);
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
        if (menuSpec.title == "Add Event") {
            addBudgetsMenu(*menu);
        }
    }
    for (const int id : keyOnlyCommands()) {
        addAction(makeAction(id));
    }
    for (int id = command::RecentFile1; id <= command::RecentFile6; ++id) {
        m_recentActions.push_back(newAction(id));
    }
}

// The five budgets under their names, checked when active, as they stand when the menu opens.
void MainWindow::addBudgetsMenu(QMenu& parent) {
    QMenu* budgets = parent.addMenu(QStringLiteral("Budgets"));
    budgets->setObjectName(QStringLiteral("BudgetsMenu"));
    std::vector<QAction*> actions;
    for (int number = 1; number <= kBudgetCount; ++number) {
        QAction* action = newAction(command::Budget1 + number - 1);
        action->setCheckable(true);
        action->setEnabled(m_dispatcher.handles(command::Budget1 + number - 1));
        budgets->addAction(action);
        actions.push_back(action);
    }
    const auto refresh = [this, actions] {
        const std::vector<BudgetMenuItem> items = budgetMenuItems(m_planner.scenario());
        for (std::size_t i = 0; i < actions.size() && i < items.size(); ++i) {
            actions[i]->setText(QString::fromStdString(items[i].text));
            actions[i]->setChecked(items[i].checked);
        }
    };
    refresh();
    connect(budgets, &QMenu::aboutToShow, this, refresh);
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

void MainWindow::refreshViews(std::optional<Page> page) {
    updateTitle();
    updateRecentFiles();
    if (m_planner.scenario().resultsStale) {
        m_folders->scenarioEdited();
    }
    m_folders->updateFolders();
    m_folders->showFolder(page ? static_cast<int>(*page) : m_folders->currentIndex());
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
    m_dispatcher.dispatch(id);
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

void MainWindow::finishUnattended() {
    storePlacement();
    m_planner.finish(true);
    m_sessionEnded = true;
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
