#include "reports/flow_report.h"

#include "reports/account_flow_files.h"
#include "reports/report_lines.h"
#include "results/fixed_text.h"

namespace finplan {

namespace {

constexpr std::size_t kFlowSection = 10;
constexpr int kFlowStart = 7;
constexpr int kFlowPageLength = 55;

std::string flowRow(const AccountFlows& flows, int age, bool in, std::size_t first,
                    std::size_t last) {
    const auto& values = (in ? flows.incoming : flows.outgoing)[static_cast<std::size_t>(age)];
    std::string row;
    appendFixed(row, static_cast<float>(age), 1, 5);
    row += in ? "-I\t" : "-O\t";
    float total = 0.0f;
    for (std::size_t i = first; i < last; ++i) {
        appendFixed(row, values[i], 2, 13);
        row += '\t';
        total += values[i];
    }
    appendFixed(row, total, 2, 13);
    row += '\n';
    return row;
}

} // namespace

PagesWritten writeAccountFlowReport(const AccountFlows& flows, const ReportTarget& target) {
    if (flows.empty()) {
        return {};
    }
    PageLayout layout;
    layout.pageLength = target.screen ? kScreenPageLength : kFlowPageLength;
    layout.firstStart = kFlowStart;
    layout.laterStart = kFlowStart;
    layout.endMarker = "Dooooone\n";
    layout.screen = target.screen;
    PageWriter writer(target.workDir, target.dialogs, layout);
    const std::size_t count = std::min<std::size_t>(flows.names.size(), kMaxAccounts);
    const std::size_t section = target.screen ? count : kFlowSection;
    for (std::size_t first = 0; first < count; first += section) {
        const std::size_t last = std::min(count, first + section);
        std::string head = "Age\t";
        for (std::size_t i = first; i < last; ++i) {
            head += flows.names[i] + "\t";
        }
        head += "Total\n";
        writer.startSection(target.screen ? head : head + kPrintRule);
        for (int age = flows.firstAge; age <= flows.lastAge; ++age) {
            writer.addRow(flowRow(flows, age, true, first, last));
            writer.addRow(flowRow(flows, age, false, first, last));
        }
    }
    return writer.finish();
}

std::optional<AccountFlows> readAccountFlows(const ReportTarget& target) {
    const auto incoming = readReportFile(target.workDir / "infile.tmp");
    if (!incoming) {
        target.dialogs.error("Cannot open infile.tmp", "FILE OPEN ERROR");
        return std::nullopt;
    }
    const auto outgoing = readReportFile(target.workDir / "outfile.tmp");
    if (!outgoing) {
        target.dialogs.error("Cannot open outfile.tmp", "FILE OPEN ERROR");
        return std::nullopt;
    }
    return parseAccountFlows(*incoming, *outgoing);
}

} // namespace finplan
