#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace finplan {
class Planner;
}

namespace finplan::gui {

class FileChooser;
class ScheduleModel;
class ScheduleView;

// The Results page: the schedule list of the last run with the buttons that move in it, run
// again, save the results and randomise the rates. Created when its tab is chosen, it runs the
// simulation at once.
class ResultsPage : public QWidget {
    Q_OBJECT
public:
    ResultsPage(Planner& planner, FileChooser& files, QWidget* parent = nullptr);

    ScheduleModel* model() const { return m_model; }
    ScheduleView* view() const { return m_view; }

Q_SIGNALS:
    // Print and "Edit inital values and run again" hand their command to the main window.
    void commandRequested(int id);
    // A double-click on an event's line asks for the editor of that event (by table index).
    void eventEditRequested(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void positionList();
    void goTo();
    void lineDoubleClicked(const QModelIndex& index);
    void saveResults();
    void runAndRefresh(bool (Planner::*action)());

    Planner& m_planner;
    FileChooser& m_files;
    ScheduleModel* m_model;
    ScheduleView* m_view;
    QLineEdit* m_ageField;
    QCheckBox* m_detailed;
    QCheckBox* m_accounts;
};

} // namespace finplan::gui
