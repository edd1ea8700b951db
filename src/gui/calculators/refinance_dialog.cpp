#include "gui/calculators/refinance_dialog.h"

#include "calculators/calculator_files.h"
#include "calculators/refinance_create.h"
#include "calculators/refinance_files.h"
#include "gui/calculators/calculator_forms.h"
#include "gui/calculators/table_file_rows.h"
#include "gui/calculators/table_window.h"
#include "results/text_format.h"

#include <QLineEdit>

namespace finplan::gui {

namespace {

const QStringList kComparisonColumns = {QStringLiteral("Age"),
                                        QStringLiteral("Net Worth"),
                                        QStringLiteral("Savings"),
                                        QStringLiteral("Equity"),
                                        QStringLiteral("+Diff. in Mon. Pay."),
                                        QStringLiteral("+Principal"),
                                        QStringLiteral("-Interest"),
                                        QStringLiteral("+Tax Savings"),
                                        QStringLiteral("+Savings Interest"),
                                        QStringLiteral("-Tax on Interest")};

const QStringList kDetailColumns = {QStringLiteral("Age"), QStringLiteral("Original Mortgage"),
                                    QStringLiteral("Refinanced Mortgage"),
                                    QStringLiteral("Total Difference")};

QString amount(double value) {
    return QString::fromStdString(formatText("%.2f", value));
}

} // namespace

RefinanceDialog::RefinanceDialog(RefinanceState& state, Setting setting,
                                 std::optional<Source> source, QWidget* parent)
    : FormDialog(calculatorForm(CalculatorForm::Refinance), parent)
    , m_state(state)
    , m_before(state)
    , m_setting(std::move(setting))
    , m_source(source) {
    showTexts(state.fields);
    if (!m_source) {
        keepDisabled("create-event");
    }
    if (auto* typed = qobject_cast<QLineEdit*>(field("refinanced-amount"))) {
        connect(typed, &QLineEdit::textEdited, this,
                [this](const QString& text) { typeRefinancedAmount(m_state, text.toStdString()); });
    }
    // Leaving either field recomputes a computed refinanced amount at once.
    for (const char* key : {"refinance-age", "cash-out"}) {
        if (auto* edit = qobject_cast<QLineEdit*>(field(key))) {
            connect(edit, &QLineEdit::editingFinished, this, [this] { refreshAmount(); });
        }
    }
}

void RefinanceDialog::keepFields() {
    const std::string amountText = std::string(textOf(m_state.fields, "refinanced-amount"));
    m_state.fields = texts();
    m_state.fields["refinanced-amount"] = amountText;
}

void RefinanceDialog::refreshAmount() {
    keepFields();
    refreshRefinancedAmount(m_state);
    showTexts({{"refinanced-amount", std::string(textOf(m_state.fields, "refinanced-amount"))}});
}

bool RefinanceDialog::analyze() {
    keepFields();
    const CalcResult result = runRefinanceAnalysis(m_state, &m_analysis);
    if (result.refusal) {
        showRefusal(*result.refusal, m_setting.dialogs);
        focusField(result.refusal->field);
        return false;
    }
    showOutputs(result.outputs);
    return true;
}

void RefinanceDialog::okPressed() {
    keepFields();
    accept();
}

void RefinanceDialog::reject() {
    m_state = m_before;
    FormDialog::reject();
}

void RefinanceDialog::buttonPressed(const std::string& key) {
    if (key == "do-analysis") {
        analyze();
    } else if (key == "show-details") {
        showDetails();
    } else if (key == "graph") {
        graph();
    } else if (key == "create-event") {
        createEvent();
    }
}

void RefinanceDialog::showDetails() {
    if (!analyze()) {
        return;
    }
    const std::string report = refinanceReportText(m_analysis);
    const bool written =
        writeCalculatorFile(m_setting.workDir, kRefinanceReport, report, m_setting.dialogs);
    TableWindow window(QStringLiteral("raschedule"), QStringLiteral("Refinance Analysis"), this);
    window.setTable(kComparisonColumns,
                    written ? tableFileRows(report) : std::vector<QStringList>{},
                    {8, 14, 14, 14, 14, 14, 14, 14, 18, 18});
    window.addButtons({{QStringLiteral("okButton"), QStringLiteral("OK"), {}},
                       {QStringLiteral("print"), QStringLiteral("Print"),
                        [this] {
                            printTable(m_setting.hooks, TableKind::Refinance, m_setting.workDir,
                                       m_setting.dialogs);
                        }},
                       {QStringLiteral("details"), QStringLiteral("Details"),
                        [this] { showNetWorthDetails(); }}});
    m_setting.runDialog(window);
}

void RefinanceDialog::showNetWorthDetails() {
    std::vector<QStringList> rows;
    for (const RefinanceYear& year : m_analysis.years) {
        rows.push_back({QString::number(year.age), amount(year.existing.netWorth),
                        amount(year.refinanced.netWorth),
                        amount(year.refinanced.netWorth - year.existing.netWorth)});
    }
    TableWindow window(QStringLiteral("refinanceDetails"),
                       QStringLiteral("Refinance Analysis Details"), this);
    window.setHeading(QStringLiteral(" Effects on Net Worth"));
    window.setTable(kDetailColumns, std::move(rows), {1, 2, 2, 2});
    window.addButtons({{QStringLiteral("okButton"), QStringLiteral("OK"), {}}});
    window.resize(560, 400);
    m_setting.runDialog(window);
}

void RefinanceDialog::graph() {
    if (analyze() && writeCalculatorFile(m_setting.workDir, kRefinanceGraph,
                                         refinanceGraphText(m_analysis), m_setting.dialogs)) {
        startPlot(m_setting.hooks, PlotProgram::Refinance, m_setting.workDir / kRefinanceGraph.name,
                  m_setting.dialogs);
    }
}

void RefinanceDialog::createEvent() {
    if (!m_source) {
        return;
    }
    keepFields();
    RefinanceCreation creation =
        createRefinanceEvent(m_source->scenario, m_source->index, m_state.fields);
    if (creation.refusal) {
        showRefusal(*creation.refusal, m_setting.dialogs);
        focusField(creation.refusal->field);
        return;
    }
    m_created = std::move(creation.scenario);
    accept();
}

} // namespace finplan::gui
