#include "gui/editors/form_dialog.h"

#include "editing/event_editor.h"
#include "gui/help/help_button.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace finplan::gui {

namespace {

// Forms with more rows than this are shown in two columns.
constexpr int kRowsInOneColumn = 12;
// A form with this many read-only values shows them in a column of their own.
constexpr int kOutputsApart = 5;
constexpr int kColumnGap = 18;
constexpr int kNameChars = 30;
constexpr int kNumberChars = 13;
constexpr int kLongField = 40;

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string textOf(const QString& text) {
    return text.toStdString();
}

QString keyName(std::string_view key) {
    return QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

bool isPicker(FieldKind kind) {
    return kind == FieldKind::AccountPicker || kind == FieldKind::AccountPickerWithNone;
}

// The column each row of the grid goes to: 0, or 1 for the second.
std::vector<int> columnsOf(const std::vector<const FormField*>& rows) {
    std::vector<int> columns(rows.size(), 0);
    const auto outputs = std::count_if(
        rows.begin(), rows.end(), [](const FormField* f) { return f->kind == FieldKind::Output; });
    if (outputs >= kOutputsApart) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            columns[i] = rows[i]->kind == FieldKind::Output ? 1 : 0;
        }
    } else if (static_cast<int>(rows.size()) > kRowsInOneColumn) {
        for (std::size_t i = (rows.size() + 1) / 2; i < rows.size(); ++i) {
            columns[i] = 1;
        }
    }
    return columns;
}

} // namespace

FormDialog::FormDialog(const EditorForm& form, QWidget* parent)
    : QDialog(parent)
    , m_form(form) {
    setObjectName(QString::fromStdString(form.dialogName) + QStringLiteral("Dialog"));
    setWindowTitle(qs(form.title));

    std::vector<const FormField*> rows;
    std::vector<const FormField*> buttons;
    for (const FormField& spec : form.fields) {
        (spec.kind == FieldKind::Button ? buttons : rows).push_back(&spec);
    }
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(2, kColumnGap);
    const std::vector<int> columns = columnsOf(rows);
    std::array<int, 2> nextRow{0, 0};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int column = columns[i];
        addField(*rows[i], *grid, nextRow[static_cast<std::size_t>(column)]++, column * 3);
    }

    auto* box = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    box->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    box->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    m_help = box->button(QDialogButtonBox::Help);
    m_help->setObjectName(QStringLiteral("helpButton"));
    setHelpDialog(form.dialogName);
    connect(box, &QDialogButtonBox::accepted, this, [this] { okPressed(); });
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    // A row of the form's own buttons, where it has any (a layout not added would be lost).
    if (!buttons.empty()) {
        auto* formButtons = new QHBoxLayout;
        for (const FormField* spec : buttons) {
            formButtons->addWidget(makeWidget(*spec));
        }
        formButtons->addStretch(1);
        layout->addLayout(formButtons);
    }
    layout->addWidget(box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FormDialog::addField(const FormField& spec, QGridLayout& grid, int row, int column) {
    QWidget* widget = makeWidget(spec);
    if (spec.kind == FieldKind::CheckBox) {
        grid.addWidget(widget, row, column, 1, 2);
        return;
    }
    auto* label = new QLabel(qs(spec.label), this);
    label->setObjectName(keyName(spec.key) + QStringLiteral("-label"));
    label->setBuddy(widget);
    grid.addWidget(label, row, column);
    grid.addWidget(widget, row, column + 1);
}

QWidget* FormDialog::makeWidget(const FormField& spec) {
    QWidget* widget = nullptr;
    const std::string key = spec.key;
    switch (spec.kind) {
    case FieldKind::Text:
    case FieldKind::Output: {
        auto* edit = new QLineEdit(this);
        if (spec.maxLength > 0) {
            edit->setMaxLength(spec.maxLength);
        }
        const int chars = spec.maxLength >= kLongField ? kNameChars : kNumberChars;
        edit->setMinimumWidth(
            edit->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))));
        if (spec.kind == FieldKind::Output) {
            edit->setReadOnly(true);
            edit->setFocusPolicy(Qt::ClickFocus);
            // Shown on the dialog's own colour, so it does not look like a field to type in.
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
            edit->setPalette(palette);
        }
        widget = edit;
        break;
    }
    case FieldKind::StaticText:
        widget = new QLabel(this);
        break;
    case FieldKind::CheckBox: {
        auto* box = new QCheckBox(qs(spec.label), this);
        connect(box, &QCheckBox::clicked, this, [this, key] { boxClicked(key); });
        widget = box;
        break;
    }
    case FieldKind::AccountPicker:
    case FieldKind::AccountPickerWithNone: {
        auto* picker = new QComboBox(this);
        picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        widget = picker;
        break;
    }
    case FieldKind::Button: {
        auto* button = new QPushButton(qs(spec.label), this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, key] { buttonPressed(key); });
        widget = button;
        break;
    }
    }
    widget->setObjectName(keyName(spec.key));
    m_fields.emplace(spec.key, widget);
    return widget;
}

FieldTexts FormDialog::texts() const {
    FieldTexts texts;
    for (const FormField& spec : m_form.fields) {
        QWidget* widget = field(spec.key);
        if (spec.kind == FieldKind::Text) {
            texts[spec.key] = textOf(static_cast<QLineEdit*>(widget)->text());
        } else if (spec.kind == FieldKind::CheckBox) {
            texts[spec.key] = static_cast<QCheckBox*>(widget)->isChecked() ? "on" : "";
        } else if (isPicker(spec.kind)) {
            const auto* picker = static_cast<QComboBox*>(widget);
            texts[spec.key] = picker->currentIndex() < 0
                                  ? std::string()
                                  : std::to_string(picker->currentData().toInt());
        }
    }
    return texts;
}

void FormDialog::showTexts(const FieldTexts& texts) {
    for (const FormField& spec : m_form.fields) {
        const auto found = texts.find(spec.key);
        if (found == texts.end()) {
            continue;
        }
        QWidget* widget = field(spec.key);
        const QString text = qs(found->second);
        switch (spec.kind) {
        case FieldKind::Text:
        case FieldKind::Output: {
            auto* edit = static_cast<QLineEdit*>(widget);
            edit->setText(text);
            edit->setCursorPosition(0);
            break;
        }
        case FieldKind::StaticText:
            static_cast<QLabel*>(widget)->setText(text);
            break;
        case FieldKind::CheckBox:
            static_cast<QCheckBox*>(widget)->setChecked(found->second == "on");
            break;
        case FieldKind::AccountPicker:
        case FieldKind::AccountPickerWithNone: {
            auto* picker = static_cast<QComboBox*>(widget);
            bool isId = false;
            const int id = text.toInt(&isId);
            picker->setCurrentIndex(isId ? picker->findData(id) : -1);
            break;
        }
        case FieldKind::Button:
            break;
        }
    }
}

void FormDialog::showOutputs(const std::vector<OutputField>& outputs) {
    FieldTexts texts;
    for (const OutputField& output : outputs) {
        texts[output.key] = output.text;
    }
    showTexts(texts);
}

void FormDialog::setChoices(std::string_view key, const std::vector<PickerChoice>& choices) {
    auto* picker = qobject_cast<QComboBox*>(field(key));
    if (picker == nullptr) {
        return;
    }
    picker->clear();
    for (const PickerChoice& choice : choices) {
        picker->addItem(qs(choice.name), choice.accountId);
    }
    picker->setCurrentIndex(-1);
}

void FormDialog::setDisabledFields(const std::set<std::string>& keys) {
    for (const auto& [key, widget] : m_fields) {
        widget->setEnabled(!keys.contains(key) && !m_keptDisabled.contains(key));
    }
}

void FormDialog::keepDisabled(std::string_view key) {
    m_keptDisabled.emplace(key);
    if (QWidget* widget = field(key)) {
        widget->setEnabled(false);
    }
}

QWidget* FormDialog::field(std::string_view key) const {
    const auto found = m_fields.find(key);
    return found == m_fields.end() ? nullptr : found->second;
}

void FormDialog::focusField(std::string_view key) {
    QWidget* widget = field(key);
    if (widget == nullptr) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    }
}

void FormDialog::boxClicked(const std::string& /*key*/) {}

void FormDialog::buttonPressed(const std::string& /*key*/) {}

void FormDialog::setHelpDialog(std::string_view dialog) {
    QObject::disconnect(m_help, &QAbstractButton::clicked, nullptr, nullptr);
    connectHelpButton(*m_help, helpTopicForDialog(dialog));
}

} // namespace finplan::gui
