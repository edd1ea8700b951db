#include "gui/editors/new_accounts_dialog.h"

#include "gui/help/help_button.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace finplan::gui {

NewAccountsDialog::NewAccountsDialog(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("newAccountsDialog"));
    setWindowTitle(QStringLiteral("Create New Accounts"));
    m_tab = new QRadioButton(
        QStringLiteral("Create New Accounts From a Tab-delimited File (*.TVI)"), this);
    m_tab->setObjectName(QStringLiteral("fromTabFileButton"));
    m_comma = new QRadioButton(
        QStringLiteral("Create New Accounts From a Comma-delimited File (*.CSV)"), this);
    m_comma->setObjectName(QStringLiteral("fromCommaFileButton"));
    m_byHand = new QRadioButton(QStringLiteral("Create New Accounts By Hand"), this);
    m_byHand->setObjectName(QStringLiteral("byHandButton"));
    m_tab->setChecked(true);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->setObjectName(QStringLiteral("newAccountsButtons"));
    connectHelpButton(*buttons->button(QDialogButtonBox::Help), helpTopicForDialog("import"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tab);
    layout->addWidget(m_comma);
    layout->addWidget(m_byHand);
    layout->addSpacing(8);
    layout->addWidget(buttons);
}

NewAccountsWay NewAccountsDialog::chosenWay() const {
    if (m_tab->isChecked()) {
        return NewAccountsWay::FromTabFile;
    }
    if (m_comma->isChecked()) {
        return NewAccountsWay::FromCommaFile;
    }
    return NewAccountsWay::ByHand;
}

} // namespace finplan::gui
