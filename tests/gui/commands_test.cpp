#include "gui/commands/command_areas.h"
#include "gui/help/help_window.h"
#include "gui/shell/command_ids.h"
#include "gui/shell/command_table.h"
#include "gui_fixture.h"
#include "support/case_file.h"

#include <QAction>
#include <QPrinter>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <filesystem>
#include <set>

namespace finplan::test {
namespace {

namespace cmd = gui::command;

// The real window, active, on the Summary page, with an account file to read.
class CommandTest : public GuiTest {
protected:
    void SetUp() override {
        openSample();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(planner.saveAccounts((dir / "mine.ACC").string()));
        // The account dialogs are noted and left open, which closes them without OK.
        window->commands().accounts().setDialogRunner([this](QDialog& dialog) {
            events.push_back("dialog '" + dialog.windowTitle().toStdString() + "'");
        });
        window->commands().reports().setPrinterChooser(
            std::make_unique<CancelledPrint>([this] { events.push_back("print dialog"); }));
        QPrinter& printer = window->commands().reports().printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((dir / "window.pdf").string()));
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

    // Fires a command by its key, or through its action.
    void fire(int id, bool byKey) {
        if (byKey) {
            press(gui::findCommand(id)->key);
        } else {
            action(id)->trigger();
            settle();
        }
    }

    // A case's answer to the file dialog or message box its command opens.
    void answerWith(const std::string& key, const std::string& value) {
        if (key == "file") {
            files.answers = {(dir / value).string()};
        } else if (key == "answer") {
            dialogs.answers = {value == "Yes" ? Answer::Yes : Answer::No};
        }
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
        if (const auto* help = window->findChild<gui::HelpWindow*>(QStringLiteral("helpWindow"))) {
            parts.push_back("help " + help->browser()->source().toString().mid(10).toStdString());
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

// A fresh window for each case of a loop.
class FreshCommandWindow : public CommandTest {
public:
    FreshCommandWindow() { SetUp(); }
    void TestBody() override {}

    // Fires the command of a case and tells what happened.
    std::string fire(const CaseLine& c, bool byKey) {
        dialogs.answers = {Answer::No};
        for (const auto& [key, value] : c.inputs) {
            answerWith(key, value);
            modified0 = modified0 || key == "modified";
        }
        planner.scenario().modified = modified0;
        closeModalBoxesSoon();
        CommandTest::fire(std::stoi(c.input("command")), byKey);
        return trace();
    }
};

std::vector<CaseLine> effects() {
    return readCases("gui/command_effects.txt", "effect");
}

TEST(CommandEffects, EachCommandDoesWhatItsMenuItemSaysByActionAndByKey) {
    int fired = 0;
    for (const CaseLine& c : effects()) {
        for (const bool byKey : {false, true}) {
            if (!byKey || !gui::findCommand(std::stoi(c.input("command")))->key.empty()) {
                SCOPED_TRACE(c.where + (byKey ? " by key" : " by action"));
                FreshCommandWindow window;
                EXPECT_EQ(window.fire(c, byKey), c.answer("trace"));
                ++fired;
            }
        }
    }
    EXPECT_EQ(fired, 106) << "55 commands, 51 of them with a key";
}

// Every key of the table reaches its own action and no other. The commands not built yet are
// enabled here, all at once so that a key two commands share shows; they reach a dispatcher
// with nothing to do. The built ones act, so their keys are pressed by CommandEffectTest.
TEST_F(CommandTest, EveryKeyReachesItsOwnCommand) {
    std::set<int> withEffects;
    for (const CaseLine& c : effects()) {
        withEffects.insert(std::stoi(c.input("command")));
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
                                                       << "belongs in command_effects.txt";
        } else {
            own->setEnabled(true);
            notBuilt.push_back(&spec);
        }
    }
    EXPECT_EQ(notBuilt.size() + withEffects.size(), 52u + 1u + 3u)
        << "keys, and Re-Index and quick tips 11 to 13 without one";

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
    forEachCase("gui/command_effects.txt", "run", 13, [&](const CaseLine& c) {
        std::filesystem::remove(plot);
        dialogs.answers = {Answer::No};
        for (const auto& [key, value] : c.inputs) {
            answerWith(key, value);
            if (key == "folder") {
                chooseFolder<QWidget>(std::stoi(value));
            } else if (key == "command") {
                fire(std::stoi(value), !gui::findCommand(std::stoi(value))->key.empty());
            }
        }
        EXPECT_EQ(std::filesystem::exists(plot) ? "yes" : "no", c.answer("runs"));
    });
}

} // namespace
} // namespace finplan::test
