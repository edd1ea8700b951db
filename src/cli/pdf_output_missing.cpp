#include "cli/print_options.h"

#include <ostream>

namespace finplan::cli {

// Built without Qt there is no page renderer.
ExitCode writePdf(const CliContext& context, const PdfRequest&, const std::vector<PdfPart>&,
                  const PdfLook&) {
    context.err << "finplan-cli: this build cannot print PDF files\n";
    return ExitCode::Usage;
}

} // namespace finplan::cli
