#include "reports/report_pages.h"

#include "reports/event_reports.h"
#include "reports/flow_report.h"
#include "reports/selected_age_report.h"
#include "reports/year_reports.h"

#include <array>

namespace finplan {

namespace {

struct KindName {
    ReportKind kind;
    std::string_view word;
    std::string_view title;
};

constexpr std::array<KindName, 8> kKinds = {{
    {ReportKind::NetWorth, "networth", "Net Worth Report"},
    {ReportKind::Incoming, "incoming", "Incoming Report"},
    {ReportKind::Outgoing, "outgoing", "Outgoing Report"},
    {ReportKind::Accounts, "accounts", "Accounts Report"},
    {ReportKind::Groups, "groups", "Group Report"},
    {ReportKind::IncomingEvents, "incoming-events", "Incoming Events Report"},
    {ReportKind::OutgoingEvents, "outgoing-events", "Outgoing Events Report"},
    {ReportKind::AccountFlow, "account-flow", "Accounts/Incoming/Outgoing Report"},
}};

std::optional<AccountFlows> flowsOf(const ReportSource& source, const ReportTarget& target) {
    if (source.flows != nullptr) {
        return *source.flows;
    }
    return readAccountFlows(target);
}

} // namespace

std::optional<ReportKind> reportKindFromText(std::string_view text) {
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        if (text == kKinds[i].word || text == std::to_string(i + 1)) {
            return kKinds[i].kind;
        }
    }
    return std::nullopt;
}

std::string_view reportTitle(ReportKind kind) {
    return kKinds[static_cast<std::size_t>(kind) - 1].title;
}

PagesWritten writeReport(ReportKind kind, const ReportSource& source, const ReportTarget& target) {
    switch (kind) {
    case ReportKind::NetWorth:
    case ReportKind::Incoming:
    case ReportKind::Outgoing:
        return writeYearReport(static_cast<YearReport>(kind), source, target);
    case ReportKind::Accounts:
        return writeAccountsReport(source, target);
    case ReportKind::Groups:
        return writeGroupReport(source, target);
    case ReportKind::IncomingEvents:
    case ReportKind::OutgoingEvents:
        if (!writeEventWorkFile(target)) {
            return {{}, true};
        }
        return writeEventsReport(kind == ReportKind::IncomingEvents, target);
    case ReportKind::AccountFlow:
        break;
    }
    const auto flows = flowsOf(source, target);
    return flows ? writeAccountFlowReport(*flows, target) : PagesWritten{{}, true};
}

PagesWritten writeSelectedAge(std::string_view rowLabel, const ReportSource& source,
                              const ReportTarget& target) {
    const auto row = parseSelectedRow(rowLabel);
    if (!row) {
        return {};
    }
    const auto flows = flowsOf(source, target);
    return flows ? writeSelectedAgeReport(*flows, source, *row, target) : PagesWritten{{}, true};
}

} // namespace finplan
