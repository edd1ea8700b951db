#include "editor_script.h"
#include "gui/commands/command_areas.h"
#include "gui/editors/new_accounts_dialog.h"
#include "gui/graphs/graph_widget.h"
#include "gui/shell/accounts_page.h"
#include "gui/shell/command_ids.h"
#include "gui/shell/command_table.h"
#include "gui/shell/gui_main.h"
#include "gui/shell/placeholder_page.h"
#include "gui/shell/results_page.h"
#include "gui/shell/scenario_page.h"
#include "gui_fixture.h"
#include "model/scenario_file.h"
#include "model/scenario_image.h"
#include "support/case_file.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

namespace finplan::test {
namespace {

namespace cmd = gui::command;

// The texts of the menus or of the folder tabs, "|" between them.
std::string menuTitles(const QMenuBar* bar) {
    QStringList titles;
    for (const QAction* action : bar->actions()) {
        titles << action->text();
    }
    return titles.join(QLatin1Char('|')).toStdString();
}

std::string tabTexts(const QTabWidget* folders) {
    QStringList texts;
    for (int i = 0; i < folders->count(); ++i) {
        texts << folders->tabText(i);
    }
    return texts.join(QLatin1Char('|')).toStdString();
}

TEST_F(GuiTest, AFirstStartOpensNothingAndShowsTheTitlePage) {
    openWindow(std::nullopt);
    EXPECT_EQ(title(), QStringLiteral("Financial Planner - tmp01.ret"));
    EXPECT_EQ(window->folders()->tabText(0), QStringLiteral("Tarvel Software"));
    auto* page = qobject_cast<gui::PlaceholderPage*>(window->currentPage());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->heading(), QStringLiteral("Financial Planner"));
}

TEST_F(SampleWindowTest, EveryFolderShowsItsOwnPageAndReplacesTheLastOne) {
    EXPECT_EQ(tabTexts(window->folders()), readCases("gui/menu.txt", "tabs").at(0).answer("texts"));

    EXPECT_NE(chooseFolder<gui::AccountsPage>(1), nullptr);
    EXPECT_NE(chooseFolder<gui::ScenarioPage>(2), nullptr);
    EXPECT_NE(chooseFolder<gui::ResultsPage>(3), nullptr);
    const std::vector<GraphKind> kinds = {GraphKind::NetWorth, GraphKind::IncomingOutgoing,
                                          GraphKind::Incoming, GraphKind::Outgoing,
                                          GraphKind::Groups,   GraphKind::Accounts};
    for (int graph = 4; graph < window->folders()->count() - 1; ++graph) {
        auto* page = chooseFolder<gui::GraphWidget>(graph);
        ASSERT_NE(page, nullptr) << graph;
        EXPECT_FALSE(page->view().fourGraphView());
        EXPECT_EQ(page->view().kind(), kinds[static_cast<std::size_t>(graph - 4)]) << graph;
    }
    // After a run the Summary folder is the four-graph view.
    auto* summary = chooseFolder<gui::GraphWidget>(0);
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(summary->view().fourGraphView());
    // Only the page of the chosen folder exists.
    EXPECT_EQ(window->findChildren<gui::ResultsPage*>().size(), 0);
    EXPECT_EQ(window->findChildren<gui::GraphWidget*>().size(), 1);
}

TEST_F(SampleWindowTest, TheMenuHoldsEveryCommandWithItsKeyAndOnlyBuiltOnesAreEnabled) {
    EXPECT_EQ(menuTitles(window->menuBar()),
              readCases("gui/menu.txt", "menus").at(0).answer("texts"));
    std::set<int> built;
    std::istringstream ids(readCases("gui/menu.txt", "built").at(0).input("ids"));
    for (int id = 0; ids >> id;) {
        built.insert(id);
    }
    for (const gui::CommandSpec& spec : gui::commandTable()) {
        const QAction* action = window->commandAction(spec.id);
        ASSERT_NE(action, nullptr) << spec.id;
        EXPECT_EQ(action->text().toStdString(), spec.text) << spec.id;
        EXPECT_EQ(action->shortcut().toString().toStdString(), spec.key) << spec.id;
        EXPECT_EQ(action->isEnabled(), built.contains(spec.id)) << spec.id;
    }
    for (const CaseLine& c : readCases("gui/menu.txt", "key")) {
        EXPECT_EQ(window->commandAction(std::stoi(c.input("id")))->shortcut().toString(),
                  qs(c.input("text")))
            << c.where;
    }
    // Keys without a menu item work in the whole window.
    EXPECT_TRUE(window->actions().contains(window->commandAction(cmd::SummarySwitch)));
    EXPECT_TRUE(window->actions().contains(window->commandAction(cmd::PrintWindow)));
}

TEST_F(SampleWindowTest, TheToolbarCarriesTheListedTooltips) {
    const auto* toolbar = window->findChild<QToolBar*>(QStringLiteral("toolbar"));
    ASSERT_NE(toolbar, nullptr);
    std::map<int, std::string> tooltips;
    for (const QAction* action : toolbar->actions()) {
        if (!action->isSeparator()) {
            tooltips[action->data().toInt()] = action->toolTip().toStdString();
        }
    }
    std::map<int, std::string> expected;
    for (const CaseLine& c : readCases("gui/toolbar_tooltips.txt")) {
        expected[std::stoi(c.input("id"))] = c.input("text");
    }
    EXPECT_EQ(tooltips, expected);
}

TEST_F(SampleWindowTest, TheWindowKeepsItsMinimumSize) {
    window->resize(400, 200);
    EXPECT_EQ(window->width(), 600);
    EXPECT_EQ(window->height(), 300);
}

TEST_F(SampleWindowTest, AnOpenEditorHoldsCommandsAndFolderChangesBack) {
    chooseFolder<gui::ScenarioPage>(2);
    QDialog editor(window.get());
    editor.show();
    window->addModelessWindow(&editor);

    window->handleCommand(cmd::Open);
    EXPECT_TRUE(files.requests.empty());
    window->folders()->setCurrentIndex(3);
    settle();
    EXPECT_EQ(window->folders()->currentIndex(), 2);
    EXPECT_NE(qobject_cast<gui::ScenarioPage*>(window->currentPage()), nullptr);

    // Re-Index does not wait.
    dialogs.answers = {Answer::No};
    window->handleCommand(cmd::ReindexAccounts);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Accounts");

    editor.close();
    window->handleCommand(cmd::Open);
    EXPECT_EQ(files.requests.size(), 1u);
}

class SavePromptTest : public GuiTest {
protected:
    void SetUp() override {
        openSample();
        before = readAll(samplePath());
        planner.scenario().header.taxRate = 31.0f;
        planner.scenario().modified = true;
    }
    void expectPrompt() const {
        ASSERT_EQ(dialogs.transcript(),
                  "Tarvel Financial Planner|Do you wish to save the file " + samplePath() + "?");
        EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::YesNoCancel);
    }
    std::vector<Byte> before;
};

TEST_F(SavePromptTest, CancelKeepsTheWindowAndTheChange) {
    dialogs.answers = {Answer::Cancel};
    window->close();
    expectPrompt();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(planner.scenario().modified);
    EXPECT_EQ(readAll(samplePath()), before);
    EXPECT_FALSE(std::filesystem::exists(dir / "prefinf.dat"));
    EXPECT_TRUE(std::filesystem::exists(dir / "bigfile.tmp"));
}

TEST_F(SavePromptTest, NoClosesWithoutSavingAndTidiesTheWorkDirectory) {
    dialogs.answers = {Answer::No};
    window->move(40, 60);
    window->close();
    expectPrompt();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(readAll(samplePath()), before);
    const auto prefs = readAll(dir / "prefinf.dat");
    ASSERT_EQ(prefs.size(), PrefInfo::kSize);
    const auto stored = decodeRecord<PrefInfo>(std::span<const Byte>(prefs));
    EXPECT_EQ(stored.windowX, 40);
    EXPECT_EQ(stored.windowY, 60);
    EXPECT_EQ(stored.windowWidth, window->width());
    EXPECT_TRUE(readText(dir / "finance.dat").starts_with(samplePath() + "\n"));
    for (const char* name : {"bigfile.tmp", "infile.tmp", "outfile.tmp", "plotinf01.tmp"}) {
        EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
    }
}

TEST_F(SavePromptTest, YesSavesBeforeClosing) {
    dialogs.answers = {Answer::Yes};
    window->close();
    expectPrompt();
    EXPECT_FALSE(window->isVisible());
    const auto saved = readAll(samplePath());
    EXPECT_NE(saved, before);
    Scenario reread;
    reread.fileName = samplePath();
    AppSettings settings;
    ASSERT_TRUE(readScenario(reread, settings, dialogs));
    EXPECT_EQ(reread.header.taxRate, 31.0f);
}

TEST_F(SavePromptTest, TheEndOfTheSessionAsksAndKeepsTheTemporaryFiles) {
    dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(window->endSession());
    EXPECT_FALSE(std::filesystem::exists(dir / "prefinf.dat"));

    dialogs.answers = {Answer::No};
    EXPECT_TRUE(window->endSession());
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(dir / "prefinf.dat"));
    EXPECT_TRUE(readText(dir / "finance.dat").starts_with(samplePath() + "\n"));
    EXPECT_TRUE(std::filesystem::exists(dir / "bigfile.tmp"));
    EXPECT_EQ(readAll(samplePath()), before);
    // The window then goes without asking again.
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(dir / "bigfile.tmp"));
}

TEST_F(SavePromptTest, CancelStopsNewAndOpenBeforeTheyAskAnythingElse) {
    bool chooserAsked = false;
    window->commands().file().setNewAccountsChooser([&] {
        chooserAsked = true;
        return std::optional(gui::NewAccountsWay::ByHand);
    });
    dialogs.answers = {Answer::Cancel, Answer::Cancel};
    window->handleCommand(cmd::New);
    window->handleCommand(cmd::Open);
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_FALSE(chooserAsked);
    EXPECT_TRUE(files.requests.empty());
    EXPECT_EQ(title(), qs("Financial Planner - " + samplePath()));
    EXPECT_EQ(planner.scenario().header.taxRate, 31.0f);
}

TEST_F(SavePromptTest, NoLetsNewDiscardTheChange) {
    window->commands().file().setNewAccountsChooser(
        [] { return std::optional(gui::NewAccountsWay::ByHand); });
    dialogs.answers = {Answer::No};
    window->handleCommand(cmd::New);
    const std::string temp = (dir / "temp01.ret").string();
    EXPECT_EQ(title(), qs("Financial Planner - " + temp));
    EXPECT_EQ(planner.scenario().accounts.accountCount, 0);
    EXPECT_EQ(readAll(samplePath()), before);
    EXPECT_EQ(readAll(temp).size(), ScenarioHeader::kSize + AccountTable::kSize);
    // No accounts, no account folders.
    EXPECT_EQ(window->folders()->count(), 10);
}

TEST(NewAccountsDialog, OffersTheTwoFileWaysAndByHandWithTheTabFileFirst) {
    gui::NewAccountsDialog dialog;
    play(dialog, readCases("gui/sessions.txt", "new-accounts").at(0).inputs);
    EXPECT_EQ(dialog.chosenWay(), gui::NewAccountsWay::FromTabFile);
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("newAccountsButtons"));
    ASSERT_NE(buttons, nullptr);
    buttons->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SampleWindowTest, AMissingCalculatorIsReported) {
    window->handleCommand(cmd::PlatformCalculator);
    EXPECT_EQ(dialogs.transcript(),
              "Execution Error|The Window's Calculator could not be found in the path.");
}

TEST_F(SampleWindowTest, AZoomAppliedOnAGraphRunsAgainWithOnlyTheZoomedYearsPlotted) {
    auto* page = chooseFolder<gui::GraphWidget>(4);
    ASSERT_NE(page, nullptr);
    page->view().markZoom(50, 0.0f);
    page->view().markZoom(55, 0.0f);
    ASSERT_TRUE(page->view().applyZoom(45, 92.0f));
    Q_EMIT page->rerunNeeded();
    const std::string plot = readText(planner.workDir() / "plotinf01.tmp");
    // Line 5 is the number of plotted years: 50 to 55.
    ASSERT_GE(linesOf(plot).size(), 5u);
    EXPECT_EQ(linesOf(plot)[4], "6.00");
    EXPECT_NE(plot.find("\n50.0 "), std::string::npos);
    EXPECT_EQ(plot.find("\n49.0 "), std::string::npos);
    EXPECT_EQ(plot.find("\n56.0 "), std::string::npos);
}

// The window as a person first meets it: a size that shows the whole toolbar and every tab on
// the test's 1600x1000 screen, the program's own title, and Save Graphs from the Graphs menu.
TEST_F(SampleWindowTest, AFirstStartShowsEveryTabAndTheWholeToolbarCentred) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1600, 1000));
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

TEST_F(SampleWindowTest, SaveGraphsCopiesThePlotFileAndRefusesThePlotFileItself) {
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
    EXPECT_EQ(dialogs.transcript(),
              "FILE WARNING|Cannot overwrite the system file plotinf. \nChoose another file name.");
    EXPECT_EQ(readText(system), "mine\n");
}

} // namespace
} // namespace finplan::test