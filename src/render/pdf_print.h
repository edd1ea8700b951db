#pragma once

#include "model/safe_write.h"
#include "render/print_run.h"

#include <filesystem>

namespace finplan::render {

// The sheet of a PDF print.
struct PdfPaper {
    bool a4 = false; // Letter otherwise
    bool landscape = false;
};

// Resolution of PDF pages.
inline constexpr int kPrintPdfDotsPerInch = 600;

// Prints a job through a PDF printer into a file. The document goes to a new file beside the
// target and replaces it only when every page was drawn, so a failed job leaves no PDF and
// the old file as it was. Failures are reported through the dialogs as on paper.
WriteResult printJobToPdf(const std::filesystem::path& path, const PrintJob& job,
                          const PdfPaper& paper, UserDialogs& dialogs);

} // namespace finplan::render
