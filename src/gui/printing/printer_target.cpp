#include "gui/printing/printer_target.h"

#include <QPrinter>

namespace finplan::gui {

PrinterTarget::PrinterTarget(QPrinter& printer)
    : m_printer(printer) {}

bool PrinterTarget::begin(const QString& documentName) {
    m_printer.setDocName(documentName);
    // The print loop makes the copies itself.
    m_printer.setCopyCount(1);
    m_printer.setFullPage(true);
    return m_painter.begin(&m_printer);
}

bool PrinterTarget::newPage() {
    return m_printer.newPage();
}

bool PrinterTarget::end() {
    return m_painter.isActive() && m_painter.end();
}

void PrinterTarget::abort() {
    m_printer.abort();
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

PageDevice PrinterTarget::device() const {
    const QRect sheet = m_printer.pageLayout().fullRectPixels(m_printer.resolution());
    return {sheet.width(), sheet.height(), m_printer.logicalDpiX(), m_printer.logicalDpiY()};
}

} // namespace finplan::gui
