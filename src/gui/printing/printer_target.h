#pragma once

#include "render/page_target.h"

class QPrinter;

namespace finplan::gui {

// A printer's pages. The painter covers the whole sheet; margins are the renderer's.
class PrinterTarget : public render::PageTarget {
public:
    explicit PrinterTarget(QPrinter& printer);
    bool begin(const QString& documentName) override;
    bool newPage() override;
    QPainter& painter() override { return m_painter; }
    bool end() override;
    void abort() override;
    PageDevice device() const override;

private:
    QPrinter& m_printer;
    QPainter m_painter;
};

} // namespace finplan::gui
