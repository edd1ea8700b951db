#include "gui/graphs/graph_pages.h"

#include "app/planner.h"
#include "graphs/account_pages.h"
#include "gui/graphs/graph_widget.h"

#include <cstddef>
#include <string>

namespace finplan::gui {

namespace {

constexpr int kSummaryTab = 0;
constexpr int kFirstGraphTab = 4;
constexpr int kFirstAccountTab = 9;

QString objectNameFor(const GraphPageSpec& spec) {
    if (spec.fourGraphView) {
        return QStringLiteral("summaryGraphs");
    }
    switch (spec.kind) {
    case GraphKind::NetWorth:
        return QStringLiteral("netWorthGraph");
    case GraphKind::IncomingOutgoing:
        return QStringLiteral("incomingOutgoingGraph");
    case GraphKind::Incoming:
        return QStringLiteral("incomingGraph");
    case GraphKind::Outgoing:
        return QStringLiteral("outgoingGraph");
    case GraphKind::Groups:
        return QStringLiteral("groupsGraph");
    case GraphKind::Accounts:
        return QStringLiteral("accountsGraph%1").arg(spec.firstAccount / kAccountsPerPage + 1);
    case GraphKind::Breakdown:
        break;
    }
    return QStringLiteral("graphWidget");
}

} // namespace

std::optional<GraphPageSpec> graphPageForTab(int tabIndex, int accountCount) {
    if (tabIndex == kSummaryTab) {
        return GraphPageSpec{true, GraphKind::NetWorth, 0, 0};
    }
    constexpr GraphKind kTabKinds[] = {GraphKind::NetWorth, GraphKind::IncomingOutgoing,
                                       GraphKind::Incoming, GraphKind::Outgoing, GraphKind::Groups};
    if (tabIndex >= kFirstGraphTab && tabIndex < kFirstAccountTab) {
        return GraphPageSpec{false, kTabKinds[tabIndex - kFirstGraphTab], 0, 0};
    }
    const std::vector<AccountPage> pages = accountPages(accountCount);
    const int page = tabIndex - kFirstAccountTab;
    if (page >= 0 && page < static_cast<int>(pages.size())) {
        const AccountPage& block = pages[static_cast<std::size_t>(page)];
        return GraphPageSpec{false, GraphKind::Accounts, block.first, block.end};
    }
    return std::nullopt;
}

GraphWidget* makeGraphPage(const GraphPageSpec& spec, GraphView& view,
                           const render::GraphSource& source, int startupClientHeight,
                           QWidget* parent) {
    if (spec.fourGraphView) {
        // The four-graph view starts from its own graphs, not from a breakdown left open.
        view.showGraph(GraphKind::NetWorth);
        view.enterFourGraphView();
    } else {
        view.showGraph(spec.kind);
    }
    auto* page = new GraphWidget(view, source, parent);
    page->setObjectName(objectNameFor(spec));
    page->setAccountBlock(spec.firstAccount, spec.endAccount);
    page->setStartupClientHeight(startupClientHeight);
    return page;
}

GraphWidget* makeGraphPage(const GraphPageSpec& spec, GraphView& view, Planner& planner,
                           int startupClientHeight, QWidget* parent) {
    const render::GraphSource source{planner.scenario(), planner.output(), planner.settings()};
    return makeGraphPage(spec, view, source, startupClientHeight, parent);
}

} // namespace finplan::gui
