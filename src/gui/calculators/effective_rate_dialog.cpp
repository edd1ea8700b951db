#include "gui/calculators/effective_rate_dialog.h"

#include "calculators/effective_rate.h"
#include "gui/help/help_button.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace finplan::gui {

namespace {

struct Compounding {
    const char* key;
    const char* label;
};

constexpr std::array<Compounding, 5> kCompoundings = {{
    {"daily", "Daily"},
    {"monthly", "Monthly"},
    {"quarterly", "Quarterly"},
    {"semiannually", "Semiannually"},
    {"other", "Other - enter number of compoundings per year"},
}};

constexpr int kFieldLength = 10;

QLineEdit* lineEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(kFieldLength);
    return edit;
}

QPushButton* pushButton(const char* name, const QString& label, QWidget* parent) {
    auto* button = new QPushButton(label, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

EffectiveRateDialog::EffectiveRateDialog(FieldTexts& kept, UserDialogs& dialogs, UseRate onUse,
                                         QWidget* parent)
    : QDialog(parent)
    , m_kept(kept)
    , m_dialogs(dialogs)
    , m_useRate(std::move(onUse))
    , m_rate(lineEdit("rate", this))
    , m_periods(lineEdit("periods", this))
    , m_result(lineEdit("effective-yearly-rate", this))
    , m_compounding(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("effectiveDialog"));
    setWindowTitle(QStringLiteral("Calculate Effective Yearly Rate"));
    m_result->setReadOnly(true);
    m_result->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = m_result->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    m_result->setPalette(palette);

    auto* group = new QGroupBox(QStringLiteral("Compounding"), this);
    auto* choices = new QVBoxLayout(group);
    for (std::size_t i = 0; i < kCompoundings.size(); ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(kCompoundings[i].label), group);
        radio->setObjectName(QString::fromLatin1(kCompoundings[i].key));
        m_compounding->addButton(radio, static_cast<int>(i));
        choices->addWidget(radio);
    }
    choices->addWidget(m_periods);
    connect(m_compounding, &QButtonGroup::idToggled, this, [this] { updatePeriods(); });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nominal Rate (%)"), m_rate);
    auto* fields = new QVBoxLayout;
    fields->addLayout(form);
    fields->addWidget(group);
    auto* result = new QFormLayout;
    result->addRow(QStringLiteral("Effective Yearly Rate (%)"), m_result);
    fields->addLayout(result);

    auto* calculateButton = pushButton("calculate", QStringLiteral("Calculate"), this);
    auto* ok = pushButton("okButton", QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* help = pushButton("helpButton", QStringLiteral("Help"), this);
    connectHelpButton(*help, helpTopicForContext(1558));
    auto* use = pushButton("use-rate", QStringLiteral("Use This Effective Yearly Rate"), this);
    use->setEnabled(static_cast<bool>(m_useRate));
    connect(calculateButton, &QPushButton::clicked, this, [this] { calculate(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(use, &QPushButton::clicked, this, [this] { useRate(); });
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {calculateButton, ok, help, use}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_rate->setText(QString::fromStdString(std::string(textOf(kept, "rate"))));
    m_periods->setText(QString::fromStdString(std::string(textOf(kept, "periods"))));
    for (std::size_t i = 0; i < kCompoundings.size(); ++i) {
        if (textOf(kept, "compounding") == kCompoundings[i].key) {
            m_compounding->button(static_cast<int>(i))->setChecked(true);
        }
    }
    updatePeriods();
}

EffectiveRateDialog::~EffectiveRateDialog() {
    m_kept = texts();
}

FieldTexts EffectiveRateDialog::texts() const {
    FieldTexts fields;
    fields["rate"] = m_rate->text().toStdString();
    fields["periods"] = m_periods->text().toStdString();
    const int chosen = m_compounding->checkedId();
    fields["compounding"] = chosen < 0 ? "" : kCompoundings[static_cast<std::size_t>(chosen)].key;
    return fields;
}

bool EffectiveRateDialog::calculate() {
    const CalcResult result = calculateEffectiveRate(texts());
    if (result.refusal) {
        showRefusal(*result.refusal, m_dialogs);
        QLineEdit* field = result.refusal->field == "periods" ? m_periods : m_rate;
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return false;
    }
    m_result->setText(QString::fromStdString(std::string(result.output("effective-yearly-rate"))));
    m_result->setCursorPosition(0);
    return true;
}

void EffectiveRateDialog::useRate() {
    if (m_useRate && calculate()) {
        m_useRate(m_result->text().toStdString());
        accept();
    }
}

void EffectiveRateDialog::updatePeriods() {
    m_periods->setEnabled(m_compounding->checkedId() == static_cast<int>(kCompoundings.size()) - 1);
}

} // namespace finplan::gui
