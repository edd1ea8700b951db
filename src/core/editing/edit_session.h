#pragma once

#include "model/scenario.h"

#include <string>
#include <string_view>

namespace finplan {

// One change to a scenario that can be taken back: the scenario as it was when the change
// began is kept, and unless the change is committed it is put back, byte for byte, when the
// session ends. A commit marks the scenario modified and its results stale, sorts the events
// and rebuilds the description list (each event's first line).
class EditSession {
public:
    explicit EditSession(Scenario& scenario)
        : m_scenario(scenario)
        , m_before(scenario) {}
    ~EditSession() { rollBack(); }
    EditSession(const EditSession&) = delete;
    EditSession& operator=(const EditSession&) = delete;

    Scenario& scenario() { return m_scenario; }
    const Scenario& scenario() const { return m_scenario; }

    // Keeps the change under a label ("Add Withdrawal"); the session is over.
    void commit(std::string_view label);
    // Puts the scenario back as it was; the session is over. Nothing after a commit.
    void rollBack();

    // Takes the scenario as it is now as the state a roll-back returns to, so that an edit
    // committed by a nested editor while this one is open stays when this one is cancelled.
    void keepChangesSoFar() {
        if (m_open) {
            m_before = m_scenario;
        }
    }

    bool open() const { return m_open; }
    bool committed() const { return m_committed; }
    const std::string& label() const { return m_label; }
    // The scenario as it was when the session began.
    const Scenario& before() const { return m_before; }

private:
    Scenario& m_scenario;
    Scenario m_before;
    std::string m_label;
    bool m_open = true;
    bool m_committed = false;
};

} // namespace finplan
