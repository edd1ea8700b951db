#include "cli/offscreen_application.h"
#include "cli/print_options.h"
#include "model/text_field.h"
#include "render/pdf_print.h"
#include "reports/print_captions.h"

#include <ostream>

namespace finplan::cli {

namespace {

render::PrintJob printJob(const PdfRequest& request, const std::vector<PdfPart>& parts,
                          const PdfLook& look) {
    render::PrintJob job;
    for (const PdfPart& part : parts) {
        job.sets.push_back({part.name, part.pages});
    }
    job.choice = request.choice;
    if (job.choice.to < 0 && !job.sets.empty()) {
        job.choice.to = job.sets.front().pageCount();
    }
    job.setting.captions = printCaptions(look.fileName, look.now, look.titles);
    job.setting.margins = request.margins.value_or(look.margins);
    const bool chosen = request.banding || request.boxing || request.columns;
    job.setting.style.banding = chosen ? request.banding : look.banding;
    job.setting.style.boxing = chosen ? request.boxing : look.boxing;
    job.setting.style.columns = chosen ? request.columns : look.columns;
    job.setting.style.fontFamily = QString::fromStdString(look.fontFace);
    return job;
}

} // namespace

ExitCode writePdf(const CliContext& context, const PdfRequest& request,
                  const std::vector<PdfPart>& parts, const PdfLook& look) {
    const OffscreenApplication application;
    const WriteResult written =
        render::printJobToPdf(request.file, printJob(request, parts, look),
                              {request.a4, request.landscape}, context.dialogs);
    if (!written) {
        context.err << "finplan-cli: cannot write " << request.file.string() << ": "
                    << written.cause() << '\n';
        return ExitCode::WriteFailed;
    }
    return ExitCode::Success;
}

} // namespace finplan::cli
