#include "gui/commands/command_dispatcher.h"

#include <cassert>
#include <utility>

namespace finplan::gui {

void CommandDispatcher::add(int id, Handler handler) {
    [[maybe_unused]] const bool added = m_handlers.emplace(id, std::move(handler)).second;
    assert(added && "two areas claim one command");
}

bool CommandDispatcher::dispatch(int id) const {
    const auto found = m_handlers.find(id);
    if (found == m_handlers.end()) {
        return false;
    }
    found->second();
    return true;
}

} // namespace finplan::gui
