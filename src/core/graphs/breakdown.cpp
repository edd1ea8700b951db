#include "graphs/breakdown.h"

#include "results/money_text.h"
#include "results/text_format.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace finplan {

namespace {

constexpr float kFullTurn = 6.28318f;

// The items of the chart: the source graph's series without its total series where it has
// one, so each item keeps its colour from that graph.
std::vector<GraphSeries> items(GraphKind source, const GraphRoster& roster, int firstAccount,
                               int endAccount) {
    std::vector<GraphSeries> series = graphSeries(source, roster, firstAccount, endAccount);
    const bool leadingTotal = source == GraphKind::NetWorth || source == GraphKind::Incoming ||
                              source == GraphKind::Outgoing;
    if (leadingTotal && !series.empty()) {
        series.erase(series.begin());
    }
    return series;
}

} // namespace

std::string_view breakdownTitle(GraphKind source) {
    return source == GraphKind::IncomingOutgoing ? "INCOMING/OUTGOING" : graphTitle(source);
}

Breakdown breakdown(GraphKind source, const ResultTables& tables, const GraphRoster& roster,
                    int yearIndex, int firstAccount, int endAccount) {
    Breakdown chart;
    chart.source = source;
    chart.title = std::string(breakdownTitle(source));
    float cumulative = 0.0f;
    for (GraphSeries& item : items(source, roster, firstAccount, endAccount)) {
        float value = seriesValue(tables, roster, item.source, yearIndex);
        if (source == GraphKind::Groups) {
            value = std::trunc(value); // groups are split in whole dollars
        }
        BreakdownSlice slice{std::move(item.label), value, cumulative, cumulative, 0.0f,
                             item.colorIndex};
        if (value > 0.0f) {
            cumulative = cumulative + value;
        }
        slice.end = cumulative;
        chart.slices.push_back(std::move(slice));
    }
    chart.total = cumulative;
    for (BreakdownSlice& slice : chart.slices) {
        slice.percent =
            chart.total > 0.0f ? (slice.end - slice.start) / chart.total * 100.0f : 0.0f;
    }
    return chart;
}

std::string shareText(float percent) {
    return formatText("% 6.2f", static_cast<double>(percent)) + "%";
}

std::string breakdownTotalText(const Breakdown& chart) {
    return "Total = " + moneyText(chart.total);
}

float pieAngle(const Breakdown& chart, float cumulative) {
    return chart.total > 0.0f ? cumulative / chart.total * kFullTurn : 0.0f;
}

std::optional<std::size_t> sliceAt(const Breakdown& chart, float dx, float dy) {
    if (chart.slices.empty()) {
        return std::nullopt;
    }
    // The centre itself has no direction; half a pixel off it points to 3 o'clock.
    const float distance = std::max(std::sqrt(dx * dx + dy * dy), 0.5f);
    float angle = std::acos(std::clamp(dx / distance, -1.0f, 1.0f));
    if (dy < 0.0f) {
        angle = kFullTurn - angle;
    }
    const float position = angle / (2.0f * std::numbers::pi_v<float>)*chart.total;
    for (std::size_t i = 0; i < chart.slices.size(); ++i) {
        if (chart.slices[i].end >= position) {
            return i;
        }
    }
    return chart.slices.size() - 1;
}

std::array<std::string, 2> sliceReadout(const BreakdownSlice& slice) {
    return {slice.label, moneyText(slice.end - slice.start)};
}

} // namespace finplan
