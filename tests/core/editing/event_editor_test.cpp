#include "editing/event_editor.h"
#include "model/byte_io.h"
#include "model/scenario_image.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <map>
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

// Each key=text of `settings` is what the form shows in that field.
void expectTexts(const FieldTexts& fields, const std::string& settings) {
    for (const auto& [key, text] : test::settingsOf(settings)) {
        EXPECT_EQ(fields.at(key), text) << key;
    }
}

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

TEST(EventEditor, EachFormRefusesItsFirstBadFieldWithTheDialogsMessage) {
    const auto cases = test::readCases("editing/refusals.txt");
    ASSERT_GE(cases.size(), 70u);
    for (const test::CaseLine& c : cases) {
        SCOPED_TRACE(c.where);
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
    }
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

TEST(EventEditor, OpeningShowsTheRecordInTheDialogsFormats) {
    Opened withdrawal(EditorKind::Withdrawal, {1});
    expectTexts(withdrawal.fields, "description=Rent;amount=12000.00   ;start-age=60.00 ;"
                                   "end-age=85.00 ;withdrawal-account=1;one-time=");
    // The picker lists the accounts by name, "No Selection" first.
    std::vector<std::string> names;
    for (const PickerChoice& choice : withdrawal.editor->choices("withdrawal-account")) {
        names.push_back(choice.name + "#" + std::to_string(choice.accountId));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"No Selection#-1", "Boat#2", "Checking#1", "IRA#3",
                                               "Savings#4"}));

    Opened deposit(EditorKind::Deposit, {0});
    expectTexts(deposit.fields, "amount=30000.00    ;deposit-to=4");
    EXPECT_EQ(deposit.editor->choices("deposit-to").size(), 4u);
}

TEST(EventEditor, ALoanOf20000With5000DownAt6PercentFor5YearsPays289_99) {
    Opened loan(EditorKind::Loan);
    const CalcResult calculated = loan.editor->calculate(loan.fields);
    EXPECT_EQ(calculated.output("monthly-payment"), "289.99     ");
    EXPECT_FALSE(loan.editor->closed());
    EXPECT_EQ(loan.scenario.liveEventCount, 2); // Calculate stores no event
    const CalcResult stored = loan.editor->ok(loan.fields);
    ASSERT_TRUE(stored.accepted());
    const EventRecord& event = *loan.editor->storedEvent();
    EXPECT_EQ(event.type, 3);
    EXPECT_NEAR(event.payment, 289.99f, 0.005f);
    EXPECT_EQ(event.accountId, 2);
    EXPECT_EQ(event.appreciationRate, -10.0f); // the deposit account's rate
    EXPECT_EQ(event.payAccountId, 1);
    EXPECT_EQ(event.payFromAccountFlag, 438);
    EXPECT_EQ(event.startAge, 59.0f);
}

// Calculate on a card: tests/data/editing/event_editor_cases.txt.
TEST(EventEditor, CardPayoffResultsFollowTheMonthByMonthRule) {
    const auto cases = test::readCases("editing/event_editor_cases.txt", "card");
    ASSERT_EQ(cases.size(), 2u);
    for (const test::CaseLine& c : cases) {
        SCOPED_TRACE(c.where);
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
    }
}

TEST(EventEditor, EndAgeOfOneTimeAndAllFundsEventsIsReadWithoutChecks) {
    Opened withdrawal(EditorKind::Withdrawal);
    typeInto(withdrawal.fields, "one-time=on;end-age=;start-age=65.7");
    ASSERT_TRUE(withdrawal.editor->ok(withdrawal.fields).accepted());
    EXPECT_EQ(withdrawal.editor->storedEvent()->endAge, 0.0f);
    EXPECT_EQ(withdrawal.editor->storedEvent()->startAge, 65.0f);
    EXPECT_EQ(withdrawal.editor->storedEvent()->oneTime, 1);

    Opened transfer(EditorKind::Transfer);
    typeInto(transfer.fields, "transfer-all-funds=on;end-age=abc;amount=0;apply-rate=99");
    EXPECT_EQ(
        transfer.editor->disabledFields(transfer.fields),
        (std::set<std::string>{"amount", "apply-rate", "end-age", "one-time", "apply-inflation"}));
    ASSERT_TRUE(transfer.editor->ok(transfer.fields).accepted());
    EXPECT_EQ(transfer.editor->storedEvent()->allFunds, 1);
    EXPECT_EQ(transfer.editor->storedEvent()->amount, 0.0f);
}

// Amounts and names typed into a withdrawal, as its record stores them.
TEST(EventEditor, TypedTextsAreStoredAsTheRecordHoldsThem) {
    const auto cases = test::readCases("editing/typed_texts.txt");
    ASSERT_EQ(cases.size(), 10u);
    for (const test::CaseLine& c : cases) {
        SCOPED_TRACE(c.where);
        Opened withdrawal(EditorKind::Withdrawal);
        withdrawal.fields[c.word] = c.input("typed");
        ASSERT_TRUE(withdrawal.editor->ok(withdrawal.fields).accepted());
        const EventRecord& stored = *withdrawal.editor->storedEvent();
        if (c.word == "amount") {
            EXPECT_EQ(stored.amount, std::stof(c.answer("stored")));
        } else {
            EXPECT_EQ(std::string(fieldText(stored.name)), c.answer("stored"));
        }
    }
    // Shown again as UTF-8.
    Scenario named = editingScenario();
    setFieldText(named.events[0].name, "Caf\xE9");
    EXPECT_EQ(Opened(EditorKind::Deposit, {0}, named).fields.at("description"), "Caf\xC3\xA9");
}

TEST(EventEditor, PickersSelectOnlyAChosenAccount) {
    // A cleared record holds account id 0; an account with id 0 must not be preselected.
    Scenario scenario = test::makeScenario(
        test::textBlock("editing/event_editor_scenarios.txt", "PickersSelectOnlyAChosenAccount"));
    ScriptedDialogs dialogs;
    FixedClock clock{kToday};
    {
        EventEditor editor(scenario, EditorKind::Withdrawal, {}, clock, dialogs);
        EXPECT_EQ(editor.texts().at("withdrawal-account"), "-1");
    }
    {
        EventEditor editor(scenario, EditorKind::CreditCard, {}, clock, dialogs);
        EXPECT_EQ(editor.texts().at("payments-account"), "-1");
    }
    // A loan whose deposit account is gone keeps its id and rate.
    EventEditor loan(scenario, EditorKind::Loan, {0}, clock, dialogs);
    expectTexts(loan.texts(), "deposit-to=;payments-account=-1");
    FieldTexts fields = loan.texts();
    ASSERT_TRUE(loan.ok(fields).accepted());
    EXPECT_EQ(loan.storedEvent()->accountId, 9);
    EXPECT_EQ(loan.storedEvent()->appreciationRate, 7.5f);
    EXPECT_EQ(loan.storedEvent()->payAccountId, -1);
    EXPECT_EQ(loan.storedEvent()->payFromAccountFlag, 0);
}

TEST(EventEditor, NewEventsStartClearedAndACancelledOneLeavesNothing) {
    Scenario scenario = editingScenario();
    ScriptedDialogs dialogs;
    FixedClock clock{kToday};
    {
        EventEditor editor(scenario, EditorKind::Fundamentals, {}, clock, dialogs);
        FieldTexts fields = editor.texts();
        typeInto(fields, "description=Scratch;start-age=0"); // refused, the record got the name
        EXPECT_FALSE(editor.ok(fields).accepted());
    }
    EventEditor next(scenario, EditorKind::Fundamentals, {}, clock, dialogs);
    // With no earlier rate change, tax and inflation start from the initial values.
    expectTexts(next.texts(), "description=;start-age=0.00  ;tax-rate=22.00 ;"
                              "inflation-rate=3.00  ;change-account-rate=-1");
}

TEST(EventEditor, AccountRatesTypedInFundamentalsCountOnlyWithItsOk) {
    Opened rates(EditorKind::Fundamentals);
    EXPECT_EQ(rates.editor->accountRateTexts(1).at("account-name"), "Checking");
    EXPECT_EQ(rates.editor->accountRateTexts(1).at("current-rate"), "2.000   ");
    const CalcResult refused = rates.editor->setAccountRate(1, {{"current-rate", "200.5"}});
    ASSERT_TRUE(refused.refusal.has_value());
    EXPECT_EQ(rates.dialogs.transcript(),
              "RATE ERROR|This amount must be greater than -200.00 and less than 200.00.");
    ASSERT_TRUE(rates.editor->setAccountRate(1, {{"current-rate", "-7.25"}}).accepted());
    EXPECT_EQ(rates.editor->accountRateTexts(1).at("current-rate"), "-7.250  ");
    EXPECT_EQ(rates.scenario.accounts.accounts[1].currentRate, 2.0f); // not before OK
    rates.fields["change-account-rate"] = "1";
    ASSERT_TRUE(rates.editor->ok(rates.fields).accepted());
    EXPECT_EQ(rates.scenario.accounts.accounts[1].currentRate, -7.25f);
    EXPECT_EQ(rates.editor->storedEvent()->accountId, 1);
    EXPECT_EQ(rates.editor->storedEvent()->rate, -7.25f);
    EXPECT_EQ(rates.editor->storedEvent()->endAge, 60.0f);
    EXPECT_EQ(rates.editor->storedEvent()->amount, 20.0f);
    EXPECT_EQ(rates.editor->storedEvent()->downPayment, 2.0f);
}

// The part of a year since the birthday: tests/data/editing/event_editor_cases.txt.
TEST(EventEditor, UseBirthdayAddsThePartOfAYearSinceTheBirthday) {
    const auto cases = test::readCases("editing/event_editor_cases.txt", "birthday");
    ASSERT_EQ(cases.size(), 4u);
    for (const test::CaseLine& c : cases) {
        SCOPED_TRACE(c.where);
        const auto date = test::partsOf(c.input("today"), '-');
        Scenario scenario = editingScenario();
        ScriptedDialogs dialogs;
        FixedClock clock{LocalDateTime{std::stoi(date[0]), std::stoi(date[1]), std::stoi(date[2])}};
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
    }
}

TEST(EventEditor, UseBirthdayRefusesABadDateAndLeavesTheBoxAsItWas) {
    Opened initial(EditorKind::InitialValues);
    typeInto(initial.fields, "birth-month=13;use-birthday=on");
    const CalcResult result = initial.editor->click("use-birthday", initial.fields);
    ASSERT_TRUE(result.refusal.has_value());
    EXPECT_EQ(result.refusal->title, "BIRTH MONTH ERROR");
    EXPECT_EQ(initial.fields.at("use-birthday"), "");
    EXPECT_EQ(initial.scenario.header.useBirthday, 0);
}

TEST(EventEditor, MortgageAcceleratedBoxesExcludeEachOther) {
    Opened mortgage(EditorKind::Mortgage);
    mortgage.fields["accelerate-from-mortgage-start"] = "on";
    mortgage.editor->click("accelerate-from-mortgage-start", mortgage.fields);
    mortgage.fields["accelerate-from-initial-start"] = "on";
    mortgage.editor->click("accelerate-from-initial-start", mortgage.fields);
    EXPECT_EQ(mortgage.fields.at("accelerate-from-mortgage-start"), "");
    typeInto(mortgage.fields, "accelerated-amount=100000;do-not-withdraw-down-payment=on");
    const CalcResult result = mortgage.editor->ok(mortgage.fields);
    ASSERT_TRUE(result.accepted());
    // 15000 at 4 % over 180 months.
    EXPECT_EQ(result.output("monthly-payment"), "$110.95");
    EXPECT_EQ(mortgage.editor->storedEvent()->extraPrincipalMode(), 2);
    EXPECT_EQ(mortgage.editor->storedEvent()->extraPrincipal, 100000.0f);
    EXPECT_EQ(mortgage.editor->storedEvent()->accountId, 1);
    EXPECT_EQ(mortgage.editor->storedEvent()->type, 4);
}

TEST(EventEditor, ADownPaymentEqualToTheAmountIsAccepted) {
    for (const EditorKind kind : {EditorKind::Loan, EditorKind::Mortgage}) {
        Opened debt(kind);
        debt.fields["down-payment"] = "20000";
        const CalcResult result = debt.editor->ok(debt.fields);
        ASSERT_TRUE(result.accepted());
        EXPECT_EQ(debt.editor->storedEvent()->payment, 0.0f);
    }
}

TEST(EventEditor, WithdrawalCancelWarnsOfAnAllocationAccountThenCloses) {
    Opened withdrawal(EditorKind::Withdrawal);
    withdrawal.fields["withdrawal-account"] = "3";
    withdrawal.editor->cancel(withdrawal.fields);
    EXPECT_TRUE(withdrawal.editor->closed());
    ASSERT_EQ(withdrawal.dialogs.shown.size(), 1u);
    EXPECT_EQ(withdrawal.dialogs.shown[0].title, "Account Warning");
    EXPECT_EQ(encodeScenarioImage(withdrawal.scenario), withdrawal.before);
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

TEST(EventEditor, ANewEventIsRefusedWhenTheTableIsFull) {
    Scenario full = editingScenario();
    full.liveEventCount = kMaxEvents;
    Opened deposit(EditorKind::Deposit, {}, full);
    EXPECT_FALSE(deposit.editor->ok(deposit.fields).accepted());
    EXPECT_EQ(deposit.dialogs.transcript(), "Event Warning|Maximum number of events reached!");
    EXPECT_EQ(deposit.scenario.liveEventCount, kMaxEvents);
}

} // namespace
} // namespace finplan
