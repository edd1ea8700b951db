#pragma once

#include "gui/commands/command_dispatcher.h"
#include "gui/commands/window_frame.h"
#include "gui/shell/folder_tabs.h"

#include <QMainWindow>
#include <QPointer>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QToolBar;

namespace finplan {
class Planner;
class UserDialogs;
enum class Page;
} // namespace finplan

namespace finplan::gui {

class CommandAreas;
class FileChooser;

// The main window's frame: menu, accelerators, toolbar and the folder tabs. Every menu item, key
// and toolbar button arrives as a command id at handleCommand, which hands it to the handler that
// its menu area registered.
class MainWindow : public QMainWindow, public WindowFrame {
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 600;
    static constexpr int kMinimumHeight = 300;

    // The planner has been prepared (its window placement is known); call startUp once the
    // planner has opened its scenario.
    MainWindow(Planner& planner, UserDialogs& dialogs, FileChooser& files,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the state the start-up left: title, recent files, tabs and the first folder.
    void startUp();

    void handleCommand(int id);
    // Brings every open editor, calculator or list window to the front; true when there is
    // one, or a file dialog is open.
    bool anyDialogOpen() override;
    // An editor, calculator or list window that commands must wait for while it is open.
    void addModelessWindow(QWidget* window) override;

    // The action of a command id; nullptr for ids without one.
    QAction* commandAction(int id) const;
    CommandAreas& commands() { return *m_areas; }
    FolderTabs* folders() const { return m_folders; }
    QWidget* currentPage() const { return m_folders->currentPage(); }

    // The session is ending (log-off or shut-down): the save prompt, then the settings, but the
    // temporary files stay. False when the user cancelled.
    bool endSession();
    // The end of a use nobody attends (--grab): what Exit writes and deletes, but no save
    // prompt, since nobody is there to answer it and the scenario is never written unasked.
    void finishUnattended();

    void refreshViews(std::optional<Page> page) override;
    void updateTitle() override;
    QWidget& frameWidget() override { return *this; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    QAction* makeAction(int id);
    QAction* newAction(int id);
    void updateRecentFiles();
    // The placement of the preferences, fitted to the screen.
    void placeAsStored();
    void storePlacement();

    Planner& m_planner;
    FileChooser& m_files;
    CommandDispatcher m_dispatcher;
    std::unique_ptr<CommandAreas> m_areas;
    std::map<int, QAction*> m_actions;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentEnd = nullptr;
    std::vector<QAction*> m_recentActions;
    QToolBar* m_toolbar = nullptr;
    FolderTabs* m_folders = nullptr;
    bool m_sessionEnded = false;
    std::vector<QPointer<QWidget>> m_modeless;
};

} // namespace finplan::gui
