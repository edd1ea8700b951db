#include "gui/editors/account_file_dialog.h"

#include "gui/help/help_button.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace finplan::gui {

AccountFileDialog::AccountFileDialog(Purpose purpose, QWidget* parent)
    : QDialog(parent) {
    const bool update = purpose == Purpose::Update;
    setObjectName(update ? QStringLiteral("updatetab") : QStringLiteral("export"));
    setWindowTitle(update ? QStringLiteral("Update Accounts From a File")
                          : QStringLiteral("Export Accounts to a File"));
    m_tab = new QRadioButton(update ? QStringLiteral("Update Accounts From a Tab-delimited File "
                                                     "(*.TVI)")
                                    : QStringLiteral("Export Accounts To a Tab-delimited File "
                                                     "(*.TVE)"),
                             this);
    m_tab->setObjectName(QStringLiteral("tabFile"));
    m_comma = new QRadioButton(update ? QStringLiteral("Update Accounts From a Comma-delimited "
                                                       "File (*.CSV)")
                                      : QStringLiteral("Export Accounts To a Comma-delimited File "
                                                       "(*.CSV)"),
                               this);
    m_comma->setObjectName(QStringLiteral("commaFile"));
    m_tab->setChecked(true);

    auto* box = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connectHelpButton(*box->button(QDialogButtonBox::Help), helpTopicForDialog("accountfile"));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tab);
    layout->addWidget(m_comma);
    layout->addWidget(box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Delimiter AccountFileDialog::chosen() const {
    return m_comma->isChecked() ? Delimiter::Comma : Delimiter::Tab;
}

void AccountFileDialog::choose(Delimiter delimiter) {
    (delimiter == Delimiter::Comma ? m_comma : m_tab)->setChecked(true);
}

} // namespace finplan::gui
