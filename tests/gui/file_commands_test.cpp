#include "gui/shell/accounts_page.h"
#include "gui/shell/command_ids.h"
#include "gui/shell/placeholder_page.h"
#include "gui/shell/scenario_page.h"
#include "gui_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <filesystem>

namespace finplan::test {
namespace {

namespace cmd = gui::command;

gui::FileRequest fileRequest(const char* title, gui::FileRequest::Mode mode,
                             const std::string& directory, bool accounts = false) {
    gui::FileRequest request;
    request.title = title;
    request.filters = accounts
                          ? std::vector<std::string>{"Account Files (*.ACC)", "All Files (*.*)"}
                          : std::vector<std::string>{"Scenario Files (*.RET)"};
    request.defaultExtension = accounts ? "acc" : "ret";
    request.mode = mode;
    request.startDirectory = directory;
    return request;
}

QStringList recentItems(const gui::MainWindow& window) {
    QStringList items;
    for (int id = cmd::RecentFile1; id <= cmd::RecentFile6; ++id) {
        const QAction* action = window.commandAction(id);
        const auto* file = window.menuBar()->findChild<QMenu*>(QStringLiteral("FileMenu"));
        if (action != nullptr && file->actions().contains(action)) {
            items << action->text();
        }
    }
    return items;
}

TEST_F(SampleWindowTest, OpenAsksForAScenarioAndShowsItsEvents) {
    const std::string other = (dir / "other.RET").string();
    writeAll(other, readAll(samplePath()));
    files.answers = {other};
    window->handleCommand(cmd::Open);
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0],
              fileRequest("Open a Scenario", gui::FileRequest::Mode::Open, dir.path().string()));
    EXPECT_EQ(title(), qs("Financial Planner - " + other));
    EXPECT_EQ(window->folders()->currentIndex(), 2);
    EXPECT_NE(qobject_cast<gui::ScenarioPage*>(window->currentPage()), nullptr);
    EXPECT_EQ(recentItems(*window), QStringList{qs("(1) " + samplePath())});

    // The recent item opens the first file again.
    window->commandAction(cmd::RecentFile1)->trigger();
    settle();
    EXPECT_EQ(title(), qs("Financial Planner - " + samplePath()));
    EXPECT_EQ(recentItems(*window), (QStringList{qs("(1) " + other), qs("(2) " + samplePath())}));
}

TEST_F(SampleWindowTest, ACancelledOpenStillRunsAndAnInvalidFileShowsTheSummary) {
    window->handleCommand(cmd::Open);
    EXPECT_EQ(title(), qs("Financial Planner - " + samplePath()));

    const std::string bad = (dir / "bad.RET").string();
    writeAll(bad, std::vector<Byte>(50, Byte{7}));
    files.answers = {bad};
    chooseFolder<QWidget>(3);
    window->handleCommand(cmd::Open);
    EXPECT_EQ(title(), QStringLiteral("Financial Planner - tmp01.ret"));
    EXPECT_EQ(dialogs.transcript(),
              "FILE WARNING|" + bad + " doesn't seem to be a valid Tarvel Financial Planner file.");
    EXPECT_EQ(window->folders()->currentIndex(), 0);
    // The reset scenario has no accounts, so no account folders.
    EXPECT_EQ(window->folders()->count(), 10);
}

TEST_F(SampleWindowTest, ASavedScenarioReopensAndSavesAgainByteForByte) {
    const std::string first = (dir / "first.RET").string();
    files.answers = {first};
    window->handleCommand(cmd::SaveAs);
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0], fileRequest("Save Scenario With a New Name",
                                             gui::FileRequest::Mode::Save, dir.path().string()));
    EXPECT_EQ(title(), qs("Financial Planner - " + first));
    ASSERT_EQ(readAll(first).size(),
              14450u + 160u * static_cast<std::size_t>(planner.scenario().liveEventCount));

    // Opening numbers the event lines of the description, which the file keeps.
    files.answers = {first};
    window->handleCommand(cmd::Open);
    window->handleCommand(cmd::Save);
    const auto saved = readAll(first);

    files.answers = {first};
    window->handleCommand(cmd::Open);
    // Runs leave the accounts in withdrawal order, as they were saved.
    chooseFolder<QWidget>(3);
    chooseFolder<QWidget>(4);
    window->handleCommand(cmd::Save);
    EXPECT_EQ(readAll(first), saved);

    const std::string second = (dir / "second.RET").string();
    files.answers = {second};
    window->handleCommand(cmd::SaveAs);
    EXPECT_EQ(readAll(second), saved);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SampleWindowTest, AccountsGoToAFileAndComeBack) {
    const std::string accounts = (dir / "mine.ACC").string();
    files.answers = {accounts};
    window->handleCommand(cmd::SaveAccounts);
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0], fileRequest("Write Accounts", gui::FileRequest::Mode::Save,
                                             dir.path().string(), true));
    EXPECT_EQ(readAll(accounts).size(), 6062u);

    planner.scenario().accounts.accountCount = 2;
    files.answers = {accounts};
    window->handleCommand(cmd::ReadAccounts);
    EXPECT_EQ(files.requests[1], fileRequest("Read Accounts", gui::FileRequest::Mode::Open,
                                             dir.path().string(), true));
    EXPECT_EQ(planner.scenario().accounts.accountCount, 6);
    EXPECT_TRUE(planner.scenario().modified);
    EXPECT_EQ(window->folders()->currentIndex(), 1);
    EXPECT_NE(qobject_cast<gui::AccountsPage*>(window->currentPage()), nullptr);

    const std::string wrong = (dir / "wrong.ACC").string();
    writeAll(wrong, std::vector<Byte>(100, Byte{0}));
    files.answers = {wrong};
    window->handleCommand(cmd::ReadAccounts);
    EXPECT_EQ(dialogs.shown.back().text,
              "The file " + wrong + " does not appear to be a valid accounts file!");
}

TEST_F(GuiTest, AccountFileDialogsStartInTheWorkDirectoryWithQuil) {
    const std::filesystem::path elsewhere = dir / "plans";
    std::filesystem::create_directory(elsewhere);
    const std::string scenario = (elsewhere / "s.RET").string();
    writeAll(scenario, readAll(samplePath()));
    CommandLineSwitches switches;
    switches.quil = true;
    openWindow(scenario, switches);
    window->handleCommand(cmd::SaveAccounts);
    window->handleCommand(cmd::Open);
    ASSERT_EQ(files.requests.size(), 2u);
    EXPECT_EQ(files.requests[0].startDirectory, dir.path().string());
    EXPECT_EQ(files.requests[1].startDirectory, elsewhere.string());
}

} // namespace
} // namespace finplan::test
