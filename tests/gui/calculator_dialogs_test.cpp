// The calculators as a person uses them from the Tools menu and the mortgage editor: the worked
// numbers typed into the real dialogs, the refusals with the focus on the field, and what the
// dialogs hand on (a mortgage event, a refinanced mortgage, a rate, the files they write).
#include "calculators/accelerated_payments.h"
#include "editor_script.h"
#include "gui/calculators/text_table_model.h"
#include "gui/commands/command_areas.h"
#include "gui/shell/command_ids.h"
#include "gui_fixture.h"
#include "model/text_field.h"
#include "support/case_file.h"

#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

#include <fstream>
#include <map>
#include <sstream>

namespace finplan::test {
namespace {

struct Calculator {
    int command;
    std::string dialog;
    std::map<std::string, std::string> shownAs; // answers shown in a field of another name
};

const std::map<std::string, Calculator> kCalculators = {
    {"mortgage", {gui::command::MortgageCalculator, "mortgagecDialog", {}}},
    {"inflation", {gui::command::InflationCalculator, "inflateDialog", {}}},
    {"effective-rate", {gui::command::EffectiveRate, "effectiveDialog", {}}},
    {"investment",
     {gui::command::TaxInflationInvestment,
      "taxinfDialog",
      {{"years", "result-years"}, {"tax-rate", "result-tax-rate"}}}},
    {"accelerated", {gui::command::AcceleratedMortgage, "accelDialog", {}}},
};

std::string raw(QDialog& dialog, const std::string& key) {
    auto* edit = control<QLineEdit>(dialog, key);
    return edit != nullptr ? edit->text().toStdString() : std::string();
}

class CalculatorDialogsTest : public GuiTest {
protected:
    void SetUp() override {
        openSample();
        window->commands().tools().setDialogRunner(script.runner());
        window->commands().events().setDialogRunner(script.runner());
    }

    int mortgageIndex() const {
        const Scenario& s = planner.scenario();
        for (int i = 0; i < s.usedEventCount(); ++i) {
            if (s.events[static_cast<std::size_t>(i)].is(EventType::Mortgage)) {
                return i;
            }
        }
        return -1;
    }

    EditorScript script;
};

// Every known answer of the small calculators and the mortgage calculator, typed into its
// dialog: the same texts come back, or the refusal's box and the focus on its field.
TEST_F(CalculatorDialogsTest, KnownAnswersTypedIntoTheDialogs) {
    int typed = 0;
    for (const CaseLine& c : readCases("calculators/answers.txt")) {
        const auto calculator = kCalculators.find(c.word);
        if (calculator == kCalculators.end()) {
            continue;
        }
        SCOPED_TRACE(c.where);
        const Calculator& calc = calculator->second;
        dialogs.shown.clear();
        script.on(calc.dialog, [&](QDialog& dialog) {
            for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
                edit->clear();
            }
            for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
                radio->group()->setExclusive(false);
                radio->setChecked(false);
                radio->group()->setExclusive(true);
            }
            FieldTexts inputs =
                c.word == "accelerated" ? acceleratedStartFields(25.0f, 3.0f) : FieldTexts{};
            for (const auto& [key, text] : c.inputs) {
                inputs[key] = text;
            }
            for (const auto& [key, text] : inputs) {
                if (key == "compounding") {
                    control<QRadioButton>(dialog, text)->setChecked(true);
                } else {
                    type(dialog, key, text);
                }
            }
            press(dialog, "calculate");
            if (c.expected.front().first == "refused") {
                const std::string& refusal = c.answer("refused");
                if (refusal == "accepted") {
                    EXPECT_EQ(dialogs.transcript(), "");
                    return;
                }
                const std::string field = refusal.substr(0, refusal.find('|'));
                ASSERT_FALSE(dialogs.shown.empty());
                EXPECT_EQ(field + "|" + dialogs.transcript(), refusal);
                if (!field.empty()) {
                    ASSERT_NE(dialog.focusWidget(), nullptr);
                    EXPECT_EQ(dialog.focusWidget()->objectName().toStdString(), field);
                }
                return;
            }
            EXPECT_EQ(dialogs.transcript(), "");
            for (const auto& [key, text] : c.expected) {
                const auto renamed = calc.shownAs.find(key);
                EXPECT_EQ(raw(dialog, renamed == calc.shownAs.end() ? key : renamed->second), text)
                    << key;
            }
        });
        window->handleCommand(calc.command);
        ++typed;
    }
    EXPECT_GT(typed, 40);
}

// "Use this mortgage in plan" opens the mortgage editor on a new mortgage with the
// calculator's values; its OK adds the event.
TEST_F(CalculatorDialogsTest, UseThisMortgageInPlanEndsInAMortgageEvent) {
    const int before = planner.scenario().usedEventCount();
    scriptSession(script, "gui/sessions.txt", "use-in-plan", dialogs);
    window->handleCommand(gui::command::MortgageCalculator);
    EXPECT_EQ(script.opened, (std::vector<std::string>{"mortgagecDialog", "mortgageDialog"}));
    const Scenario& s = planner.scenario();
    ASSERT_EQ(s.usedEventCount(), before + 1);
    ASSERT_EQ(eventsNamed(s, "Lake house").size(), 1u);
    const EventRecord* added = eventsNamed(s, "Lake house")[0];
    EXPECT_TRUE(added->is(EventType::Mortgage));
    EXPECT_EQ(added->amount, 100000.0f);
    EXPECT_EQ(added->downPayment, 20000.0f);
    EXPECT_EQ(added->rate, 6.0f);
    EXPECT_EQ(added->years, 30);
    EXPECT_NEAR(added->payment, 479.64f, 0.005f);
    EXPECT_TRUE(s.modified);
}

// The editor's refinance analysis creates the refinanced mortgage: the editor closes without
// storing, the old mortgage is sold at the refinance age, the scenario is modified.
TEST_F(CalculatorDialogsTest, CreateThisRefinanceEventReplacesTheMortgage) {
    const int index = mortgageIndex();
    ASSERT_GE(index, 0);
    const std::string name(
        fieldText(planner.scenario().events[static_cast<std::size_t>(index)].name));
    const int before = planner.scenario().usedEventCount();
    scriptSession(script, "gui/sessions.txt", "refinance", dialogs);
    window->commands().events().editEvent(index);
    EXPECT_EQ(script.opened,
              (std::vector<std::string>{"mortgageDialog", "refinanceDialog", "raschedule"}));
    const Scenario& s = planner.scenario();
    ASSERT_EQ(s.usedEventCount(), before + 1);
    EXPECT_TRUE(s.modified);
    const auto sold = eventsNamed(s, name);
    const auto refinanced = eventsNamed(s, "RF-" + name);
    ASSERT_EQ(sold.size(), 1u);
    ASSERT_EQ(refinanced.size(), 1u);
    EXPECT_EQ(sold[0]->adjustRate, 50.0f);
    EXPECT_EQ(sold[0]->sellingExpenses, 0.0f);
    EXPECT_EQ(refinanced[0]->startAge, 50.0f);
    EXPECT_EQ(refinanced[0]->rate, 3.0f);
    EXPECT_EQ(refinanced[0]->years, 15);
}

// The schedule of the mortgage being edited, its banded table and the print file; Print asks
// the printer chooser.
TEST_F(CalculatorDialogsTest, ScheduleFromTheMortgageEditor) {
    int printDialogs = 0;
    window->commands().reports().setPrinterChooser(
        std::make_unique<CancelledPrint>([&printDialogs] { ++printDialogs; }));
    const std::vector<Byte> before = encodeScenarioImage(planner.scenario());
    scriptSession(script, "gui/sessions.txt", "schedule", dialogs);
    script.on("moschedule", [this](QDialog& dialog) {
        QAbstractItemModel* model = control<QTableView>(dialog, "table")->model();
        QAbstractItemModelTester tester(model);
        play(dialog, readCases("gui/sessions.txt", "schedule-table").at(0).inputs, &dialogs);
        EXPECT_NE(model->index(1, 0).data(Qt::BackgroundRole),
                  model->index(0, 0).data(Qt::BackgroundRole));
    });
    window->commands().events().editEvent(mortgageIndex());
    EXPECT_EQ(script.opened, (std::vector<std::string>{"mortgageDialog", "moschedule"}));
    EXPECT_EQ(printDialogs, 1);
    EXPECT_TRUE(readText(dir.path() / "psched.tmp").starts_with("Age\tPrincipal\t"));
    EXPECT_TRUE(readText(dir.path() / "psched.tmp").ends_with("Dooone"));
    EXPECT_EQ(encodeScenarioImage(planner.scenario()), before);
    EXPECT_FALSE(planner.scenario().modified);
}

// The mortgage editor's accelerated payment analysis, and the effective rate handed back to
// the dialog that asked for it.
TEST_F(CalculatorDialogsTest, RatesAndAnalysesHandedBetweenDialogs) {
    scriptSession(script, "gui/sessions.txt", "accelerated", dialogs);
    window->commands().events().editEvent(mortgageIndex());
    EXPECT_EQ(script.opened, (std::vector<std::string>{"mortgageDialog", "accelDialog"}));
    scriptSession(script, "gui/sessions.txt", "effective", dialogs);
    window->handleCommand(gui::command::TaxInflationInvestment);
    EXPECT_EQ(script.opened, (std::vector<std::string>{"mortgageDialog", "accelDialog",
                                                       "taxinfDialog", "effectiveDialog"}));
}

// The trade-off's up-down control recomputes at once; Graph refuses two periods and starts
// nothing; OK keeps the inputs in "tradeinf.dat".
TEST_F(CalculatorDialogsTest, TradeOffRecomputesGraphsAndSaves) {
    script.on("tradeDialog", [this](QDialog& dialog) {
        play(dialog, readCases("gui/sessions.txt", "trade-off").at(0).inputs, &dialogs);
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "trade.tmp"));
        play(dialog, readCases("gui/sessions.txt", "trade-off-graph").at(0).inputs);
        EXPECT_TRUE(std::filesystem::exists(dir.path() / "trade.tmp"));
        // No finplan-plot lies beside the test program.
        EXPECT_EQ(dialogs.shown.back().title, "Execution Error");
        press(dialog, "okButton");
    });
    window->handleCommand(gui::command::TradeOff);
    EXPECT_TRUE(readText(dir.path() / "tradeinf.dat")
                    .starts_with("Option 1\nOption 2\nOption 3\n1000.000000\n0.000000\n"));
}

} // namespace
} // namespace finplan::test
