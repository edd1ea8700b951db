#include "gui/calculators/trade_off_dialog.h"

#include "calculators/calculator_files.h"
#include "calculators/trade_info_file.h"
#include "calculators/trade_off.h"
#include "gui/help/help_button.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>

namespace finplan::gui {

namespace {

constexpr int kNameLength = 20;
constexpr int kNumberLength = 10;

struct Row {
    const char* key;
    const char* label;
};

constexpr std::array<Row, 5> kInputRows = {{
    {"name", "Option"},
    {"fixed-cost", "Fixed Cost"},
    {"cost-per-period", "Cost per Period"},
    {"fixed-amount", "Fixed Amount"},
    {"income-per-period", "Income per Period"},
}};

constexpr std::array<Row, 3> kDifferences = {{
    {"difference-1-2", "Difference 1 - 2"},
    {"difference-2-3", "Difference 2 - 3"},
    {"difference-1-3", "Difference 1 - 3"},
}};

std::string optionKey(const char* what, int option) {
    return std::string(what) + "-" + std::to_string(option);
}

QPushButton* pushButton(const char* name, const char* label, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(label), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TradeOffDialog::TradeOffDialog(TradeRecord& kept, const Setting& setting, QWidget* parent)
    : QDialog(parent)
    , m_kept(kept)
    , m_setting(setting)
    , m_periods(new QSpinBox(this))
    , m_useTax(new QCheckBox(QStringLiteral("Use Initial Values Tax Rate"), this)) {
    setObjectName(QStringLiteral("tradeDialog"));
    setWindowTitle(QStringLiteral("Trade-Off Analysis"));
    auto* grid = new QGridLayout;
    int row = 0;
    for (const Row& input : kInputRows) {
        grid->addWidget(new QLabel(QString::fromLatin1(input.label), this), row, 0);
        for (int option = 1; option <= static_cast<int>(kTradeOptionCount); ++option) {
            grid->addWidget(addEdit(optionKey(input.key, option), false), row, option);
        }
        ++row;
    }
    grid->addWidget(new QLabel(QStringLiteral("End Amount"), this), row, 0);
    for (int option = 1; option <= static_cast<int>(kTradeOptionCount); ++option) {
        grid->addWidget(addEdit(optionKey("end-amount", option), true), row, option);
    }
    ++row;
    m_periods->setObjectName(QStringLiteral("periods"));
    m_periods->setRange(0, kTradeMaxPeriods);
    grid->addWidget(new QLabel(QStringLiteral("Number of Periods"), this), ++row, 0);
    grid->addWidget(m_periods, row, 1);
    m_useTax->setObjectName(QStringLiteral("use-tax-rate"));
    grid->addWidget(m_useTax, row, 2, 1, 2);
    ++row;
    for (const Row& difference : kDifferences) {
        grid->addWidget(new QLabel(QString::fromLatin1(difference.label), this), row, 0);
        grid->addWidget(addEdit(difference.key, true), row++, 1);
    }

    auto* buttons = new QHBoxLayout;
    QPushButton* calculateButton = pushButton("calculate", "Calculate", this);
    QPushButton* ok = pushButton("okButton", "OK", this);
    ok->setDefault(true);
    QPushButton* graphButton = pushButton("graph", "Graph", this);
    QPushButton* help = pushButton("helpButton", "Help", this);
    connectHelpButton(*help, helpTopicForContext(1540));
    for (QPushButton* button : {calculateButton, ok, graphButton, help}) {
        buttons->addWidget(button);
    }
    connect(calculateButton, &QPushButton::clicked, this, [this] { calculate(); });
    connect(ok, &QPushButton::clicked, this, [this] { save(); });
    connect(graphButton, &QPushButton::clicked, this, [this] { graph(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    show(tradeFields(kept));
    connect(m_periods, &QSpinBox::valueChanged, this, [this] { calculate(); });
}

QLineEdit* TradeOffDialog::addEdit(const std::string& key, bool output) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromStdString(key));
    edit->setMaxLength(key.starts_with("name") ? kNameLength : kNumberLength);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(13, QLatin1Char('0'))));
    if (output) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
        // On the dialog's own colour, so it does not look like a field to type in.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
    }
    m_edits[key] = edit;
    return edit;
}

void TradeOffDialog::show(const FieldTexts& fields) {
    for (const auto& [key, text] : fields) {
        if (const auto found = m_edits.find(key); found != m_edits.end()) {
            found->second->setText(QString::fromStdString(text));
            found->second->setCursorPosition(0);
        }
    }
    if (const auto periods = fields.find("periods"); periods != fields.end()) {
        const QSignalBlocker quiet(m_periods);
        m_periods->setValue(QString::fromStdString(periods->second).toInt());
    }
    if (const auto box = fields.find("use-tax-rate"); box != fields.end()) {
        m_useTax->setChecked(box->second == "on");
    }
}

FieldTexts TradeOffDialog::texts() const {
    FieldTexts fields;
    for (const auto& [key, edit] : m_edits) {
        if (!edit->isReadOnly()) {
            fields[key] = edit->text().toStdString();
        }
    }
    fields["periods"] = std::to_string(m_periods->value());
    fields["use-tax-rate"] = m_useTax->isChecked() ? "on" : "";
    return fields;
}

bool TradeOffDialog::calculate() {
    m_kept = readTradeFields(texts(), m_kept);
    const CalcResult result = calculateTradeOff(m_kept, m_setting.taxRate);
    if (result.refusal) {
        showRefusal(*result.refusal, m_setting.dialogs);
        m_periods->setFocus(Qt::OtherFocusReason);
        return false;
    }
    FieldTexts shownTexts;
    for (const OutputField& output : result.outputs) {
        if (!output.key.starts_with("name")) {
            shownTexts[output.key] = output.text;
        }
    }
    show(shownTexts);
    return true;
}

void TradeOffDialog::save() {
    m_kept = readTradeFields(texts(), m_kept);
    writeCalculatorFile(m_setting.workDir, kTradeInfo, tradeInfoText(m_kept), m_setting.dialogs);
    accept();
}

void TradeOffDialog::graph() {
    if (!calculate()) {
        return;
    }
    if (const auto refusal = tradePlotRefusal(m_kept)) {
        showRefusal(*refusal, m_setting.dialogs);
        return;
    }
    if (writeCalculatorFile(m_setting.workDir, kTradePlot, tradePlotText(m_kept, m_setting.taxRate),
                            m_setting.dialogs)) {
        startPlot(m_setting.hooks, PlotProgram::TradeOff, m_setting.workDir / kTradePlot.name,
                  m_setting.dialogs);
    }
}

} // namespace finplan::gui
