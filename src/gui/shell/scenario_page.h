#pragma once

#include <QWidget>

class QListView;

namespace finplan {
class Planner;
}

namespace finplan::gui {

class TextListModel;

// The Scenario page: the scenario described in words, event by event.
class ScenarioPage : public QWidget {
    Q_OBJECT
public:
    ScenarioPage(Planner& planner, QWidget* parent = nullptr);

    TextListModel* model() const { return m_model; }

private:
    TextListModel* m_model;
    QListView* m_view;
};

} // namespace finplan::gui
