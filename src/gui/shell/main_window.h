#pragma once

#include "graphs/graph_view.h"
#include "gui/editors/new_accounts_dialog.h"
#include "gui/shell/account_table_model.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QTabWidget;
class QToolBar;

namespace finplan {
class Planner;
class UserDialogs;
enum class Page;
} // namespace finplan

namespace finplan::gui {

class FileChooser;
struct GraphPageSpec;

// The main window: menu, accelerators, toolbar and the folder tabs whose pages show the
// scenario and its results. Every menu item, key and toolbar button arrives as a command id at
// handleCommand.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 600;
    static constexpr int kMinimumHeight = 300;

    // The planner has been prepared (its window placement is known); call startUp once the
    // planner has opened its scenario.
    MainWindow(Planner& planner, UserDialogs& dialogs, FileChooser& files,
               QWidget* parent = nullptr);

    // Shows the state the start-up left: title, recent files, tabs and the first folder.
    void startUp();

    void handleCommand(int id);
    // Brings every open editor, calculator or list window to the front; true when there is
    // one, or a file dialog is open.
    bool anyDialogOpen();
    // An editor, calculator or list window that commands must wait for while it is open.
    void addModelessWindow(QWidget* window);

    // The action of a command id; nullptr for ids without one.
    QAction* commandAction(int id) const;
    QTabWidget* folders() const { return m_folders; }
    QWidget* currentPage() const { return m_page; }
    // Selects a folder and creates its page anew.
    void showFolder(int index);

    // The session is ending (log-off or shut-down): the save prompt, then the settings, but the
    // temporary files stay. False when the user cancelled.
    bool endSession();

    // How New learns the way to create the accounts; the dialog by default.
    void setNewAccountsChooser(std::function<std::optional<NewAccountsWay>()> chooser) {
        m_chooseNewAccounts = std::move(chooser);
    }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    using Handler = void (MainWindow::*)();

    void buildMenus();
    void buildToolbar();
    QAction* makeAction(int id);
    void updateRecentFiles();
    void updateTitle();
    void updateFolders();
    void folderChanged(int index);
    void createPage(int index);
    QWidget* makeGraphPage(const gui::GraphPageSpec& spec, QWidget* parent);
    QWidget* makePage(int index, QWidget* parent);
    // After a command changed the scenario or its file: title, menus, tabs and the page.
    void refreshViews(std::optional<Page> page);
    void storePlacement();
    std::string startDirectory(bool accountFiles) const;

    void newScenario();
    void openScenario();
    void saveScenario();
    void saveScenarioAs();
    void exitProgram();
    void about();
    void saveAccounts();
    void readAccounts();
    void reindexAccounts();
    void openRecentFile(int entry);
    void startPlatformCalculator();
    void toggleSummarySwitch();

    Planner& m_planner;
    UserDialogs& m_dialogs;
    FileChooser& m_files;
    std::map<int, Handler> m_handlers;
    std::map<int, QAction*> m_actions;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentEnd = nullptr;
    std::vector<QAction*> m_recentActions;
    QToolBar* m_toolbar = nullptr;
    QTabWidget* m_folders = nullptr;
    QPointer<QWidget> m_page;
    int m_previousFolder = 0;
    bool m_changingFolders = false;
    bool m_sessionEnded = false;
    std::vector<QPointer<QWidget>> m_modeless;
    AccountSortState m_accountSort;
    // One graph state for every graph page, so style, zoom and legend survive tab changes.
    GraphView m_graphView;
    int m_startupClientHeight = 0; // sizes the graph texts
    std::function<std::optional<NewAccountsWay>()> m_chooseNewAccounts;
};

} // namespace finplan::gui
