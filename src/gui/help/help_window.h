#pragma once

#include "gui/help/help_topics.h"

#include <QDialog>

class QLineEdit;
class QTextBrowser;

namespace finplan::gui {

// The help manual: pages from the program's resources in a browser with Contents, Back,
// Forward and a search over all pages. One window per main window, brought forward and moved
// to the topic asked for.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

    // The help window of `from`'s top-level window, made when there is none yet, at the topic.
    static HelpWindow* showTopic(QWidget& from, const HelpTopic& topic);

    void showPage(const HelpTopic& topic);
    // Lists the pages that hold every word of the text, each a link to its page.
    void search(const QString& text);

    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
    QLineEdit* m_search = nullptr;
};

// The manual's pages, by file name ("index.html", ...).
QStringList helpPages();

} // namespace finplan::gui
