// The calculators as a person uses them from the Tools menu and the mortgage editor: the worked
// numbers typed into the real dialogs, the refusals with the focus on the field, and what the
// dialogs hand on (a mortgage event, a refinanced mortgage, a rate, the files they write).
#include "calculators/accelerated_payments.h"
#include "editor_script.h"
#include "gui/calculators/text_table_model.h"
#include "gui/commands/command_areas.h"
#include "gui/printing/printer_chooser.h"
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

std::string cell(const QTableView& table, int row, int column) {
    return table.model()->index(row, column).data().toString().toStdString();
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
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
    script.on("mortgagecDialog", [](QDialog& dialog) {
        type(dialog, "amount", "100000");
        type(dialog, "down-payment", "20000");
        type(dialog, "rate", "6");
        type(dialog, "years", "30");
        press(dialog, "use-in-plan");
    });
    script.on("mortgageDialog", [this](QDialog& dialog) {
        EXPECT_EQ(shown(dialog, "amount"), "100000");
        EXPECT_EQ(shown(dialog, "no-of-years"), "30");
        type(dialog, "description", "Lake house");
        type(dialog, "start-age", "60");
        type(dialog, "payoff-age", "90");
        press(dialog, "okButton");
        EXPECT_EQ(dialogs.transcript(), "");
    });
    window->handleCommand(gui::command::MortgageCalculator);
    EXPECT_EQ(script.opened, (std::vector<std::string>{"mortgagecDialog", "mortgageDialog"}));
    const Scenario& s = planner.scenario();
    ASSERT_EQ(s.usedEventCount(), before + 1);
    const EventRecord* added = nullptr;
    for (const EventRecord& e : s.events) {
        added = fieldText(e.name) == "Lake house" ? &e : added;
    }
    ASSERT_NE(added, nullptr);
    EXPECT_TRUE(added->is(EventType::Mortgage));
    EXPECT_EQ(added->amount, 100000.0f);
    EXPECT_EQ(added->downPayment, 20000.0f);
    EXPECT_EQ(added->rate, 6.0f);
    EXPECT_EQ(added->years, 30);
    EXPECT_NEAR(added->payment, 479.64f, 0.005f);
    EXPECT_TRUE(s.modified);
}

// The editor's refinance analysis creates the refinanced mortgage: the editor closes without
// storing, the old mortgage is sold at the refinance age, the scenario is modified. Its
// details window shows the comparison's first pair of rows.
TEST_F(CalculatorDialogsTest, CreateThisRefinanceEventReplacesTheMortgage) {
    const int index = mortgageIndex();
    ASSERT_GE(index, 0);
    const std::string name(
        fieldText(planner.scenario().events[static_cast<std::size_t>(index)].name));
    const int before = planner.scenario().usedEventCount();
    script.on("mortgageDialog", [](QDialog& dialog) { press(dialog, "refinance"); });
    script.on("refinanceDialog", [](QDialog& dialog) {
        EXPECT_EQ(shown(dialog, "start-age"), "45");
        EXPECT_EQ(shown(dialog, "amount"), "210000.00");
        for (const auto& [key, text] :
             std::vector<std::pair<std::string, std::string>>{{"refinance-age", "50"},
                                                              {"new-rate", "3"},
                                                              {"new-years", "15"},
                                                              {"tax-rate", "25"},
                                                              {"savings-rate", "4"}}) {
            type(dialog, key, text);
        }
        press(dialog, "show-details");
        press(dialog, "create-event");
    });
    script.on("raschedule", [](QDialog& dialog) {
        const auto* table = control<QTableView>(dialog, "table");
        ASSERT_GE(table->model()->rowCount(), 4);
        EXPECT_EQ(cell(*table, 0, 0), "50 O");
        EXPECT_EQ(cell(*table, 1, 0), "50 R");
        EXPECT_EQ(cell(*table, 0, 4), "0.00");
    });
    window->commands().events().editEvent(index);
    EXPECT_EQ(script.opened,
              (std::vector<std::string>{"mortgageDialog", "refinanceDialog", "raschedule"}));
    const Scenario& s = planner.scenario();
    ASSERT_EQ(s.usedEventCount(), before + 1);
    EXPECT_TRUE(s.modified);
    int sold = 0;
    int refinanced = 0;
    for (int i = 0; i < s.usedEventCount(); ++i) {
        const EventRecord& e = s.events[static_cast<std::size_t>(i)];
        if (fieldText(e.name) == name) {
            ++sold;
            EXPECT_EQ(e.adjustRate, 50.0f);
            EXPECT_EQ(e.sellingExpenses, 0.0f);
        } else if (fieldText(e.name) == "RF-" + name) {
            ++refinanced;
            EXPECT_EQ(e.startAge, 50.0f);
            EXPECT_EQ(e.rate, 3.0f);
            EXPECT_EQ(e.years, 15);
        }
    }
    EXPECT_EQ(sold, 1);
    EXPECT_EQ(refinanced, 1);
}

// The schedule of the mortgage being edited, its banded table and the print file; Print says
// plainly that no printer is set up until one is.
// Counts the print dialogs asked for and cancels them.
class CountedPrint : public gui::PrinterChooser {
public:
    explicit CountedPrint(int& asked)
        : m_asked(asked) {}
    bool choose(QWidget*, QPrinter&, int, bool, PrintChoice&) override {
        ++m_asked;
        return false;
    }

private:
    int& m_asked;
};

TEST_F(CalculatorDialogsTest, ScheduleFromTheMortgageEditor) {
    int printDialogs = 0;
    window->commands().reports().setPrinterChooser(std::make_unique<CountedPrint>(printDialogs));
    const std::vector<Byte> before = encodeScenarioImage(planner.scenario());
    script.on("mortgageDialog", [](QDialog& dialog) { press(dialog, "schedule"); });
    script.on("moschedule", [this, &printDialogs](QDialog& dialog) {
        auto* table = control<QTableView>(dialog, "table");
        QAbstractItemModelTester tester(table->model());
        // 45 to 62: the first row and seventeen years.
        ASSERT_EQ(table->model()->rowCount(), 18);
        const std::vector<std::string> first = {"45",   "0.00", "0.00", "0.00",      "0.00",
                                                "0.00", "0.00", "0.00", "210000.00", "210000.00"};
        for (int column = 0; column < 10; ++column) {
            EXPECT_EQ(cell(*table, 0, column), first[static_cast<std::size_t>(column)]);
        }
        EXPECT_EQ(cell(*table, 1, 0), "46");
        EXPECT_EQ(cell(*table, 1, 8), "217350.00");
        EXPECT_NE(table->model()->index(1, 0).data(Qt::BackgroundRole),
                  table->model()->index(0, 0).data(Qt::BackgroundRole));
        press(dialog, "print");
        EXPECT_EQ(printDialogs, 1);
    });
    window->commands().events().editEvent(mortgageIndex());
    EXPECT_EQ(script.opened, (std::vector<std::string>{"mortgageDialog", "moschedule"}));
    EXPECT_TRUE(fileText(dir.path() / "psched.tmp").starts_with("Age\tPrincipal\t"));
    EXPECT_TRUE(fileText(dir.path() / "psched.tmp").ends_with("Dooone"));
    EXPECT_EQ(encodeScenarioImage(planner.scenario()), before);
    EXPECT_FALSE(planner.scenario().modified);
}

// "Do Accelerated Payment Analysis" hands over the amount borrowed, the term, the rate and the
// years left; an extra payment above 100,000 is refused in the editor.
TEST_F(CalculatorDialogsTest, AcceleratedAnalysisFromTheMortgageEditor) {
    script.on("mortgageDialog", [this](QDialog& dialog) {
        type(dialog, "down-payment", "10000");
        press(dialog, "accelerated");
        type(dialog, "accelerated-amount", "100000.01");
        press(dialog, "accelerated");
        EXPECT_EQ(dialogs.transcript(),
                  "Additional Monthly Amount Error|This amount must be greater than or equal to  "
                  "0.00 and less than 99999.99");
        EXPECT_EQ(dialog.focusWidget()->objectName(), QStringLiteral("accelerated-amount"));
    });
    script.on("accelDialog", [](QDialog& dialog) {
        EXPECT_EQ(shown(dialog, "amount"), "200000.00");
        EXPECT_EQ(shown(dialog, "years"), "17");
        EXPECT_EQ(shown(dialog, "years-left"), "17");
        EXPECT_EQ(shown(dialog, "rate"), "3.75");
        press(dialog, "calculate");
        EXPECT_EQ(shown(dialog, "payment-years"), "17.00");
    });
    window->commands().events().editEvent(mortgageIndex());
    EXPECT_EQ(script.opened, (std::vector<std::string>{"mortgageDialog", "accelDialog"}));
}

// "Use This Effective Yearly Rate" fills the rate field of the dialog that opened it.
TEST_F(CalculatorDialogsTest, TheEffectiveRateLandsInItsCallersField) {
    script.on("taxinfDialog", [](QDialog& dialog) {
        press(dialog, "effective-rate");
        EXPECT_EQ(raw(dialog, "return"), "12.6825 ");
    });
    script.on("effectiveDialog", [](QDialog& dialog) {
        type(dialog, "rate", "12");
        control<QRadioButton>(dialog, "monthly")->setChecked(true);
        press(dialog, "use-rate");
    });
    window->handleCommand(gui::command::TaxInflationInvestment);
    EXPECT_EQ(script.opened, (std::vector<std::string>{"taxinfDialog", "effectiveDialog"}));
}

// The trade-off's up-down control recomputes at once; Graph refuses two periods and starts
// nothing; OK keeps the inputs in "tradeinf.dat".
TEST_F(CalculatorDialogsTest, TradeOffRecomputesGraphsAndSaves) {
    script.on("tradeDialog", [this](QDialog& dialog) {
        type(dialog, "fixed-cost-1", "1000");
        type(dialog, "cost-per-period-1", "100");
        type(dialog, "income-per-period-1", "300");
        auto* periods = control<QSpinBox>(dialog, "periods");
        periods->setValue(10);
        EXPECT_EQ(raw(dialog, "end-amount-1"), "1000.00   ");
        EXPECT_EQ(raw(dialog, "difference-1-2"), "1000.00   ");
        periods->setValue(2);
        EXPECT_EQ(raw(dialog, "end-amount-1"), "-600.00   ");
        press(dialog, "graph");
        EXPECT_EQ(dialogs.transcript(), "FILE ERROR|Not enough periods.\nPlease try again.");
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "trade.tmp"));
        periods->setValue(3);
        press(dialog, "graph");
        EXPECT_TRUE(std::filesystem::exists(dir.path() / "trade.tmp"));
        // No finplan-plot lies beside the test program.
        EXPECT_EQ(dialogs.shown.back().title, "Execution Error");
        press(dialog, "okButton");
    });
    window->handleCommand(gui::command::TradeOff);
    EXPECT_TRUE(fileText(dir.path() / "tradeinf.dat")
                    .starts_with("Option 1\nOption 2\nOption 3\n1000.000000\n0.000000\n"));
}

} // namespace
} // namespace finplan::test
