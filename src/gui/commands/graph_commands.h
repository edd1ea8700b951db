#pragma once

namespace finplan {
class Planner;
}

namespace finplan::gui {

class CommandDispatcher;
class FileChooser;

// The Graphs menu: Save Graphs so far; the graph window and printing the current graph join it
// as they arrive.
class GraphCommands {
public:
    GraphCommands(Planner& planner, FileChooser& files)
        : m_planner(planner)
        , m_files(files) {}
    void registerWith(CommandDispatcher& dispatcher);

private:
    // A copy of the last run's plot file in a graph file the user chooses.
    void saveGraphs();

    Planner& m_planner;
    FileChooser& m_files;
};

} // namespace finplan::gui
