#include "graphs/save_graphs.h"

#include "model/file_io.h"
#include "model/group_table.h"
#include "results/plot_file.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

namespace finplan {

namespace {

constexpr std::size_t kLineLimit = 264;
// Far beyond the largest plot file a run writes; a longer one counts as ending there.
constexpr std::uintmax_t kMaxPlotFileBytes = std::uintmax_t{64} << 20;
constexpr std::string_view kFileError = "FILE ERROR";
constexpr std::string_view kFileWarning = "FILE WARNING";

void stop(UserDialogs& dialogs, std::string text, std::string_view title) {
    dialogs.error(std::move(text), std::string(title));
}

// Copies line by line. A line is what fgets gives with the 264-character buffer: up to its
// newline, or 263 characters of a longer one, whose rest is the next line; as a C string it
// ends at a NUL byte.
class LineCopy {
public:
    LineCopy(std::span<const Byte> from, std::string& to)
        : m_from(from)
        , m_to(to) {}

    // Copies one line; none at the end of the plot file.
    std::optional<std::string> copy() {
        std::optional<std::string> line = read();
        if (line) {
            m_to += *line;
        }
        return line;
    }

    // Copies count lines; false when the plot file ends first or, with stopAtDone, at a
    // line beginning with "Done", which is left for finish() to write.
    bool copy(long count, bool stopAtDone) {
        for (long i = 0; i < count; ++i) {
            const std::optional<std::string> line = read();
            if (!line || (stopAtDone && line->starts_with("Done"))) {
                return false;
            }
            m_to += *line;
        }
        return true;
    }

    void finish() { m_to += "Done\n"; }

private:
    std::optional<std::string> read() {
        if (m_pos >= m_from.size()) {
            return std::nullopt;
        }
        const std::size_t limit = std::min(m_from.size(), m_pos + kLineLimit - 1);
        std::size_t end = m_pos;
        while (end < limit && m_from[end] != '\n') {
            ++end;
        }
        if (end < limit) {
            ++end; // the newline belongs to the line
        }
        std::string line(m_from.begin() + static_cast<std::ptrdiff_t>(m_pos),
                         m_from.begin() + static_cast<std::ptrdiff_t>(end));
        m_pos = end;
        line.resize(std::min(line.size(), line.find('\0')));
        return line;
    }

    std::span<const Byte> m_from;
    std::size_t m_pos = 0;
    std::string& m_to;
};

// The whole number at the start of a line, as sscanf reads it; 0 when there is none.
long leadingCount(const std::optional<std::string>& line) {
    int count = 0;
    if (!line || std::sscanf(line->c_str(), "%d", &count) != 1 || count < 0) {
        return 0;
    }
    return count;
}

// The plotted years of the header line, cut toward zero; none when it is no year count a
// graph file can hold (0 to 99).
std::optional<int> plottedYearCount(const std::optional<std::string>& line) {
    float years = 0.0f;
    if (!line || std::sscanf(line->c_str(), "%f", &years) != 1) {
        return std::nullopt;
    }
    const float whole = std::trunc(years);
    if (!(whole >= 0.0f && whole <= 99.0f)) {
        return std::nullopt;
    }
    return static_cast<int>(whole);
}

// The plot file itself, under its own name or any other (a link, another spelling).
bool isPlotFile(const std::filesystem::path& path, const std::filesystem::path& workDir) {
    std::error_code ec;
    return path.filename().string().starts_with(kPlotFileName.substr(0, 7)) ||
           std::filesystem::equivalent(path, workDir / kPlotFileName, ec);
}

// Asks before replacing an existing target; false when it must stay as it is.
bool mayOverwrite(const std::filesystem::path& path, const std::filesystem::path& workDir,
                  const std::string& target, UserDialogs& dialogs) {
    if (isPlotFile(path, workDir)) {
        stop(dialogs, "Cannot overwrite the system file plotinf. \nChoose another file name.",
             kFileWarning);
        return false;
    }
    const Answer answer =
        dialogs.show({target + " exists - Overwrite anyway?", std::string(kFileWarning),
                      MessageIcon::Stop, MessageButtons::YesNo});
    return answer == Answer::Yes;
}

// The whole plot file, up to a size no run writes; nullopt when it cannot be read.
std::optional<std::vector<Byte>> readPlotFile(const std::filesystem::path& path) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        return std::nullopt;
    }
    return readFileBytes(path, static_cast<std::size_t>(std::min(size, kMaxPlotFileBytes)));
}

} // namespace

bool saveGraphs(const std::filesystem::path& workDir, const std::string& target,
                UserDialogs& dialogs) {
    const std::filesystem::path path(target);
    const bool existed = fileExists(path);
    if (existed && !mayOverwrite(path, workDir, target, dialogs)) {
        return false;
    }
    const std::optional<std::vector<Byte>> plot = readPlotFile(workDir / kPlotFileName);
    if (!plot) {
        stop(dialogs, "Cannot open plotinf for reading!", kFileError);
        return false;
    }
    const GraphFileText text = graphFileText(*plot);
    if (!text.complete) {
        // Nothing is written: never half a graph file.
        stop(dialogs, "Problem saving graphs.\nPlease try again.", kFileError);
        return false;
    }
    // Written whole or not at all.
    if (const WriteResult written = writeFileReplacing(path, text.text); !written) {
        const std::string failure =
            existed ? "Cannot open " + target + " for writing!" : std::string("Cannot open file!");
        stop(dialogs, failure + "\n" + writeFailureText(path, written), kFileError);
        return false;
    }
    return true;
}

GraphFileText graphFileText(std::span<const Byte> plot) {
    GraphFileText result;
    LineCopy lines(plot, result.text);
    lines.copy(4, false);
    const std::optional<int> years = plottedYearCount(lines.copy());
    if (!years) {
        return result;
    }
    const long accounts = leadingCount(lines.copy());
    bool whole = lines.copy(accounts, false);
    for (int year = 0; whole && year < *years; ++year) {
        whole = lines.copy(accounts + 1, true);
    }
    if (whole) {
        lines.copy(kGroupCount + accounts, false);
    }
    lines.finish();
    result.complete = true;
    return result;
}

} // namespace finplan
