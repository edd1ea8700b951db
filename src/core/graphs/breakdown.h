#pragma once

#include "graphs/graph_kind.h"
#include "graphs/graph_roster.h"
#include "results/result_tables.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// One item of the breakdown chart. Only a positive value takes room: the slice covers the
// cumulative range [start, end) of the positive values before and including it.
struct BreakdownSlice {
    std::string label;
    float value = 0.0f;
    float start = 0.0f;
    float end = 0.0f;
    float percent = 0.0f;
    int colorIndex = 1; // the colour of the same item in the graph the chart was opened from

    bool hasWidth() const { return end != start; }
};

// One year of a graph split into its components, for the pie and its legend.
struct Breakdown {
    GraphKind source = GraphKind::NetWorth;
    std::string title;
    std::vector<BreakdownSlice> slices;
    float total = 0.0f;

    // Small totals give no pie, only the legend.
    bool drawsPie() const { return total > 10.0f; }
    // Incoming against outgoing is no split of one whole: its legend lists the labels only.
    bool listsShares() const { return source != GraphKind::IncomingOutgoing; }
};

// The breakdown of yearIndex for the source graph; the accounts source takes the page
// firstAccount .. endAccount - 1. Sources without a breakdown give no slices.
Breakdown breakdown(GraphKind source, const ResultTables& tables, const GraphRoster& roster,
                    int yearIndex, int firstAccount = 0, int endAccount = 0);

// "NET WORTH", "INCOMING/OUTGOING", ...: the chart's title for its source graph.
std::string_view breakdownTitle(GraphKind source);

// A legend share: "% 6.2f" then "%" (" 25.00%").
std::string shareText(float percent);

// The legend's last line: "Total = " and the money text of the total.
std::string breakdownTotalText(const Breakdown& chart);

// Radians from the 3 o'clock direction, clockwise on the screen, where a cumulative amount
// lies on the pie.
float pieAngle(const Breakdown& chart, float cumulative);

// The slice under a point given relative to the pie's centre in screen pixels (y grows
// downward); none only when the chart has no slices.
std::optional<std::size_t> sliceAt(const Breakdown& chart, float dx, float dy);

// The two lines shown for a clicked slice: its label and its amount as money text.
std::array<std::string, 2> sliceReadout(const BreakdownSlice& slice);

} // namespace finplan
