#pragma once

namespace finplan {
class Planner;
}

namespace finplan::gui {

class CommandDispatcher;

// The reports and printing commands: so far the schedule's summary switch (Shift+F11); printing,
// report options, page setup and the export join them as they arrive.
class ReportCommands {
public:
    explicit ReportCommands(Planner& planner)
        : m_planner(planner) {}
    void registerWith(CommandDispatcher& dispatcher);

private:
    Planner& m_planner;
};

} // namespace finplan::gui
