#include "model/finance_dat.h"

#include "model/file_io.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <optional>
#include <utility>

namespace finplan {

namespace {

namespace fs = std::filesystem;

constexpr int kFinanceDatLines = 8;
// Lines are read into a 264-byte buffer, so one read takes at most 263 bytes, line feed
// included; a longer line continues as the next one.
constexpr std::size_t kLineBufferSize = 264;
constexpr std::size_t kMaxLineRead = kLineBufferSize - 1;
constexpr float kCounterLimit = 9.0f;
constexpr std::size_t kMinRecentNameLength = 4;
constexpr std::size_t kMinWrittenEntryLength = 2;

// Hands out the file's lines the way a buffered line read does, one buffer at a time.
class LineReader {
public:
    explicit LineReader(std::span<const Byte> bytes)
        : m_bytes(bytes) {}

    // The next line without its line feed; nullopt once the file has nothing left.
    std::optional<std::string> next() {
        if (m_pos >= m_bytes.size()) {
            return std::nullopt;
        }
        const std::size_t limit = std::min(m_bytes.size(), m_pos + kMaxLineRead);
        std::size_t end = m_pos;
        while (end < limit && m_bytes[end] != '\n') {
            ++end;
        }
        const bool hasLineFeed = end < limit;
        std::string line(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_pos),
                         m_bytes.begin() + static_cast<std::ptrdiff_t>(end));
        m_pos = hasLineFeed ? end + 1 : end;
        // The line is a C string: a NUL byte ends it.
        line.resize(std::min(line.size(), line.find('\0')));
        return line;
    }

private:
    std::span<const Byte> m_bytes;
    std::size_t m_pos = 0;
};

std::string formatCounterLine(float counter, const AppSettings& settings) {
    constexpr const char* kFormat = "%6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %1d\n";
    const auto& r = settings.financeReserved;
    const auto print = [&](char* out, std::size_t size) {
        return std::snprintf(out, size, kFormat, static_cast<double>(counter),
                             static_cast<double>(r[0]), static_cast<double>(r[1]),
                             static_cast<double>(r[2]), static_cast<double>(r[3]),
                             static_cast<double>(r[4]), static_cast<double>(r[5]),
                             static_cast<double>(r[6]), settings.financeReservedDigit);
    };
    const int length = print(nullptr, 0);
    if (length <= 0) {
        return "\n";
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    print(text.data(), text.size());
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Scans the counter line; a value that does not match leaves it and the ones after it as
// they were.
void scanCounterLine(const std::string& line, AppSettings& settings) {
    auto& r = settings.financeReserved;
    std::sscanf(line.c_str(), "%f %f %f %f %f %f %f %f %d", &settings.startCounter, &r[0], &r[1],
                &r[2], &r[3], &r[4], &r[5], &r[6], &settings.financeReservedDigit);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

bool decodeFinanceDat(std::span<const Byte> bytes, Scenario& scenario, AppSettings& settings) {
    LineReader lines(bytes);
    auto firstLine = lines.next();
    if (!firstLine) {
        return false;
    }
    scenario.fileName = std::move(*firstLine);
    if (const auto counterLine = lines.next()) {
        scanCounterLine(*counterLine, settings);
    }
    for (auto& entry : settings.recentFiles) {
        entry = lines.next().value_or(std::string());
    }
    // The counter names the temporary file of New; it cycles through 0 to 8. Anything else, a
    // fraction or no number at all, would give that file a malformed name: it starts again.
    const float counter = settings.startCounter;
    if (!(counter >= 0.0f && counter < kCounterLimit && counter == std::trunc(counter))) {
        settings.startCounter = 0.0f;
    }
    return true;
}

std::string financeDatAtStart(const Scenario& scenario, const AppSettings& settings) {
    // Writing the counter advanced now means a run that never reaches the final write leaves
    // the next run a different temporary file.
    std::string content = scenario.fileName + "\n";
    content += formatCounterLine(settings.startCounter + 1.0f, settings);
    for (const auto& entry : settings.recentFiles) {
        content += entry + "\n";
    }
    return content;
}

bool readFinanceDat(const fs::path& workDir, Scenario& scenario, AppSettings& settings) {
    const fs::path path = workDir / kFinanceDatName;
    const auto bytes = readFileBytes(path, kFinanceDatLines * kMaxLineRead);
    if (!bytes) {
        settings.startCounter = 0.0f;
        settings.financeReserved = {};
        settings.financeReservedDigit = 0;
        const std::string content = "\n" +
                                    formatCounterLine(settings.startCounter + 1.0f, settings) +
                                    std::string(kRecentFileCount, '\n');
        // Without a settings file to hold the start there is nothing to open; when even
        // creating it fails, opening the empty name is left to fail on its own.
        return !writeFileReplacing(path, content, NewFileMode::OwnerOnly);
    }

    if (!decodeFinanceDat(*bytes, scenario, settings)) {
        return false;
    }
    writeFileReplacing(path, financeDatAtStart(scenario, settings), NewFileMode::OwnerOnly);
    return true;
}

WriteResult writeFinanceDat(const fs::path& workDir, const Scenario& scenario,
                            const AppSettings& settings) {
    std::string content = scenario.fileName + "\n";
    content += formatCounterLine(settings.startCounter, settings);
    for (const auto& entry : settings.recentFiles) {
        if (entry.size() >= kMinWrittenEntryLength) {
            content += entry + "\n";
        }
    }
    return writeFileReplacing(workDir / kFinanceDatName, content, NewFileMode::OwnerOnly);
}

void addRecentFile(RecentFiles& recentFiles, std::string_view name) {
    if (name.size() < kMinRecentNameLength) {
        return;
    }
    std::shift_right(recentFiles.begin(), recentFiles.end(), 1);
    recentFiles.front() = std::string(name);

    // Empty entries are not names; they only mark where the list ends.
    for (std::size_t i = 0; i < recentFiles.size(); ++i) {
        if (recentFiles[i].empty()) {
            continue;
        }
        std::size_t j = i + 1;
        while (j < recentFiles.size()) {
            if (equalsIgnoringCase(recentFiles[i], recentFiles[j])) {
                std::shift_left(recentFiles.begin() + static_cast<std::ptrdiff_t>(j),
                                recentFiles.end(), 1);
                recentFiles.back().clear();
            } else {
                ++j;
            }
        }
    }
}

std::vector<std::string> recentFileMenuItems(const RecentFiles& recentFiles) {
    std::vector<std::string> items;
    for (const auto& entry : recentFiles) {
        if (entry.empty()) {
            break;
        }
        items.push_back("(" + std::to_string(items.size() + 1) + ") " + entry);
    }
    return items;
}

} // namespace finplan
