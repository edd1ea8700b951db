#pragma once

namespace finplan::gui {

// What the Scenario and Results pages may ask of the event editors. Each request first waits
// for an open editor, calculator or list window, as the menu commands do.
class EventActions {
public:
    virtual ~EventActions() = default;

    // The Add Event window.
    virtual void addEvent() = 0;
    // The editor of the event that owns a line of the scenario description; line 0 is the
    // initial values.
    virtual void editLine(int line) = 0;
    virtual void copyLine(int line) = 0;
    virtual void deleteLine(int line) = 0;
    // The editor of an event by its index in the table (a schedule line names it).
    virtual void editEvent(int index) = 0;
};

} // namespace finplan::gui
