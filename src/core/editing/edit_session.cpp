#include "editing/edit_session.h"

#include "editing/scenario_list.h"
#include "model/event_order.h"

namespace finplan {

void EditSession::commit(std::string_view label) {
    if (!m_open) {
        return;
    }
    m_scenario.modified = true;
    m_scenario.resultsStale = true;
    sortEvents(m_scenario);
    // Rebuilding the list stores each event's first line, which the list's line rule needs.
    buildScenarioList(m_scenario);
    m_label = std::string(label);
    m_open = false;
    m_committed = true;
}

void EditSession::rollBack() {
    if (!m_open) {
        return;
    }
    m_scenario = m_before;
    m_open = false;
}

} // namespace finplan
