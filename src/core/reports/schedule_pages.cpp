#include "reports/schedule_pages.h"

#include "reports/report_lines.h"

namespace finplan {

namespace {

constexpr std::string_view kIndent = "          ";
constexpr int kDescriptionLines = 55;
constexpr int kSchedulePageLength = 60;
// A new page counts 2 lines for its title and 4 for the header block.
constexpr int kScheduleStart = 6;
constexpr int kHeaderLines = 4;
constexpr int kParagraphRoom = 55;

constexpr std::string_view kKindsLine = "          \t      Investment\t       Tax-Free\t      "
                                        "Retirement\t           Asset\t          Equity\n";
constexpr std::string_view kColumnsLine =
    "          Age\t       Accounts\t       Accounts\t       Accounts\t       Accounts\t"
    "       Accounts\t    Liabilities\t       Net Worth\n";

std::string dashes() {
    return std::string(kIndent) + std::string(184, '-') + "\n";
}

std::string indented(std::string_view line) {
    return std::string(kIndent) + std::string(line) + "\n";
}

// The block as it stands in a page's text: its marks are not counted, its four lines are.
void addHeaderBlock(PageWriter& writer) {
    writer.addUncounted("?BO\n");
    writer.addRow(dashes());
    writer.addRow(kKindsLine);
    writer.addRow(kColumnsLine);
    writer.addRow(dashes());
    writer.addUncounted("?Bo\n");
}

} // namespace

std::string scheduleHeaderBlock() {
    return "?BO\n" + dashes() + std::string(kKindsLine) + std::string(kColumnsLine) + dashes() +
           "?Bo\n";
}

PagesWritten writeSchedulePages(std::string_view scheduleText, const ReportTarget& target) {
    const std::vector<std::string_view> lines = linesBeforeEnd(scheduleText);
    if (lines.empty()) {
        return {};
    }
    PageLayout layout;
    layout.prefix = "page";
    layout.endMarker = "Dooooone\n";
    PageWriter writer(target.workDir, target.dialogs, layout);
    writer.startSection("", kDescriptionLines, 0);
    writer.addRow(indented("Financial Scenario:"));
    bool description = true;
    for (const std::string_view line : lines) {
        if (description) {
            if (isRuleLine(line)) {
                // The first rule ends the description; the years start on a page of their own.
                description = false;
                writer.startSection(scheduleHeaderBlock(), kSchedulePageLength, kScheduleStart);
            } else {
                writer.addRow(indented(line));
            }
            continue;
        }
        if (isRuleLine(line)) {
            if (writer.counter() + kHeaderLines >= kSchedulePageLength) {
                writer.breakPage();
            }
        } else if (line.starts_with("??")) {
            if (writer.counter() + kHeaderLines < kParagraphRoom) {
                addHeaderBlock(writer);
            }
        } else if (line.starts_with('?')) {
            writer.addUncounted(indented(line));
        } else {
            writer.addRow(indented(line));
        }
    }
    return writer.finish();
}

PagesWritten writeSchedulePagesFromFile(const ReportTarget& target) {
    const auto text = readReportFile(target.workDir / "ptmpsch.dat");
    if (!text) {
        target.dialogs.error("ptmpsch.dat", "FILE OPEN ERROR");
        PagesWritten failed;
        failed.failed = true;
        return failed;
    }
    return writeSchedulePages(*text, target);
}

} // namespace finplan
