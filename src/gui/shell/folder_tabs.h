#pragma once

#include "graphs/graph_view.h"

#include <QPointer>
#include <QTabWidget>

#include <functional>

namespace finplan {
class Planner;
}

namespace finplan::gui {

class AccountActions;
class EventActions;
class FileChooser;
class MonteCarloRun;
struct GraphPageSpec;

// What the pages remember while they are made anew at every tab change. The schedule's
// position is the Planner's, beside the rest of the results page's logic.
struct PageState {
    // One graph state for every graph page, so style, zoom and legend survive tab changes.
    GraphView graphView;
    int startupClientHeight = 0; // sizes the graph texts
    int scenarioLine = -1;       // the line chosen on the Scenario page
};

// The folder tabs of the main window and the one page they show: the tabs follow the results
// and the accounts, and the page of a chosen tab is made anew.
class FolderTabs : public QTabWidget {
    Q_OBJECT
public:
    // `dialogOpen` says whether a tab change must wait (and puts the tab back); the pages'
    // buttons that stand for commands go to `sendCommand`, their event requests to `events`.
    FolderTabs(Planner& planner, FileChooser& files, EventActions& events, AccountActions& accounts,
               std::function<bool()> dialogOpen, std::function<void(int)> sendCommand,
               QWidget* parent);

    QWidget* currentPage() const { return m_page; }
    void setStartupClientHeight(int height) { m_state.startupClientHeight = height; }
    // Selects a folder and makes its page anew; an unknown folder shows the first.
    void showFolder(int index);
    // The tab count and texts as the results and the accounts now ask.
    void updateFolders();
    // The scenario changed: trials of the old one in progress are cancelled.
    void scenarioEdited();
    MonteCarloRun& monteCarlo() { return *m_monteCarlo; }

private:
    void folderChanged(int index);
    void createPage(int index);
    QWidget* makePage(int index, QWidget* parent);
    QWidget* makeGraphPage(const GraphPageSpec& spec, QWidget* parent);

    Planner& m_planner;
    FileChooser& m_files;
    EventActions& m_events;
    AccountActions& m_accounts;
    std::function<bool()> m_dialogOpen;
    std::function<void(int)> m_sendCommand;
    PageState m_state;
    MonteCarloRun* m_monteCarlo;
    QPointer<QWidget> m_page;
    int m_previousFolder = 0;
    bool m_changingFolders = false;
};

} // namespace finplan::gui
