#include "results/plot_file.h"

#include "model/file_io.h"
#include "model/text_field.h"
#include "results/fixed_text.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstring>

namespace finplan {

namespace {

// The year lines are many; they are built as text and written in one go.
void writeText(std::FILE* file, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), file);
}

// "%.*s" prints a string_view exactly as "%s" prints the same NUL-free text.
void textLine(std::FILE* file, std::string_view text) {
    std::fprintf(file, "%.*s\n", static_cast<int>(text.size()), text.data());
}

const AccountRecord& account(const AccountTable& accounts, int index) {
    return accounts.accounts[static_cast<std::size_t>(index)];
}

} // namespace

std::array<std::string, 3> plotCaptions(const std::string& fileName, const std::string& dateText,
                                        const std::string& timeText, const ReportTitles& titles) {
    return {
        titles.useTitle1 == 1 ? std::string(fieldText(titles.title1)) : "File: " + fileName,
        titles.useTitle2 == 1 ? std::string(fieldText(titles.title2)) : "Date: " + dateText,
        titles.useTitle3 == 1 ? std::string(fieldText(titles.title3)) : "Time: " + timeText,
    };
}

float plottedYears(float lastSimulatedAge, float startAge) {
    return lastSimulatedAge - std::trunc(startAge) + 1.0f;
}

std::optional<AgeSpan> zoomedPlotAges(const PlotZoom& zoom, float startAge) {
    if (!zoom.active || zoom.firstAge == 0) {
        return std::nullopt;
    }
    if (zoom.lastAge == 0) {
        AgeSpan span{static_cast<int>(std::trunc(startAge)), zoom.firstAge};
        if (span.years() < 3) {
            ++span.last;
        }
        return span;
    }
    AgeSpan span{std::min(zoom.firstAge, zoom.lastAge), std::max(zoom.firstAge, zoom.lastAge)};
    if (span.last - span.first < 3) {
        ++span.last;
    }
    return span;
}

float plottedYears(float lastSimulatedAge, float startAge, const PlotZoom& zoom) {
    const std::optional<AgeSpan> ages = zoomedPlotAges(zoom, startAge);
    return ages ? static_cast<float>(ages->years()) : plottedYears(lastSimulatedAge, startAge);
}

bool plotsAge(float age, float startAge, const PlotZoom& zoom) {
    const std::optional<AgeSpan> ages = zoomedPlotAges(zoom, startAge);
    if (!ages) {
        return true;
    }
    const float whole = std::trunc(age);
    return whole >= static_cast<float>(ages->first) && whole <= static_cast<float>(ages->last);
}

bool PlotFileWriter::open(const std::filesystem::path& workDir) {
    // Bare newlines: the viewer and "Save Graphs" expect them everywhere.
    m_path = workDir / kPlotFileName;
    m_file.reset(openWorkFileForWriting(m_path));
    return m_file != nullptr;
}

void PlotFileWriter::header(int graphKind, const std::array<std::string, 3>& captions, float years,
                            const AccountTable& accounts) {
    if (!m_file) {
        return;
    }
    std::FILE* file = m_file.get();
    std::fprintf(file, "%d\n", graphKind);
    for (const std::string& caption : captions) {
        textLine(file, caption);
    }
    std::fprintf(file, "%.2f\n", static_cast<double>(years));
    const int count = accounts.usedCount();
    std::fprintf(file, "%d\n", count);
    for (int i = 0; i < count; ++i) {
        textLine(file, fieldText(account(accounts, i).name));
    }
}

void PlotFileWriter::accountBalances(const AccountTable& accounts) {
    if (!m_file) {
        return;
    }
    std::string lines;
    for (int i = 0; i < accounts.usedCount(); ++i) {
        appendFixed(lines, account(accounts, i).balance, 2);
        lines += '\n';
    }
    writeText(m_file.get(), lines);
}

void PlotFileWriter::openingTotals(float age, const std::array<float, 6>& totals) {
    if (!m_file) {
        return;
    }
    std::string line;
    appendFixed(line, age, 1);
    for (const float total : totals) {
        line += ' ';
        appendFixed(line, total, 2);
    }
    line += ' ';
    writeText(m_file.get(), line);
}

void PlotFileWriter::flows(const std::array<float, 13>& values) {
    if (!m_file) {
        return;
    }
    std::string line;
    for (const float value : values) {
        if (!line.empty()) {
            line += ' ';
        }
        appendFixed(line, value, 2);
    }
    line += '\n';
    writeText(m_file.get(), line);
}

void PlotFileWriter::trailer(const GroupTable& groups, const AccountTable& accounts) {
    if (!m_file) {
        return;
    }
    std::FILE* file = m_file.get();
    for (const auto& name : groups.groupNames) {
        textLine(file, fieldText(name));
    }
    for (int i = 0; i < accounts.usedCount(); ++i) {
        std::fprintf(file, "%d\n", static_cast<int>(account(accounts, i).group));
    }
    std::fputs("Done\n", file);
    // A full disk shows only here: every write is buffered until the close.
    const bool failed = std::ferror(file) != 0;
    if (std::fclose(m_file.release()) != 0 || failed) {
        m_failure = m_path.string() + ": " + std::strerror(errno != 0 ? errno : EIO);
    }
}

} // namespace finplan
