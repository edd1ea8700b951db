#pragma once

#include <QWidget>

class QListView;

namespace finplan {
class Planner;
}

namespace finplan::gui {

class EventActions;
class TextListModel;

// The Scenario page: the scenario described in words, event by event, with the buttons that
// add, edit, copy and delete events. A double-click edits the event of the line.
class ScenarioPage : public QWidget {
    Q_OBJECT
public:
    // `line` is the line selected at the start (the page is made anew after every change).
    ScenarioPage(Planner& planner, EventActions& events, int line, QWidget* parent = nullptr);

    TextListModel* model() const { return m_model; }
    // The selected line; -1 when none is.
    int selectedLine() const;

Q_SIGNALS:
    void selectedLineChanged(int line);

private:
    void selectLine(int line);

    EventActions& m_events;
    TextListModel* m_model;
    QListView* m_view;
};

} // namespace finplan::gui
