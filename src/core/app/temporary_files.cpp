#include "app/temporary_files.h"

#include "reports/page_cleanup.h"
#include "results/plot_file.h"

#include <algorithm>
#include <set>
#include <system_error>

namespace finplan {

namespace {

constexpr int kPrintPages = 49;
constexpr int kReportPages = 24;

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

} // namespace

std::vector<std::string> temporaryFileNames() {
    std::vector<std::string> names = {"bigfile.tmp",  std::string(kPlotFileName),
                                      "OUTFILE.TMP",  "INFILE.TMP",
                                      "TMPFILE.TMP",  "TABOUT.TMP",
                                      "TRADE.TMP",    "REF.TMP",
                                      "PPBUDOUT.TMP", "BUDOUT.TMP",
                                      "PBUDOUT.TMP",  "PSCHED.TMP",
                                      "REFPRT.TMP",   "ptmpsch.dat"};
    // The intermediate file of a comma-delimited account import.
    names.emplace_back("CSVOUT.TMP");
    for (int page = 1; page <= kPrintPages; ++page) {
        names.push_back("page" + std::to_string(page));
    }
    for (int page = 1; page <= kReportPages; ++page) {
        names.push_back("rpage" + std::to_string(page));
        names.push_back("spage" + std::to_string(page));
    }
    return names;
}

int deleteTemporaryFiles(const std::filesystem::path& workDir) {
    std::set<std::string> wanted;
    for (const std::string& name : temporaryFileNames()) {
        wanted.insert(lowerCase(name));
    }
    std::error_code error;
    std::vector<std::filesystem::path> doomed;
    for (const auto& entry : std::filesystem::directory_iterator(workDir, error)) {
        const std::string name = entry.path().filename().string();
        // Long reports number their pages past the fixed list: every page file goes.
        if (entry.is_regular_file(error) &&
            (wanted.contains(lowerCase(name)) || isPageFileName(name))) {
            doomed.push_back(entry.path());
        }
    }
    int deleted = 0;
    for (const auto& path : doomed) {
        if (std::filesystem::remove(path, error)) {
            ++deleted;
        }
    }
    return deleted;
}

} // namespace finplan
