#include "gui/commands/command_areas.h"
#include "gui/shell/command_ids.h"
#include "gui/shell/command_table.h"
#include "gui_fixture.h"

#include <QAction>
#include <QTest>
#include <QTimer>

#include <cctype>
#include <filesystem>
#include <functional>
#include <set>

namespace finplan::test {
namespace {

namespace cmd = gui::command;

// The built commands, what the dialogs answer and what the command then did, as
// CommandTest::trace writes it. A name answers the file dialog with that file of the work
// directory.
struct EffectCase {
    int id;
    const char* fileAnswer;
    Answer answer;
    bool modifiedBefore;
    const char* effect;
};

const EffectCase kEffects[] = {
    {cmd::New, nullptr, Answer::No, false, "new accounts chooser"},
    {cmd::Open, "sample.RET", Answer::No, false, "file dialog 'Open a Scenario'; page Scenario"},
    {cmd::Save, nullptr, Answer::No, true, "modified off"},
    {cmd::SaveAs, "copy.RET", Answer::No, false,
     "file dialog 'Save Scenario With a New Name'; title copy.RET"},
    {cmd::Exit, nullptr, Answer::No, false, "window closed"},
    {cmd::About, nullptr, Answer::No, false, "box 'About the Financial Planner'"},
    {cmd::SaveAccounts, "written.ACC", Answer::No, false, "file dialog 'Write Accounts'"},
    {cmd::ReadAccounts, "mine.ACC", Answer::No, false,
     "file dialog 'Read Accounts'; modified on; page Accounts"},
    {cmd::ReindexAccounts, nullptr, Answer::Yes, false,
     "message 'Accounts'; message 'Accounts'; modified on; page Scenario"},
    {cmd::PlatformCalculator, nullptr, Answer::No, false, "message 'Execution Error'"},
    {cmd::SummarySwitch, nullptr, Answer::No, false, "summary switch on"},
};

// The real window, active, on the Summary page, with an account file to read.
class CommandTest : public GuiTest {
protected:
    void SetUp() override {
        openSample();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(planner.saveAccounts((dir / "mine.ACC").string()));
        window->commands().file().setNewAccountsChooser([this] {
            events.push_back("new accounts chooser");
            return std::optional<gui::NewAccountsWay>();
        });
        title0 = title();
        folder0 = window->folders()->currentIndex();
    }

    QAction* action(int id) const {
        return window->findChild<QAction*>(QStringLiteral("command%1").arg(id));
    }

    // A real key press on the window, as the keyboard gives it.
    void press(std::string_view key) {
        const QKeyCombination combination = QKeySequence::fromString(qs(std::string(key)))[0];
        QTest::keyClick(window.get(), combination.key(), combination.keyboardModifiers());
        settle();
    }

    // A modal box the command opens is noted and closed.
    void closeModalBoxesSoon() {
        QTimer::singleShot(0, window.get(), [this] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                events.push_back("box '" + box->windowTitle().toStdString() + "'");
                box->close();
            }
        });
    }

    // What happened since SetUp: the dialogs asked, then what changed.
    std::string trace() const {
        std::vector<std::string> parts = events;
        for (const gui::FileRequest& request : files.requests) {
            parts.push_back("file dialog '" + request.title + "'");
        }
        for (const Message& message : dialogs.shown) {
            parts.push_back("message '" + message.title + "'");
        }
        if (title() != title0) {
            parts.push_back("title " + title().section(QLatin1Char('/'), -1).toStdString());
        }
        if (planner.scenario().modified != modified0) {
            parts.push_back(planner.scenario().modified ? "modified on" : "modified off");
        }
        if (planner.switches().summary) {
            parts.push_back("summary switch on");
        }
        if (window->folders()->currentIndex() != folder0) {
            parts.push_back(
                "page " +
                window->folders()->tabText(window->folders()->currentIndex()).toStdString());
        }
        if (!window->isVisible()) {
            parts.push_back("window closed");
        }
        std::string text;
        for (const std::string& part : parts) {
            text += (text.empty() ? "" : "; ") + part;
        }
        return text;
    }

    std::vector<std::string> events;
    QString title0;
    int folder0 = 0;
    bool modified0 = false;
};

enum class Way { Key, Action };

struct Firing {
    EffectCase effect;
    Way way;
};

void PrintTo(const Firing& firing, std::ostream* out) {
    *out << firing.effect.id << (firing.way == Way::Key ? " by key" : " by action");
}

class CommandEffectTest : public CommandTest, public ::testing::WithParamInterface<Firing> {};

TEST_P(CommandEffectTest, TheCommandDoesWhatItsMenuItemSays) {
    const EffectCase& effect = GetParam().effect;
    if (effect.fileAnswer != nullptr) {
        files.answers = {(dir / effect.fileAnswer).string()};
    }
    dialogs.answers = {effect.answer};
    planner.scenario().modified = modified0 = effect.modifiedBefore;
    closeModalBoxesSoon();
    if (GetParam().way == Way::Key) {
        press(gui::findCommand(effect.id)->key);
    } else {
        action(effect.id)->trigger();
        settle();
    }
    EXPECT_EQ(trace(), effect.effect);
}

std::vector<Firing> everyFiring() {
    std::vector<Firing> firings;
    for (const EffectCase& effect : kEffects) {
        firings.push_back({effect, Way::Action});
        if (!gui::findCommand(effect.id)->key.empty()) {
            firings.push_back({effect, Way::Key});
        }
    }
    return firings;
}

// Test names such as "Open2ByKey": the menu text's letters, the id, the way.
std::string firingName(const ::testing::TestParamInfo<Firing>& firing) {
    const EffectCase& effect = firing.param.effect;
    std::string name;
    for (const char c : gui::findCommand(effect.id)->text) {
        if (std::isalpha(static_cast<unsigned char>(c)) != 0) {
            name += c;
        }
    }
    return name + std::to_string(effect.id) + (firing.param.way == Way::Key ? "ByKey" : "ByAction");
}

INSTANTIATE_TEST_SUITE_P(BuiltCommands, CommandEffectTest, ::testing::ValuesIn(everyFiring()),
                         firingName);

// Every key of the table reaches its own action and no other. The commands not built yet are
// enabled here, all at once so that a key two commands share shows; they reach a dispatcher
// with nothing to do. The built ones act, so their keys are pressed by CommandEffectTest.
TEST_F(CommandTest, EveryKeyReachesItsOwnCommand) {
    std::set<int> withEffects;
    for (const EffectCase& effect : kEffects) {
        withEffects.insert(effect.id);
    }
    std::vector<const gui::CommandSpec*> notBuilt;
    for (const gui::CommandSpec& spec : gui::commandTable()) {
        QAction* own = action(spec.id);
        ASSERT_NE(own, nullptr) << spec.text;
        if (spec.key.empty()) {
            continue;
        }
        if (own->isEnabled()) {
            EXPECT_TRUE(withEffects.contains(spec.id)) << spec.key << ": a built command's effect "
                                                       << "belongs in kEffects";
        } else {
            own->setEnabled(true);
            notBuilt.push_back(&spec);
        }
    }
    EXPECT_EQ(notBuilt.size() + withEffects.size(), 52u + 1u) << "keys, and Re-Index without one";

    std::vector<int> fired;
    for (QAction* each : window->findChildren<QAction*>()) {
        QObject::connect(each, &QAction::triggered, window.get(),
                         [&fired, each] { fired.push_back(each->data().toInt()); });
    }
    for (const gui::CommandSpec* spec : notBuilt) {
        fired.clear();
        press(spec->key);
        EXPECT_EQ(fired, std::vector<int>{spec->id}) << spec->key;
    }
    EXPECT_EQ(trace(), "");
}

// A run happens when the results are stale, when the Results page opens, and never else for
// the commands built so far. Every run that is shown writes the plot file.
TEST_F(CommandTest, ARunHappensOnlyWhenTheResultsAreStaleOrTheResultsPageOpens) {
    const std::filesystem::path plot = dir / "plotinf01.tmp";
    const std::string accounts = (dir / "mine.ACC").string();
    struct Step {
        const char* what;
        std::function<void()> act;
        bool runs;
    };
    const std::vector<Step> steps = {
        {"Accounts page", [&] { chooseFolder<QWidget>(1); }, false},
        {"Net Worth page", [&] { chooseFolder<QWidget>(4); }, false},
        {"Results page", [&] { chooseFolder<QWidget>(3); }, true},
        {"Save", [&] { press("Alt+S"); }, false},
        {"Read Accounts",
         [&] {
             files.answers = {accounts};
             press("Alt+R");
         },
         false},
        {"Summary page after reading accounts", [&] { chooseFolder<QWidget>(0); }, true},
        {"Net Worth page again", [&] { chooseFolder<QWidget>(4); }, false},
        {"Open, cancelled", [&] { press("Alt+O"); }, false},
        {"Open",
         [&] {
             files.answers = {samplePath()};
             press("Alt+O");
         },
         true},
        {"Save As",
         [&] {
             files.answers = {(dir / "copy.RET").string()};
             press("Alt+A");
         },
         true},
        {"Summary switch", [&] { press("Shift+F11"); }, false},
        {"Re-Index",
         [&] {
             dialogs.answers = {Answer::Yes};
             action(cmd::ReindexAccounts)->trigger();
         },
         false},
        {"Groups page after re-indexing", [&] { chooseFolder<QWidget>(8); }, true},
    };
    for (const Step& step : steps) {
        std::filesystem::remove(plot);
        step.act();
        settle();
        EXPECT_EQ(std::filesystem::exists(plot), step.runs) << step.what;
    }
}

} // namespace
} // namespace finplan::test
