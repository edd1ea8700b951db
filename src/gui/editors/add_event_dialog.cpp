#include "gui/editors/add_event_dialog.h"

#include "gui/shell/command_ids.h"

#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace finplan::gui {

namespace {

constexpr int kGap = 8;

struct EventButton {
    const char* text;
    const char* name;
    int commandId;
};

// In the order the dialog shows them.
constexpr std::array<EventButton, 7> kButtons = {{
    {"Withdrawal", "withdrawalButton", command::Withdrawal},
    {"Deposit", "depositButton", command::Deposit},
    {"Loan", "loanButton", command::Loan},
    {"Credit Card Debt", "creditCardDebtButton", command::CreditCardDebt},
    {"Mortgage", "mortgageButton", command::Mortgage},
    {"Transfer", "transferButton", command::Transfer},
    {"Fundamentals", "fundamentalsButton", command::Fundamentals},
}};

} // namespace

AddEventDialog::AddEventDialog(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("addEventDialog"));
    setWindowTitle(QStringLiteral("Add Event"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    for (const EventButton& spec : kButtons) {
        auto* button = new QPushButton(QString::fromLatin1(spec.text), this);
        button->setObjectName(QString::fromLatin1(spec.name));
        button->setAutoDefault(false);
        const int id = spec.commandId;
        connect(button, &QPushButton::clicked, this, [this, id] { Q_EMIT editorRequested(id); });
        layout->addWidget(button);
    }
    layout->addSpacing(kGap);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AddEventDialog::placeBeside(const QRect& frame, const QRect& screen) {
    const QSize size = sizeHint();
    int x = frame.right() + kGap;
    if (x + size.width() > screen.right()) {
        x = frame.left() - kGap - size.width();
    }
    x = std::clamp(x, screen.left(), std::max(screen.left(), screen.right() - size.width()));
    const int y = std::clamp(frame.top(), screen.top(),
                             std::max(screen.top(), screen.bottom() - size.height()));
    move(x, y);
}

} // namespace finplan::gui
