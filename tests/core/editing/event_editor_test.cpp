#include "editing/event_editor.h"
#include "model/byte_io.h"
#include "model/scenario_image.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/editor_session.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace finplan {
namespace {

using test::ScriptedDialogs;

const LocalDateTime kToday{2026, 3, 10, 9, 0, 0};

// Accounts 1 Checking, 2 Boat (an asset), 3 IRA (in the asset allocation), 4 Savings.
Scenario editingScenario() {
    return test::makeScenario(
        test::textBlock("editing/event_editor_scenarios.txt", "editingScenario"));
}

const std::map<std::string, EditorKind> kEditorWords = {
    {"withdrawal", EditorKind::Withdrawal}, {"deposit", EditorKind::Deposit},
    {"transfer", EditorKind::Transfer},     {"fundamentals", EditorKind::Fundamentals},
    {"initial", EditorKind::InitialValues}, {"loan", EditorKind::Loan},
    {"mortgage", EditorKind::Mortgage},     {"card", EditorKind::CreditCard},
};

// Texts every check of each form accepts.
const std::map<EditorKind, std::string>& validFields() {
    static const std::map<EditorKind, std::string> fields = [] {
        std::map<EditorKind, std::string> read;
        for (const test::CaseLine& c : test::readCases("editing/valid_forms.txt")) {
            read[kEditorWords.at(c.word)] = c.input("typed");
        }
        return read;
    }();
    return fields;
}

using test::typeInto;

// One editor opened on a new event (or the initial values) of a fresh scenario.
struct Opened {
    Scenario scenario;
    ScriptedDialogs dialogs;
    FixedClock clock{kToday};
    std::vector<Byte> before = encodeScenarioImage(scenario); // as it was before opening
    std::unique_ptr<EventEditor> editor;
    FieldTexts fields;

    explicit Opened(EditorKind kind, EditTarget target = {}, Scenario opened = editingScenario())
        : scenario(std::move(opened)) {
        editor = std::make_unique<EventEditor>(scenario, kind, target, clock, dialogs);
        fields = editor->texts();
        if (target.index == EditTarget::kNewEvent) {
            typeInto(fields, validFields().at(kind));
        }
    }
};

// The numbers of a stored event, by their names in the session file.
std::map<std::string, double> storedNumbers(const EventRecord& e) {
    return {{"type", e.type},
            {"amount", e.amount},
            {"payment", e.payment},
            {"startAge", e.startAge},
            {"endAge", e.endAge},
            {"oneTime", e.oneTime},
            {"allFunds", e.allFunds},
            {"accountId", e.accountId},
            {"appreciationRate", e.appreciationRate},
            {"payAccountId", e.payAccountId},
            {"payFromAccountFlag", e.payFromAccountFlag},
            {"extraPrincipal", e.extraPrincipal},
            {"extraPrincipalMode", e.extraPrincipalMode()},
            {"rate", e.rate},
            {"downPayment", e.downPayment}};
}

// Plays one session of tests/data/editing/event_sessions.txt, its steps in order on one scenario,
// with the steps of test::playEditorStep and these: "scenario=block" (first) takes another
// scenario of event_editor_scenarios.txt, "full-table" fills its event table; "open=kind" or
// "open=kind:index" opens an editor as Opened does, closing the one before; "key=text" types;
// "calculate" and "cancel" press a button; "account-rate:id=text" sets an account's rate. Checks:
// "titles=TITLE|TITLE", "output:key=text", "unchanged" (as before opening),
// "rate-text:id:key=text" (the account rate form), "scenario:name=n" (of the scenario),
// "stored:field=n" (of the stored event, exactly) and "near:field=n" (to 0.005).
void playSession(const test::CaseLine& session) {
    Scenario scenario = editingScenario();
    std::optional<Opened> opened;
    test::EditorPlay<EventEditor> play;
    for (const auto& [step, value] : session.inputs) {
        SCOPED_TRACE(step + "=" + value);
        const auto [verb, key] = test::verbOf(step);
        if (verb == "scenario" && !opened) {
            scenario =
                test::makeScenario(test::textBlock("editing/event_editor_scenarios.txt", value));
            continue;
        }
        if (verb == "full-table") {
            scenario.liveEventCount = kMaxEvents;
            continue;
        }
        if (verb == "open") {
            if (opened) {
                opened->editor.reset();
                scenario = std::move(opened->scenario);
            }
            const auto parts = test::partsOf(value, ':');
            const EditTarget target{parts.size() > 1 ? std::stoi(parts[1]) : EditTarget::kNewEvent};
            opened.emplace(kEditorWords.at(parts[0]), target, std::move(scenario));
            play = {opened->editor.get(), opened->fields, &opened->dialogs, {}};
            continue;
        }
        ASSERT_TRUE(opened.has_value());
        if (test::playEditorStep(play, step, value)) {
            continue;
        }
        EventEditor& editor = *opened->editor;
        const EventRecord* stored = editor.storedEvent() ? &*editor.storedEvent() : nullptr;
        if (verb == "calculate") {
            play.last = editor.calculate(play.fields);
        } else if (verb == "cancel") {
            editor.cancel(play.fields);
        } else if (verb == "titles") {
            std::string titles;
            for (const Message& message : opened->dialogs.shown) {
                titles += (titles.empty() ? "" : "|") + message.title;
            }
            EXPECT_EQ(titles, value);
        } else if (verb == "output") {
            EXPECT_EQ(play.last.output(key), value);
        } else if (verb == "unchanged") {
            EXPECT_EQ(encodeScenarioImage(opened->scenario), opened->before);
        } else if (verb == "scenario") {
            const Scenario& now = opened->scenario;
            const std::map<std::string, double> numbers = {
                {"events", now.liveEventCount},
                {"useBirthday", now.header.useBirthday},
                {"accounts[1].currentRate", now.accounts.accounts[1].currentRate}};
            EXPECT_EQ(numbers.at(key), std::stof(value)) << key;
        } else if (verb == "account-rate") {
            play.last = editor.setAccountRate(std::stoi(key), {{"current-rate", value}});
        } else if (verb == "rate-text") {
            const auto parts = test::partsOf(key, ':');
            EXPECT_EQ(editor.accountRateTexts(std::stoi(parts[0])).at(parts[1]), value);
        } else if (verb == "stored" || verb == "near") {
            ASSERT_NE(stored, nullptr);
            const double number = storedNumbers(*stored).at(key);
            const double wanted = std::stof(value);
            EXPECT_NEAR(number, wanted, verb == "near" ? 0.005 : 0.0) << key;
        } else {
            play.fields[step] = value;
        }
    }
}

TEST(EventEditor, SessionsOfTheDataFile) {
    test::forEachCase("editing/event_sessions.txt", "", 14, playSession);
}

TEST(EventEditor, EachFormRefusesItsFirstBadFieldWithTheDialogsMessage) {
    test::forEachCase("editing/refusals.txt", "", 77, [&](const test::CaseLine& c) {
        Opened opened(kEditorWords.at(c.word));
        typeInto(opened.fields, c.input("typed"));
        const CalcResult result = opened.editor->ok(opened.fields);
        ASSERT_TRUE(result.refusal.has_value());
        EXPECT_EQ(result.refusal->field, c.answer("field"));
        ASSERT_EQ(opened.dialogs.shown.size(), 1u);
        EXPECT_EQ(opened.dialogs.transcript(), c.answer("title") + "|" + c.answer("text"));
        EXPECT_EQ(opened.dialogs.shown[0].icon, MessageIcon::Stop);
        EXPECT_FALSE(opened.editor->closed());
        // The refused OK changed the record; closing the editor puts everything back.
        opened.editor.reset();
        EXPECT_EQ(encodeScenarioImage(opened.scenario), opened.before);
        EXPECT_FALSE(opened.scenario.modified);
    });
}

TEST(EventEditor, ValidFormsAreAcceptedAndCommitted) {
    for (const auto& [kind, typed] : validFields()) {
        SCOPED_TRACE(editorForm(kind).title);
        Opened opened(kind);
        const int count = opened.scenario.liveEventCount;
        const CalcResult result = opened.editor->ok(opened.fields);
        EXPECT_FALSE(result.refusal.has_value());
        EXPECT_TRUE(opened.dialogs.shown.empty());
        EXPECT_TRUE(opened.editor->closed());
        EXPECT_TRUE(opened.scenario.modified);
        EXPECT_TRUE(opened.scenario.resultsStale);
        EXPECT_EQ(opened.scenario.liveEventCount,
                  kind == EditorKind::InitialValues ? count : count + 1);
        opened.editor.reset(); // an accepted OK stays
        EXPECT_TRUE(opened.scenario.modified);
    }
}

TEST(EventEditor, CancelAndClosingWithoutOkRestoreTheScenarioByteForByte) {
    for (const auto& [kind, typed] : validFields()) {
        SCOPED_TRACE(editorForm(kind).title);
        for (const bool cancel : {true, false}) {
            Scenario scenario = editingScenario();
            scenario.events[5].amount = 77.0f; // a scratch record with something in it
            const auto before = encodeScenarioImage(scenario);
            const Scenario copy = scenario;
            ScriptedDialogs dialogs;
            FixedClock clock{kToday};
            {
                // An existing event for the event editors, so the record itself changes.
                const EditTarget target{kind == EditorKind::Deposit ? 0 : EditTarget::kNewEvent};
                EventEditor editor(scenario, kind, target, clock, dialogs);
                FieldTexts fields = editor.texts();
                typeInto(fields, typed);
                editor.calculate(fields);
                if (kind == EditorKind::InitialValues) {
                    fields["use-birthday"] = "on";
                    editor.click("use-birthday", fields);
                }
                if (cancel) {
                    editor.cancel(fields);
                    EXPECT_TRUE(editor.closed());
                }
            }
            EXPECT_EQ(encodeScenarioImage(scenario), before);
            EXPECT_EQ(scenario.events[5].amount, 77.0f);
            EXPECT_EQ(scenario.modified, copy.modified);
            EXPECT_EQ(scenario.liveEventCount, copy.liveEventCount);
        }
    }
}

// The pickers list the accounts by name, "No Selection" first.
TEST(EventEditor, PickersListTheAccountsByName) {
    Opened withdrawal(EditorKind::Withdrawal, {1});
    std::vector<std::string> names;
    for (const PickerChoice& choice : withdrawal.editor->choices("withdrawal-account")) {
        names.push_back(choice.name + "#" + std::to_string(choice.accountId));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"No Selection#-1", "Boat#2", "Checking#1", "IRA#3",
                                               "Savings#4"}));
    EXPECT_EQ(Opened(EditorKind::Deposit, {0}).editor->choices("deposit-to").size(), 4u);
}

// Calculate on a card: tests/data/editing/event_editor_cases.txt.
TEST(EventEditor, CardPayoffResultsFollowTheMonthByMonthRule) {
    test::forEachCase("editing/event_editor_cases.txt", "card", 2, [&](const test::CaseLine& c) {
        Opened card(EditorKind::CreditCard);
        typeInto(card.fields, c.input("typed"));
        const CalcResult result = card.editor->calculate(card.fields);
        ASSERT_TRUE(result.accepted());
        EXPECT_EQ(result.output("years"), c.answer("years"));
        EXPECT_EQ(result.output("months"), c.answer("months"));
        if (!c.answerOr("total-interest", "").empty()) {
            EXPECT_EQ(result.output("total-interest"), c.answer("total-interest"));
        }
        // The calculator mode shares the routine.
        const CalcResult calculator = calculateCardPayoffFields(card.fields);
        EXPECT_EQ(calculator.output("years"), result.output("years"));
        EXPECT_EQ(calculator.output("months"), result.output("months"));
    });
}

// Amounts and names typed into a withdrawal, as its record stores them.
TEST(EventEditor, TypedTextsAreStoredAsTheRecordHoldsThem) {
    test::forEachCase("editing/typed_texts.txt", "", 10, [&](const test::CaseLine& c) {
        Opened withdrawal(EditorKind::Withdrawal);
        withdrawal.fields[c.word] = c.input("typed");
        ASSERT_TRUE(withdrawal.editor->ok(withdrawal.fields).accepted());
        const EventRecord& stored = *withdrawal.editor->storedEvent();
        if (c.word == "amount") {
            EXPECT_EQ(stored.amount, std::stof(c.answer("stored")));
        } else {
            EXPECT_EQ(std::string(fieldText(stored.name)), c.answer("stored"));
        }
    });
    // Shown again as UTF-8.
    Scenario named = editingScenario();
    setFieldText(named.events[0].name, "Caf\xE9");
    EXPECT_EQ(Opened(EditorKind::Deposit, {0}, named).fields.at("description"), "Caf\xC3\xA9");
}

// The part of a year since the birthday: tests/data/editing/event_editor_cases.txt.
TEST(EventEditor, UseBirthdayAddsThePartOfAYearSinceTheBirthday) {
    test::forEachCase(
        "editing/event_editor_cases.txt", "birthday", 4, [&](const test::CaseLine& c) {
            const auto date = test::partsOf(c.input("today"), '-');
            Scenario scenario = editingScenario();
            ScriptedDialogs dialogs;
            FixedClock clock{
                LocalDateTime{std::stoi(date[0]), std::stoi(date[1]), std::stoi(date[2])}};
            EventEditor editor(scenario, EditorKind::InitialValues, {}, clock, dialogs);
            FieldTexts fields = editor.texts();
            // Opening keeps the whole years only, the birthday not being in use.
            EXPECT_EQ(fields.at("start-age"), "55.000");
            typeInto(fields, "birth-month=" + c.input("month") + ";birth-day=" + c.input("day") +
                                 ";use-birthday=on");
            ASSERT_TRUE(editor.click("use-birthday", fields).accepted());
            EXPECT_EQ(fields.at("start-age"), c.answer("start-age"));
            EXPECT_EQ(fields.at("use-birthday"), "on");
            ASSERT_TRUE(editor.ok(fields).accepted());
            EXPECT_EQ(scenario.header.useBirthday, 1);
            EXPECT_EQ(scenario.header.birthMonth, std::stoi(c.input("month")));
        });
}

TEST(EventEditor, ABudgetWithdrawalChangesOnlyItsBudgetsAccount) {
    for (const int number : {2, 0, 9}) {
        Scenario scenario = editingScenario();
        test::ScenarioBuilder(scenario).add("budget number=2 name=House start=58 end=80 "
                                            "from=Savings\nitem amount=1000\n");
        const int index = scenario.liveEventCount - 1;
        scenario.events[static_cast<std::size_t>(index)].budgetNumber =
            static_cast<std::int16_t>(number);
        const EventRecord event = scenario.events[static_cast<std::size_t>(index)];
        Opened withdrawal(EditorKind::Withdrawal, {index}, scenario);
        EXPECT_EQ(withdrawal.editor->disabledFields(withdrawal.fields).count("amount"), 1u);
        typeInto(withdrawal.fields, "withdrawal-account=1;amount=5");
        ASSERT_TRUE(withdrawal.editor->ok(withdrawal.fields).accepted());
        EXPECT_EQ(withdrawal.scenario.budgets[1].sourceAccountId, number == 2 ? 1 : 4) << number;
        EXPECT_EQ(withdrawal.editor->storedEvent()->amount, event.amount);
    }
}

} // namespace
} // namespace finplan
