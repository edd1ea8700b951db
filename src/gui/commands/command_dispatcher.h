#pragma once

#include <functional>
#include <map>

namespace finplan::gui {

// The one place a command id leads to what it does. Each menu area adds its commands; an id
// with no handler is a command whose part is not built yet.
class CommandDispatcher {
public:
    using Handler = std::function<void()>;

    // One handler per id: adding an id twice is a programming error.
    void add(int id, Handler handler);
    bool handles(int id) const { return m_handlers.contains(id); }
    // Runs the id's handler; false when there is none.
    bool dispatch(int id) const;

private:
    std::map<int, Handler> m_handlers;
};

} // namespace finplan::gui
