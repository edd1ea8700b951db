// The help manual: every context number, Help menu command and dialog lands on a page and
// anchor that exist, no link of any page is dead, the menu opens the window at its topic and
// the search finds pages by their words.
#include "gui/help/help_topics.h"
#include "gui/help/help_window.h"
#include "gui/shell/command_ids.h"
#include "gui_fixture.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

#include <set>

namespace finplan::test {
namespace {

QString page(const QString& name) {
    QFile file(QStringLiteral(":/help/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Whether the topic's page exists and holds its anchor.
bool resolves(const gui::HelpTopic& topic) {
    const QString text = page(topic.page);
    return !text.isEmpty() &&
           (topic.anchor.isEmpty() || text.contains(QStringLiteral("id=\"%1\"").arg(topic.anchor)));
}

TEST(HelpTopics, EveryContextCommandAndDialogResolves) {
    // The context numbers the dialogs and result windows pass.
    const std::set<int> contexts = {515, 1536, 1537, 1540, 1555, 1556, 1558, 1559, 260};
    const std::vector<int> known = gui::helpContextNumbers();
    EXPECT_EQ(std::set<int>(known.begin(), known.end()), contexts);
    for (const int context : contexts) {
        const auto topic = gui::helpTopicForContext(context);
        ASSERT_TRUE(topic.has_value()) << context;
        EXPECT_TRUE(resolves(*topic)) << context << " " << topic->url().toString().toStdString();
    }
    EXPECT_FALSE(gui::helpTopicForContext(516).has_value());
    // F1, F4, F10 and the 13 tips (788 is none).
    EXPECT_EQ(gui::helpCommands().size(), 16u);
    for (const int id : gui::helpCommands()) {
        const auto topic = gui::helpTopicForCommand(id);
        ASSERT_TRUE(topic.has_value()) << id;
        EXPECT_TRUE(resolves(*topic)) << id;
    }
    EXPECT_FALSE(gui::helpTopicForCommand(gui::command::QuickTipNoAction).has_value());
    EXPECT_EQ(gui::helpTopicForCommand(789)->anchor, QStringLiteral("tip13"));
    EXPECT_EQ(gui::helpTopicForCommand(787)->anchor, QStringLiteral("tip12"));
    for (const std::string_view dialog : gui::helpDialogs()) {
        const auto topic = gui::helpTopicForDialog(dialog);
        ASSERT_TRUE(topic.has_value()) << dialog;
        EXPECT_TRUE(resolves(*topic)) << dialog;
    }
}

TEST(HelpTopics, NoPageHasADeadLink) {
    const QStringList pages = gui::helpPages();
    ASSERT_GE(pages.size(), 15);
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)(?:#([^\"]*))?\""));
    int links = 0;
    for (const QString& name : pages) {
        auto matches = link.globalMatch(page(name));
        while (matches.hasNext()) {
            const auto match = matches.next();
            const QString target = match.captured(1).isEmpty() ? name : match.captured(1);
            EXPECT_TRUE(resolves({target, match.captured(2)}))
                << name.toStdString() << " -> " << match.captured(0).toStdString();
            ++links;
        }
    }
    EXPECT_GT(links, 40);
}

TEST_F(SampleWindowTest, TheHelpMenuOpensItsTopicAndTheSearchFindsPages) {
    window->handleCommand(777); // Shift+F2
    auto* help = window->findChild<gui::HelpWindow*>(QStringLiteral("helpWindow"));
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->browser()->source(), QUrl(QStringLiteral("qrc:/help/quick_tips.html#tip2")));
    window->handleCommand(gui::command::HelpOnHelp);
    EXPECT_EQ(window->findChildren<gui::HelpWindow*>().size(), 1);
    EXPECT_EQ(help->browser()->source(), QUrl(QStringLiteral("qrc:/help/help_on_help.html")));
    help->search(QStringLiteral("trade-off PERIOD"));
    const QString results = help->browser()->toHtml();
    EXPECT_TRUE(results.contains(QStringLiteral("qrc:/help/calculators.html")));
    EXPECT_FALSE(results.contains(QStringLiteral("qrc:/help/rmd.html")));
}

} // namespace
} // namespace finplan::test
