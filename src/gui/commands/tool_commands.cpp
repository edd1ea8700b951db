#include "gui/commands/tool_commands.h"

#include "app/planner.h"
#include "calculators/accelerated_payments.h"
#include "calculators/calculator_files.h"
#include "calculators/inflation_calculator.h"
#include "calculators/investment_calculator.h"
#include "calculators/mortgage_calculator.h"
#include "calculators/mortgage_handover.h"
#include "calculators/mortgage_schedule.h"
#include "calculators/trade_info_file.h"
#include "gui/calculators/calculator_dialog.h"
#include "gui/calculators/calculator_forms.h"
#include "gui/calculators/effective_rate_dialog.h"
#include "gui/calculators/refinance_dialog.h"
#include "gui/calculators/table_file_rows.h"
#include "gui/calculators/table_window.h"
#include "gui/calculators/trade_off_dialog.h"
#include "gui/commands/command_dispatcher.h"
#include "gui/commands/event_commands.h"
#include "gui/commands/window_frame.h"
#include "gui/shell/command_ids.h"
#include "model/file_io.h"
#include "platform/user_dialogs.h"

#include <QProcess>

namespace finplan::gui {

namespace {

constexpr std::size_t kMaxTradeInfoBytes = 1 << 20;

QStringList scheduleColumns() {
    QStringList columns;
    for (const std::string_view title : kMortgageScheduleColumns) {
        columns.append(QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size())));
    }
    return columns;
}

// What "tradeinf.dat" holds, or the starting record when there is none.
TradeRecord readTradeRecord(const std::filesystem::path& workDir) {
    const std::filesystem::path path = workDir / kTradeInfoFile;
    const auto bytes = fileExists(path) ? readFileBytes(path, kMaxTradeInfoBytes) : std::nullopt;
    if (!bytes) {
        return defaultTradeRecord();
    }
    return readTradeInfo(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

} // namespace

ToolCommands::ToolCommands(Planner& planner, UserDialogs& dialogs, WindowFrame& frame,
                           EventCommands& events)
    : m_planner(planner)
    , m_dialogs(dialogs)
    , m_frame(frame)
    , m_events(events) {}

void ToolCommands::registerWith(CommandDispatcher& dispatcher) {
    dispatcher.add(command::MortgageCalculator, [this] { mortgageCalculator(); });
    dispatcher.add(command::RefinanceAnalysis, [this] { refinanceFromMenu(); });
    dispatcher.add(command::AcceleratedMortgage, [this] { runAccelerated(m_frame.frameWidget()); });
    dispatcher.add(command::InflationCalculator, [this] { inflation(); });
    dispatcher.add(command::EffectiveRate, [this] { effectiveRate({}, m_frame.frameWidget()); });
    dispatcher.add(command::TaxInflationInvestment, [this] { investment(); });
    dispatcher.add(command::TradeOff, [this] { tradeOff(); });
    dispatcher.add(command::PlatformCalculator, [this] { startPlatformCalculator(); });
}

void ToolCommands::mortgageCalculator() {
    bool useInPlan = false;
    {
        CalculatorDialog dialog(calculatorForm(CalculatorForm::Mortgage), calculateMortgage,
                                m_session.mortgage, m_dialogs, &m_frame.frameWidget());
        dialog.setCalculateOnOk(true);
        dialog.onButton("use-in-plan", [&] {
            useInPlan = true;
            dialog.accept();
        });
        m_runDialog(dialog);
    }
    if (useInPlan) {
        m_events.newMortgageWith(mortgageEditorFields(m_session.mortgage));
    }
}

void ToolCommands::showSchedule(const EventRecord& mortgage, float scenarioStartAge,
                                QWidget& parent) {
    const std::string text =
        mortgageScheduleFileText(buildMortgageSchedule(mortgage, scenarioStartAge));
    const std::filesystem::path& workDir = m_planner.workDir();
    const bool written = writeCalculatorFile(workDir, kScheduleFile, text, m_dialogs);
    TableWindow window(QStringLiteral("moschedule"), QStringLiteral("Mortgage Schedule"), &parent);
    window.setTable(scheduleColumns(), written ? tableFileRows(text) : std::vector<QStringList>{},
                    {33, 77, 77, 85, 85, 85, 85, 85, 85, 90});
    window.addButtons({{QStringLiteral("okButton"), QStringLiteral("OK"), {}},
                       {QStringLiteral("print"), QStringLiteral("Print"), [this, &workDir] {
                            printTable(m_hooks, TableKind::Mortgage, workDir, m_dialogs);
                        }}});
    m_runDialog(window);
}

void ToolCommands::refinanceFromMenu() {
    // From the menu the existing mortgage starts blank.
    for (const char* key : {"start-age", "amount", "rate", "years", "existing-payment"}) {
        m_session.refinance.fields[key].clear();
    }
    runRefinance(nullptr, 0, m_frame.frameWidget());
}

std::optional<Scenario> ToolCommands::refinance(const Scenario& scenario, int index,
                                                QWidget& parent) {
    fillExistingMortgage(m_session.refinance.fields,
                         scenario.events[static_cast<std::size_t>(index)]);
    return runRefinance(&scenario, index, parent);
}

std::optional<Scenario> ToolCommands::runRefinance(const Scenario* scenario, int index,
                                                   QWidget& parent) {
    std::optional<RefinanceDialog::Source> source;
    if (scenario != nullptr) {
        source.emplace(RefinanceDialog::Source{*scenario, index});
    }
    RefinanceDialog dialog(m_session.refinance,
                           {m_planner.workDir(), m_dialogs, m_hooks, m_runDialog}, source, &parent);
    m_runDialog(dialog);
    return dialog.created();
}

std::optional<std::string> ToolCommands::accelerated(const FieldTexts& editorFields,
                                                     float scenarioStartAge, QWidget& parent) {
    FieldTexts handed;
    const CalcResult result = handAcceleratedFields(editorFields, scenarioStartAge, handed);
    if (result.refusal) {
        showRefusal(*result.refusal, m_dialogs);
        return result.refusal->field;
    }
    startAccelerated();
    for (auto& [key, text] : handed) {
        m_session.accelerated[key] = std::move(text);
    }
    runAccelerated(parent);
    return std::nullopt;
}

// The first opening starts from the scenario's tax and inflation rates.
void ToolCommands::startAccelerated() {
    if (m_session.accelerated.empty()) {
        const Scenario& scenario = m_planner.scenario();
        m_session.accelerated =
            acceleratedStartFields(scenario.header.taxRate, scenario.header.inflationRate);
    }
}

void ToolCommands::runAccelerated(QWidget& parent) {
    startAccelerated();
    CalculatorDialog dialog(calculatorForm(CalculatorForm::Accelerated),
                            calculateAcceleratedPayments, m_session.accelerated, m_dialogs,
                            &parent);
    dialog.hideStandardButton("cancelButton");
    m_runDialog(dialog);
}

void ToolCommands::inflation() {
    CalculatorDialog dialog(calculatorForm(CalculatorForm::Inflation), calculateInflation,
                            m_session.inflation, m_dialogs, &m_frame.frameWidget());
    dialog.hideStandardButton("cancelButton");
    dialog.hideStandardButton("helpButton");
    m_runDialog(dialog);
}

void ToolCommands::effectiveRate(const std::function<void(const std::string&)>& use,
                                 QWidget& parent) {
    EffectiveRateDialog dialog(m_session.effectiveRate, m_dialogs, use, &parent);
    m_runDialog(dialog);
}

void ToolCommands::investment() {
    CalculatorDialog dialog(calculatorForm(CalculatorForm::Investment), calculateInvestment,
                            m_session.investment, m_dialogs, &m_frame.frameWidget());
    dialog.hideStandardButton("cancelButton");
    dialog.showOutputAs("years", "result-years");
    dialog.showOutputAs("tax-rate", "result-tax-rate");
    dialog.onButton("effective-rate", [this, &dialog] {
        effectiveRate(
            [&dialog](const std::string& rate) {
                dialog.showTexts({{"return", rate}});
            },
            dialog);
    });
    m_runDialog(dialog);
}

void ToolCommands::tradeOff() {
    if (!m_session.trade) {
        m_session.trade = readTradeRecord(m_planner.workDir());
    }
    TradeOffDialog dialog(
        *m_session.trade,
        {m_planner.scenario().header.taxRate, m_planner.workDir(), m_dialogs, m_hooks},
        &m_frame.frameWidget());
    m_runDialog(dialog);
}

void ToolCommands::startPlatformCalculator() {
    if (!QProcess::startDetached(QStringLiteral("calc.exe"), {})) {
        m_dialogs.show({"The Window's Calculator could not be found in the path.",
                        "Execution Error", MessageIcon::Stop, MessageButtons::Ok});
    }
}

} // namespace finplan::gui
