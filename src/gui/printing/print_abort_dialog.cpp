#include "gui/printing/print_abort_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace finplan::gui {

PrintAbortDialog::PrintAbortDialog(QWidget* parent)
    : QDialog(parent)
    , m_text(new QLabel(this)) {
    setObjectName(QStringLiteral("PrCancel"));
    setWindowTitle(QStringLiteral("PrCancel"));
    auto* layout = new QVBoxLayout(this);
    auto* abort = new QPushButton(QStringLiteral("Abort"), this);
    abort->setObjectName(QStringLiteral("abort"));
    layout->addWidget(m_text);
    layout->addWidget(abort, 0, Qt::AlignHCenter);
    connect(abort, &QPushButton::clicked, this, [this] { m_aborted = true; });
}

bool PrintAbortDialog::pageStarting(int page, int pageCount) {
    m_text->setText(render::printingText(page, pageCount));
    // The printer works between pages; the Abort button is heard meanwhile.
    QApplication::processEvents();
    return !m_aborted;
}

} // namespace finplan::gui
