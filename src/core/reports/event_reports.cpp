#include "reports/event_reports.h"

#include "model/safe_write.h"
#include "reports/report_lines.h"
#include "results/fixed_text.h"
#include "results/text_format.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace finplan {

namespace {

constexpr int kAgeLimit = 120;
constexpr std::size_t kMaxEventColumns = 50;
constexpr std::size_t kEventSection = 7;
constexpr int kEventsFirstStart = 4;
constexpr int kEventsLaterStart = 7;
constexpr const char* kOpenError = "FILE OPEN ERROR";

// One line of the event log: age, name, code and the amount as written.
struct EventLine {
    std::string_view ageText;
    float age = 0.0f;
    int wholeAge = 0;
    std::string_view name;
    int code = 0;
    std::string_view amount;
    std::string_view text;
};

std::optional<EventLine> eventLine(std::string_view text) {
    const std::vector<std::string_view> pieces = splitTabs(text);
    if (pieces.size() < 4) {
        return std::nullopt;
    }
    EventLine line;
    line.text = text;
    line.ageText = pieces.front();
    line.age = leadingFloat(line.ageText);
    // A name holding a tab keeps it: the code and amount are the last two pieces.
    const std::size_t nameEnd =
        static_cast<std::size_t>(pieces[pieces.size() - 2].data() - text.data()) - 1;
    const std::size_t nameStart = static_cast<std::size_t>(pieces[1].data() - text.data());
    line.name = text.substr(nameStart, nameEnd - nameStart);
    line.code = leadingInt(pieces[pieces.size() - 2]);
    line.amount = pieces.back();
    const float whole = std::floor(line.age);
    if (!(whole >= 0.0f && whole < static_cast<float>(kAgeLimit)) ||
        (line.code != kIncomingCode && line.code != kOutgoingCode)) {
        return std::nullopt;
    }
    line.wholeAge = static_cast<int>(whole);
    return line;
}

std::vector<EventLine> eventLines(std::string_view text) {
    std::vector<EventLine> lines;
    for (const std::string_view raw : linesBeforeEnd(text)) {
        if (auto line = eventLine(raw)) {
            lines.push_back(*line);
        }
    }
    return lines;
}

void totalLine(std::string& out, int age, const char* label, int code, float amount) {
    appendFixed(out, static_cast<float>(age), 1, 5);
    out += '\t';
    out += label;
    out += '\t';
    out += std::to_string(code);
    out += '\t';
    appendFixed(out, amount, 2, 13);
    out += '\n';
}

// An event column: the events of one name and direction.
struct EventColumn {
    std::string_view name;
    int code = 0;
};

std::vector<EventColumn> eventColumns(const std::vector<EventLine>& lines, int code) {
    std::vector<EventColumn> all;
    for (const EventLine& line : lines) {
        const bool known = std::any_of(all.begin(), all.end(), [&](const EventColumn& c) {
            return c.name == line.name && c.code == line.code;
        });
        if (!known && all.size() < kMaxEventColumns) {
            all.push_back({line.name, line.code});
        }
    }
    std::vector<EventColumn> wanted;
    for (const EventColumn& column : all) {
        if (column.code == code) {
            wanted.push_back(column);
        }
    }
    return wanted;
}

// The amounts one cell received at the current age: "0.00" for none, the text as logged for
// one, and the single-precision sum of several.
std::string cellText(const std::vector<std::string_view>& amounts) {
    if (amounts.empty()) {
        return "0.00";
    }
    if (amounts.size() == 1) {
        return std::string(amounts.front());
    }
    float sum = 0.0f;
    for (const std::string_view amount : amounts) {
        sum += leadingFloat(amount);
    }
    return fixedText(static_cast<double>(sum), 2, 13);
}

void writeSection(PageWriter& writer, const std::vector<EventLine>& lines,
                  const std::vector<EventColumn>& columns, const ReportTarget& target) {
    std::string head = "Age\t";
    for (const EventColumn& column : columns) {
        head += formatText("%15.*s\t", static_cast<int>(column.name.size()), column.name.data());
    }
    head += target.screen ? "\n" : std::string("\n") + kPrintRule;
    writer.startSection(head);
    std::vector<std::vector<std::string_view>> cells(columns.size());
    std::optional<float> current;
    for (const EventLine& line : lines) {
        if (!current || line.age != *current) {
            // No row before the first age, and the last age's row is never written.
            if (current) {
                std::string row;
                appendFixed(row, *current, 1, 5);
                row += '\t';
                for (const auto& cell : cells) {
                    row += cellText(cell) + "\t";
                }
                writer.addRow(row + "\n");
            }
            for (auto& cell : cells) {
                cell.clear();
            }
            current = line.age;
        }
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (columns[c].name == line.name && columns[c].code == line.code) {
                cells[c].push_back(line.amount);
            }
        }
    }
}

} // namespace

std::string eventWorkText(std::string_view eventLog) {
    const std::vector<EventLine> lines = eventLines(eventLog);
    std::array<float, kAgeLimit> incoming{};
    std::array<float, kAgeLimit> outgoing{};
    for (const EventLine& line : lines) {
        auto& sums = line.code == kIncomingCode ? incoming : outgoing;
        sums[static_cast<std::size_t>(line.wholeAge)] += leadingFloat(line.amount);
    }
    std::string out;
    int previous = -1;
    for (const EventLine& line : lines) {
        if (line.wholeAge != previous) {
            const auto at = static_cast<std::size_t>(line.wholeAge);
            totalLine(out, line.wholeAge, "Total Incoming Events", kIncomingCode, incoming[at]);
            totalLine(out, line.wholeAge, "Total Outgoing Events", kOutgoingCode, outgoing[at]);
            previous = line.wholeAge;
        }
        out += line.text;
        out += '\n';
    }
    return out + "Dooooone\n";
}

bool writeEventWorkFile(const ReportTarget& target) {
    const auto log = readReportFile(target.workDir / "bigfile.tmp");
    if (!log) {
        target.dialogs.error("Cannot open bigfile.tmp", kOpenError);
        return false;
    }
    const std::filesystem::path path = target.workDir / "tmpfile.tmp";
    const WriteResult written =
        writeFileReplacing(path, eventWorkText(*log), NewFileMode::OwnerOnly);
    if (!written) {
        target.dialogs.error("Cannot open tmpfile.tmp\n" + writeFailureText(path, written),
                             kOpenError);
        return false;
    }
    return true;
}

PagesWritten writeEventsReport(bool incoming, const ReportTarget& target) {
    const auto work = readReportFile(target.workDir / "tmpfile.tmp");
    if (!work) {
        target.dialogs.error("Cannot open tmpfile.tmp", kOpenError);
        PagesWritten failed;
        failed.failed = true;
        return failed;
    }
    return writeEventsReportFrom(*work, incoming, target);
}

PagesWritten writeEventsReportFrom(std::string_view workText, bool incoming,
                                   const ReportTarget& target) {
    const std::vector<EventLine> lines = eventLines(workText);
    const std::vector<EventColumn> columns =
        eventColumns(lines, incoming ? kIncomingCode : kOutgoingCode);
    if (columns.empty()) {
        return {};
    }
    PageLayout layout;
    layout.pageLength = target.screen ? kScreenPageLength : kPrintPageLength;
    layout.firstStart = kEventsFirstStart;
    layout.laterStart = target.screen ? kEventsFirstStart : kEventsLaterStart;
    layout.endMarker = "\nDooooone\n";
    layout.screen = target.screen;
    PageWriter writer(target.workDir, target.dialogs, layout);
    const std::size_t section = target.screen ? columns.size() : kEventSection;
    for (std::size_t first = 0; first < columns.size(); first += section) {
        const std::size_t last = std::min(columns.size(), first + section);
        writeSection(writer, lines,
                     std::vector<EventColumn>(columns.begin() + static_cast<std::ptrdiff_t>(first),
                                              columns.begin() + static_cast<std::ptrdiff_t>(last)),
                     target);
    }
    return writer.finish();
}

} // namespace finplan
