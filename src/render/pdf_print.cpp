#include "render/pdf_print.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <system_error>
#include <unistd.h>

namespace finplan::render {

namespace {

std::filesystem::path partPath(const std::filesystem::path& path) {
    std::filesystem::path part = path;
    part += ".part" + std::to_string(::getpid());
    return part;
}

// A PDF document's pages, drawn by Qt Gui alone: the command line prints without the
// printing system and its widgets. The painter covers the whole sheet.
class PdfTarget : public PageTarget {
public:
    explicit PdfTarget(QPdfWriter& writer)
        : m_writer(writer) {}
    bool begin(const QString& documentName) override {
        m_writer.setTitle(documentName);
        return m_painter.begin(&m_writer);
    }
    bool newPage() override { return m_writer.newPage(); }
    QPainter& painter() override { return m_painter; }
    bool end() override { return m_painter.isActive() && m_painter.end(); }
    // The half-written file is the caller's to remove.
    void abort() override {
        if (m_painter.isActive()) {
            m_painter.end();
        }
    }
    PageDevice device() const override {
        const QRect sheet = m_writer.pageLayout().fullRectPixels(m_writer.resolution());
        return {sheet.width(), sheet.height(), m_writer.logicalDpiX(), m_writer.logicalDpiY()};
    }

private:
    QPdfWriter& m_writer;
    QPainter m_painter;
};

PrintOutcome printInto(const std::filesystem::path& file, const PrintJob& job,
                       const PdfPaper& paper, UserDialogs& dialogs) {
    QPdfWriter writer(QString::fromStdString(file.string()));
    writer.setResolution(kPrintPdfDotsPerInch);
    writer.setCreator(QStringLiteral("Financial Planner"));
    writer.setPageLayout(QPageLayout(
        QPageSize(paper.a4 ? QPageSize::A4 : QPageSize::Letter),
        paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    PdfTarget target(writer);
    return runPrintJob(target, job, dialogs);
}

} // namespace

WriteResult printJobToPdf(const std::filesystem::path& path, const PrintJob& job,
                          const PdfPaper& paper, UserDialogs& dialogs) {
    const std::filesystem::path part = partPath(path);
    const PrintOutcome outcome = printInto(part, job, paper, dialogs);
    std::error_code error;
    if (outcome != PrintOutcome::Printed || !std::filesystem::is_regular_file(part, error)) {
        std::filesystem::remove(part, error);
        return WriteResult::failure("the pages could not be printed");
    }
    std::filesystem::rename(part, path, error);
    if (error) {
        std::filesystem::remove(part, error);
        return WriteResult::failure(error.message());
    }
    return WriteResult::success();
}

} // namespace finplan::render
