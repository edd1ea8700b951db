#pragma once

#include <QWidget>

namespace finplan::gui {

// A page whose content arrives later: the graph pages until the graphs are drawn, and the
// title page shown before any scenario has run.
class PlaceholderPage : public QWidget {
    Q_OBJECT
public:
    PlaceholderPage(QString heading, QString note, QWidget* parent = nullptr);

    const QString& heading() const { return m_heading; }
    const QString& note() const { return m_note; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_heading;
    QString m_note;
};

} // namespace finplan::gui
