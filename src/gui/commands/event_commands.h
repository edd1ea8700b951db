#pragma once

namespace finplan::gui {

class CommandDispatcher;

// The scenario's editors: Initial Values, the Add Event menu, group names, budgets and the event
// chooser. None is built yet, so their commands stay disabled until an editor registers here.
class EventCommands {
public:
    void registerWith(CommandDispatcher& /*dispatcher*/) {}
};

} // namespace finplan::gui
