#include "render/pdf_print.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <system_error>
#include <unistd.h>

namespace finplan::render {

namespace {

std::filesystem::path partPath(const std::filesystem::path& path) {
    std::filesystem::path part = path;
    part += ".part" + std::to_string(::getpid());
    return part;
}

PrintOutcome printInto(const std::filesystem::path& file, const PrintJob& job,
                       const PdfPaper& paper, UserDialogs& dialogs) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file.string()));
    printer.setResolution(kPrintPdfDotsPerInch);
    printer.setCreator(QStringLiteral("Financial Planner"));
    printer.setPageLayout(QPageLayout(
        QPageSize(paper.a4 ? QPageSize::A4 : QPageSize::Letter),
        paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    PrinterTarget target(printer);
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
