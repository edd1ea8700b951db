#pragma once

namespace finplan::gui {

class CommandDispatcher;

// The Graphs menu: the graph window, Save Graphs and printing the current graph. None is built
// yet, so their commands stay disabled until they register here.
class GraphCommands {
public:
    void registerWith(CommandDispatcher& /*dispatcher*/) {}
};

} // namespace finplan::gui
