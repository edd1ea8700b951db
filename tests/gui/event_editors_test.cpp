// The event editors as a person uses them: typing into the real dialogs and pressing OK, the
// refusals with their titles and texts, Cancel leaving the scenario as it was, the Scenario
// page's Add, Edit, Copy and Delete, the Results page's event lines and the Add Event window.
#include "editor_script.h"
#include "gui/commands/command_areas.h"
#include "gui/editors/add_event_dialog.h"
#include "gui/shell/command_ids.h"
#include "gui/shell/results_page.h"
#include "gui/shell/scenario_page.h"
#include "gui/shell/schedule_model.h"
#include "gui/shell/schedule_view.h"
#include "gui/shell/text_list_model.h"
#include "gui_fixture.h"
#include "model/text_field.h"

#include <QLabel>
#include <QListView>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <utility>

namespace finplan::test {
namespace {

// The scenario's bytes and live state, to tell that nothing changed.
struct Snapshot {
    std::vector<Byte> bytes;
    int events = 0;
    bool modified = false;
    bool stale = false;

    explicit Snapshot(const Scenario& s)
        : bytes(encodeScenarioImage(s))
        , events(s.liveEventCount)
        , modified(s.modified)
        , stale(s.resultsStale) {}
    bool operator==(const Snapshot&) const = default;
};

class EventEditorsTest : public GuiTest {
protected:
    void SetUp() override {
        openSample();
        window->commands().events().setDialogRunner(script.runner());
    }

    // The first event named `name`; fails the test when there is none.
    const EventRecord* event(const std::string& name) const {
        const auto found = eventsNamed(planner.scenario(), name);
        EXPECT_FALSE(found.empty()) << "no event " << name;
        return found.empty() ? nullptr : found[0];
    }
    int count(const std::string& name) const {
        return static_cast<int>(eventsNamed(planner.scenario(), name).size());
    }
    int accountId(const std::string& name) const {
        for (const AccountRecord& a : planner.scenario().accounts.accounts) {
            if (fieldText(a.name) == name) {
                return a.accountId;
            }
        }
        ADD_FAILURE() << "no account " << name;
        return -2;
    }
    // The first line of the description that starts an event's block with this text.
    int lineOf(const std::string& text) {
        const std::vector<std::string> lines = planner.scenarioList();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].find(text) != std::string::npos) {
                return static_cast<int>(i);
            }
        }
        ADD_FAILURE() << "no line with " << text;
        return -1;
    }

    gui::ScenarioPage* scenarioPage() const {
        return qobject_cast<gui::ScenarioPage*>(window->currentPage());
    }
    QListView* select(int line) const {
        auto* list = scenarioPage()->findChild<QListView*>(QStringLiteral("scenarioList"));
        list->setCurrentIndex(list->model()->index(line, 0));
        return list;
    }
    // Presses a button of the Scenario page; an edit makes the page anew.
    void click(const char* button) const {
        scenarioPage()->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        settle();
    }

    EditorScript script;
};

// The stored fields an "ok" case may name, as numbers.
using Field = std::function<double(const EventRecord&)>;
const std::map<std::string, Field> kFields = {
    {"type", [](const EventRecord& e) { return e.type; }},
    {"startAge", [](const EventRecord& e) { return e.startAge; }},
    {"endAge", [](const EventRecord& e) { return e.endAge; }},
    {"amount", [](const EventRecord& e) { return e.amount; }},
    {"adjustRate", [](const EventRecord& e) { return e.adjustRate; }},
    {"inflationAdjust", [](const EventRecord& e) { return e.inflationAdjust; }},
    {"years", [](const EventRecord& e) { return e.years; }},
    {"oneTime", [](const EventRecord& e) { return e.oneTime; }},
    {"fromAccountId", [](const EventRecord& e) { return e.fromAccountId; }},
    {"accountId", [](const EventRecord& e) { return e.accountId; }},
    {"payAccountId", [](const EventRecord& e) { return e.payAccountId; }},
    {"allFunds", [](const EventRecord& e) { return e.allFunds; }},
    {"downPayment", [](const EventRecord& e) { return e.downPayment; }},
    {"payment", [](const EventRecord& e) { return e.payment; }},
    {"appreciationRate", [](const EventRecord& e) { return e.appreciationRate; }},
    {"extraPrincipal", [](const EventRecord& e) { return e.extraPrincipal; }},
    {"extraPrincipalMode", [](const EventRecord& e) { return e.extraPrincipalMode(); }},
    {"propertyTax", [](const EventRecord& e) { return e.propertyTax; }},
    {"isCreditCard", [](const EventRecord& e) { return e.isCreditCard() ? 1 : 0; }},
};

// Every editor: what is typed is stored on OK, with the computed values.
TEST_F(EventEditorsTest, EveryEditorStoresWhatIsTypedOnOk) {
    forEachCase("gui/event_editors.txt", "ok", 7, [&](const CaseLine& c) {
        const int before = planner.scenario().liveEventCount;
        script.on(c.answer("dialog"), [&](QDialog& dialog) {
            play(dialog, c.inputs);
            press(dialog, "okButton");
            EXPECT_FALSE(dialog.isVisible()) << "OK was refused";
        });
        window->handleCommand(std::stoi(c.input("command")));
        ASSERT_EQ(script.opened.back(), c.answer("dialog"));
        EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text;
        EXPECT_EQ(planner.scenario().liveEventCount, before + 1);
        EXPECT_TRUE(planner.scenario().modified);
        const EventRecord* e = event(c.answer("event"));
        ASSERT_NE(e, nullptr);
        for (const auto& [key, value] : c.expected) {
            if (key == "account" || key == "from") {
                EXPECT_EQ(key == "account" ? e->accountId : e->fromAccountId, accountId(value));
            } else if (key.front() == '~') {
                EXPECT_NEAR(kFields.at(key.substr(1))(*e), std::stod(value), 0.005) << key;
            } else if (key != "dialog" && key != "event") {
                EXPECT_EQ(kFields.at(key)(*e), std::stod(value)) << key;
            }
        }
    });
}

// Each refusal shows its title and text once, the first refused field wins and takes the
// focus, the dialog stays open, and closing it then leaves the scenario as it was.
TEST_F(EventEditorsTest, RefusalsNameTheFieldAndChangeNothing) {
    forEachCase("gui/event_editors.txt", "refused", 12, [&](const CaseLine& c) {
        dialogs.shown.clear();
        const Snapshot before(planner.scenario());
        std::string focused;
        script.on(c.answer("dialog"), [&](QDialog& dialog) {
            play(dialog, c.inputs);
            press(dialog, "okButton");
            EXPECT_TRUE(dialog.isVisible());
            if (dialog.focusWidget() != nullptr) {
                focused = dialog.focusWidget()->objectName().toStdString();
            }
        });
        window->handleCommand(std::stoi(c.input("command")));
        ASSERT_EQ(dialogs.transcript(), c.answer("title") + "|" + c.answer("text"));
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Stop);
        EXPECT_EQ(focused, c.answer("focus"));
        EXPECT_TRUE(Snapshot(planner.scenario()) == before);
    });
}

// Cancel after typing, ticking and choosing, in every editor, new or existing: the scenario
// is byte for byte what it was.
TEST_F(EventEditorsTest, CancelLeavesTheScenarioAsItWas) {
    namespace cmd = gui::command;
    // The new events, Initial Values and the card payoff; 0 edits each event in turn.
    const int commands[] = {
        cmd::Withdrawal, cmd::Deposit,        cmd::Transfer,      cmd::Fundamentals,     cmd::Loan,
        cmd::Mortgage,   cmd::CreditCardDebt, cmd::InitialValues, cmd::CreditCardPayoff, 0};
    // Everything a dialog offers is changed, then Cancel.
    const auto meddle = [](QDialog& dialog) {
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
            if (!edit->isReadOnly() && edit->isEnabled()) {
                edit->setText(QStringLiteral("7"));
            }
        }
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
            if (box->isEnabled()) {
                box->click();
            }
        }
        for (QComboBox* picker : dialog.findChildren<QComboBox*>()) {
            if (picker->isEnabled() && picker->count() > 1) {
                picker->setCurrentIndex(picker->count() - 1);
            }
        }
        press(dialog, "cancelButton");
    };
    for (const char* name :
         {"withdrawalDialog", "incomeDialog", "transferDialog", "fundamentalsDialog", "loanDialog",
          "mortgageDialog", "ccardDialog", "initialDialog", "cardPayoffDialog"}) {
        script.on(name, meddle);
    }
    script.on("fundamentalsDialog", [&](QDialog& dialog) {
        // An account's rate typed in the Account Rate dialog is forgotten too.
        pick(dialog, "change-account-rate", "Brokerage Account");
        press(dialog, "change-rate");
        meddle(dialog);
    });
    script.on("accountDialog", [](QDialog& dialog) {
        type(dialog, "current-rate", "9.5");
        press(dialog, "okButton");
    });
    for (const int command : commands) {
        SCOPED_TRACE(command);
        const Snapshot before(planner.scenario());
        const std::size_t opened = script.opened.size();
        for (int i = 0; command == 0 && i < planner.scenario().usedEventCount(); ++i) {
            window->commands().events().editEvent(i);
        }
        if (command != 0) {
            window->handleCommand(command);
        }
        EXPECT_GT(script.opened.size(), opened);
        EXPECT_TRUE(Snapshot(planner.scenario()) == before);
    }
    EXPECT_NE(std::find(script.opened.begin(), script.opened.end(), "accountDialog"),
              script.opened.end());
}

// The Scenario page: Edit by double-click, Copy, Delete, and the lines that refuse them.
// A budget withdrawal and an RMD distribution are edited in their option windows; the
// Results page still opens the Withdrawal editor (only its account can change there).
TEST_F(EventEditorsTest, TheScenarioListOpensBudgetAndRmdWindows) {
    window->commands().options().setDialogRunner(script.runner());
    ASSERT_NE(chooseFolder<gui::ScenarioPage>(static_cast<int>(Page::Scenario)), nullptr);
    const Snapshot before(planner.scenario());
    for (const char* text : {"Budget - Retirement Living", "IRS Uniform"}) {
        select(lineOf(text));
        click("editButton");
    }
    window->commands().events().editEvent(
        planner.eventForLine(lineOf("Budget - Retirement Living")));
    EXPECT_EQ(script.opened,
              (std::vector<std::string>{"budgetDialog", "mrwDialog", "withdrawalDialog"}));
    EXPECT_EQ(Snapshot(planner.scenario()), before);
}

TEST_F(EventEditorsTest, TheScenarioPageEditsCopiesAndDeletes) {
    auto* page = chooseFolder<gui::ScenarioPage>(static_cast<int>(Page::Scenario));
    ASSERT_NE(page, nullptr);
    EXPECT_NE(page->findChild<QLabel*>(QStringLiteral("scenarioHint")), nullptr);
    EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("scenarioHint"))->text(),
              QStringLiteral("Double click an event to edit."));

    // A double-click on the second line of a block edits its event.
    scriptSession(script, "gui/sessions.txt", "scenario-page", dialogs);
    QListView* list = select(lineOf("Living expenses") + 1);
    doubleClick(list, list->currentIndex());
    ASSERT_EQ(script.opened, std::vector<std::string>{"withdrawalDialog"});
    ASSERT_NE(event("Living expenses"), nullptr);
    EXPECT_EQ(event("Living expenses")->amount, 5000.0f);
    EXPECT_NE(scenarioPage()
                  ->model()
                  ->data(scenarioPage()->model()->index(lineOf("Living expenses"), 0))
                  .toString()
                  .indexOf(QStringLiteral("$5,000.00")),
              -1);

    // Copy with OK keeps both; with Cancel the copy goes.
    const int events = planner.scenario().liveEventCount;
    select(lineOf("Living expenses"));
    click("copyButton");
    EXPECT_EQ(count("Living expenses"), 2);
    EXPECT_EQ(planner.scenario().liveEventCount, events + 1);
    const Snapshot copied(planner.scenario());
    select(lineOf("Living expenses"));
    click("copyButton");
    EXPECT_TRUE(Snapshot(planner.scenario()) == copied);

    // Delete takes one away and marks the change.
    planner.scenario().modified = false;
    planner.scenario().resultsStale = false;
    select(lineOf("Living expenses"));
    click("deleteButton");
    EXPECT_EQ(count("Living expenses"), 1);
    EXPECT_TRUE(planner.scenario().modified);
    EXPECT_TRUE(planner.scenario().resultsStale);

    // The header line: Edit opens Initial Values; Copy and Delete do nothing, nor do they for
    // the RMD line.
    const std::size_t opened = script.opened.size();
    select(0);
    click("editButton");
    ASSERT_EQ(script.opened.size(), opened + 1);
    EXPECT_EQ(script.opened.back(), "initialDialog");
    const Snapshot still(planner.scenario());
    for (int line : {0, lineOf("RMD withdrawal option")}) {
        select(line);
        click("copyButton");
        click("deleteButton");
    }
    EXPECT_EQ(script.opened.size(), opened + 1);
    EXPECT_EQ(Snapshot(planner.scenario()).bytes, still.bytes);
}

// The Results page: a double-click on an event's line opens that event's editor; "Edit inital
// values and run again" opens Initial Values, and a change runs at once.
TEST_F(EventEditorsTest, TheResultsPageOpensTheEditors) {
    chooseFolder<gui::ResultsPage>(static_cast<int>(Page::Results));
    const auto page = [&] { return qobject_cast<gui::ResultsPage*>(window->currentPage()); };
    ASSERT_NE(page(), nullptr);

    const std::vector<ScheduleLine>& lines = planner.output().schedule.lines;
    int line = -1;
    for (std::size_t i = 0; i < lines.size() && line < 0; ++i) {
        if (lines[i].kind >= 0 && lines[i].kind < planner.scenario().usedEventCount() &&
            planner.scenario().events[static_cast<std::size_t>(lines[i].kind)].is(
                EventType::Mortgage)) {
            line = static_cast<int>(i);
        }
    }
    ASSERT_GE(line, 0) << "no mortgage line in the schedule";
    std::string description;
    script.on("mortgageDialog",
              [&](QDialog& dialog) { description = shown(dialog, "description"); });
    doubleClick(page()->view(), page()->view()->model()->index(line, 0));
    EXPECT_EQ(script.opened, std::vector<std::string>{"mortgageDialog"});
    EXPECT_EQ(description, "Home mortgage (refinanced)");

    script.on("initialDialog", [](QDialog& dialog) {
        type(dialog, "end-age", "80");
        press(dialog, "okButton");
    });
    page()->findChild<QPushButton*>(QStringLiteral("editInitialValuesButton"))->click();
    settle();
    EXPECT_EQ(script.opened.back(), "initialDialog");
    EXPECT_EQ(planner.scenario().header.endAge, 80.0f);
    // The page ran with the new end age: the last totals line is age 80's.
    EXPECT_FALSE(planner.scenario().resultsStale);
    ASSERT_NE(page(), nullptr);
    int lastAge = 0;
    for (const ScheduleLine& l : planner.output().schedule.lines) {
        if (!l.text.empty() && l.text[0] >= '0' && l.text[0] <= '9') {
            lastAge = std::max(lastAge, std::atoi(l.text.c_str()));
        }
    }
    EXPECT_EQ(lastAge, 80);
}

// Add Event: modeless and only one; while it is open the menu's editors wait, its own buttons
// open them; OK closes it.
TEST_F(EventEditorsTest, AddEventOpensOnceAndLaunchesTheEditors) {
    window->handleCommand(gui::command::AddEventChooser);
    window->handleCommand(gui::command::AddEventChooser);
    settle();
    const auto open = [] {
        int visible = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            visible += qobject_cast<gui::AddEventDialog*>(w) != nullptr && w->isVisible() ? 1 : 0;
        }
        return visible;
    };
    EXPECT_EQ(open(), 1);
    gui::AddEventDialog* addEvent = window->commands().events().addEventDialog();
    ASSERT_NE(addEvent, nullptr);
    EXPECT_FALSE(addEvent->isModal());
    EXPECT_EQ(addEvent->windowTitle(), QStringLiteral("Add Event"));

    window->handleCommand(gui::command::Deposit);
    EXPECT_TRUE(script.opened.empty());

    scriptSession(script, "gui/sessions.txt", "add-event", dialogs);
    addEvent->findChild<QPushButton*>(QStringLiteral("depositButton"))->click();
    settle();
    EXPECT_EQ(script.opened, std::vector<std::string>{"incomeDialog"});
    EXPECT_EQ(count("Bonus"), 1);

    addEvent->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    settle();
    EXPECT_EQ(open(), 0);
    window->handleCommand(gui::command::Deposit);
    EXPECT_EQ(script.opened.size(), 2u);
}

// The payoff calculator shows the card's figures and never touches the scenario; its inputs
// are there again at the next opening.
TEST_F(EventEditorsTest, TheCardPayoffCalculatorStoresNothing) {
    const Snapshot before(planner.scenario());
    scriptSession(script, "gui/sessions.txt", "card-payoff", dialogs);
    for (int i = 0; i < 3; ++i) {
        window->handleCommand(gui::command::CreditCardPayoff);
    }
    EXPECT_EQ(script.opened.size(), 3u);
    EXPECT_TRUE(Snapshot(planner.scenario()) == before);
}

// Add Event opens beside the main window: at its right when there is room, else at its left,
// and always inside the screen.
TEST(AddEventPlace, BesideTheWindowInsideTheScreen) {
    gui::AddEventDialog dialog;
    const QSize size = dialog.sizeHint();
    const QRect screen(0, 0, 1920, 1080);
    struct Case {
        QRect frame;
        QPoint expected;
    };
    const Case cases[] = {
        {QRect(100, 100, 800, 600), QPoint(100 + 800 + 8, 100)},
        {QRect(1000, 50, 900, 600), QPoint(1000 - 8 - size.width(), 50)},
        {QRect(0, 0, 1920, 1080), QPoint(0, 0)},
        {QRect(100, 1070, 800, 600), QPoint(908, 1080 - size.height())},
    };
    for (const Case& c : cases) {
        dialog.placeBeside(c.frame, screen);
        EXPECT_EQ(dialog.pos(), c.expected) << c.frame.x() << "," << c.frame.y();
    }
}

} // namespace
} // namespace finplan::test
