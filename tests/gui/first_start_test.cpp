// The window as a person first meets it: a size that shows the whole toolbar and every tab on
// the test's 1600x1000 screen, the program's own title, and Save Graphs from the Graphs menu.
#include "gui/shell/command_ids.h"
#include "gui/shell/gui_main.h"
#include "gui_fixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

namespace finplan::test {
namespace {

namespace cmd = gui::command;

TEST_F(GuiTest, AFirstStartShowsEveryTabAndTheWholeToolbarCentred) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1600, 1000));
    openSample();
    // Neither the toolbar nor the tabs need more than 1280x800, the least a first start shows.
    EXPECT_EQ(window->size(), QSize(1280, 800));
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(160, 100));
    auto* tabs = window->folders()->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_GE(tabs->width(), tabs->sizeHint().width());
    for (auto* button : tabs->findChildren<QToolButton*>()) {
        EXPECT_FALSE(button->isVisible()) << "a tab scroll arrow shows";
    }
    auto* toolbar = window->findChild<QToolBar*>();
    ASSERT_NE(toolbar, nullptr);
    auto* overflow = toolbar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
    EXPECT_TRUE(overflow == nullptr || !overflow->isVisible());

    // Stored at exit, the size is what the next start shows.
    window->handleCommand(cmd::Exit);
    Planner next{dir.path(), dialogs, clock};
    next.prepare({});
    EXPECT_TRUE(next.settings().placementStored);
    EXPECT_EQ(next.settings().windowWidth, 1280);
    EXPECT_EQ(next.settings().windowHeight, 800);
}

TEST_F(GuiTest, TheTitleIsTheProgramsOwnWithNothingAppended) {
    gui::setUpApplication();
    // With a display name set, X11 and Wayland append " — NAME" to every title.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
    openSample();
    EXPECT_EQ(title(), qs("Financial Planner - " + samplePath()));
}

TEST_F(GuiTest, SaveGraphsCopiesThePlotFileAndRefusesThePlotFileItself) {
    openSample();
    const std::string target = (dir / "graphs.tvp").string();
    files.answers = {target};
    window->commandAction(cmd::SaveGraphs)->trigger();
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].title, "Save Graphs To a File");
    EXPECT_EQ(files.requests[0].filters,
              (std::vector<std::string>{"Plot Files (*.TVP)", "All Files (*.*)"}));
    EXPECT_EQ(readText(target), readText(dir / "plotinf01.tmp"));
    EXPECT_TRUE(readText(target).ends_with("\nDone\n"));

    const std::string system = (dir / "plotinf-copy.tvp").string();
    writeText(system, "mine\n");
    files.answers = {system};
    window->commandAction(cmd::SaveGraphs)->trigger();
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().title, "FILE WARNING");
    EXPECT_EQ(dialogs.shown.back().text,
              "Cannot overwrite the system file plotinf. \nChoose another file name.");
    EXPECT_EQ(readText(system), "mine\n");
}

} // namespace
} // namespace finplan::test
