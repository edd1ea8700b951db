#pragma once

#include "graphs/graph_kind.h"
#include "graphs/graph_view.h"
#include "render/graph_source.h"

#include <optional>

class QWidget;

namespace finplan {
class Planner;
}

namespace finplan::gui {

class GraphWidget;

// What a folder tab of the main window shows when it is a graph page.
struct GraphPageSpec {
    bool fourGraphView = false; // the Summary tab
    GraphKind kind = GraphKind::NetWorth;
    int firstAccount = 0; // the accounts graph's block
    int endAccount = 0;
};

// The tabs: 0 the four-graph summary, 4 net worth, 5 incoming/outgoing, 6 incoming,
// 7 outgoing, 8 groups, 9 and on the blocks of ten accounts as far as there are accounts.
// Empty for the other tabs.
std::optional<GraphPageSpec> graphPageForTab(int tabIndex, int accountCount);

// A graph page over results the caller keeps alive; the view is set to the page's graph.
GraphWidget* makeGraphPage(const GraphPageSpec& spec, GraphView& view,
                           const render::GraphSource& source, int startupClientHeight,
                           QWidget* parent);

// The same over the planner's scenario, results and settings.
GraphWidget* makeGraphPage(const GraphPageSpec& spec, GraphView& view, Planner& planner,
                           int startupClientHeight, QWidget* parent);

} // namespace finplan::gui
