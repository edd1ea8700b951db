#include "gui/help/help_window.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace finplan::gui {

namespace {

QString pageText(const QString& page) {
    QFile file(QStringLiteral(":/help/") + page);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace

QStringList helpPages() {
    return QDir(QStringLiteral(":/help"))
        .entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Financial Planner Help"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    layout->addLayout(bar);
    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("helpSearch"));
    m_search->setPlaceholderText(QStringLiteral("Search"));
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addWidget(m_search, 1);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    layout->addWidget(m_browser, 1);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { showPage(helpContents()); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(m_search, &QLineEdit::returnPressed, this, [this] { search(m_search->text()); });
    resize(640, 720);
}

HelpWindow* HelpWindow::showTopic(QWidget& from, const HelpTopic& topic) {
    QWidget* top = from.window();
    auto* window = top->findChild<HelpWindow*>(QStringLiteral("helpWindow"));
    if (window == nullptr) {
        window = new HelpWindow(top);
    }
    window->showPage(topic);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void HelpWindow::showPage(const HelpTopic& topic) {
    m_browser->setSource(topic.url());
}

void HelpWindow::search(const QString& text) {
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        return;
    }
    QString html = QStringLiteral("<h1>Search: %1</h1><ul>").arg(text.toHtmlEscaped());
    int found = 0;
    for (const QString& page : helpPages()) {
        QTextDocument document;
        document.setHtml(pageText(page));
        const QString plain = document.toPlainText();
        const bool all = std::all_of(words.begin(), words.end(), [&plain](const QString& word) {
            return plain.contains(word, Qt::CaseInsensitive);
        });
        if (all) {
            html += QStringLiteral("<li><a href=\"qrc:/help/%1\">%2</a></li>")
                        .arg(page, document.metaInformation(QTextDocument::DocumentTitle));
            ++found;
        }
    }
    html += found == 0 ? QStringLiteral("</ul><p>No page holds all of these words.</p>")
                       : QStringLiteral("</ul>");
    m_browser->setHtml(html);
}

} // namespace finplan::gui
