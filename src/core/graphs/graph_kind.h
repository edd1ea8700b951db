#pragma once

#include "graphs/graph_roster.h"
#include "results/result_tables.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// The graphs, by the numbers the plot file, the tabs and the print commands pass around.
enum class GraphKind {
    NetWorth = 1,
    IncomingOutgoing = 2,
    Incoming = 3,
    Outgoing = 4,
    Accounts = 5,
    Breakdown = 6, // one year's components of the graph it was opened from
    Groups = 7,
};

std::optional<GraphKind> graphKindFromNumber(int number);

constexpr int graphNumber(GraphKind kind) {
    return static_cast<int>(kind);
}

// "NET WORTH", "INCOMING / OUTGOING", ...; the breakdown chart has no title of its own.
std::string_view graphTitle(GraphKind kind);

// Where a series takes its values: a numbered `YearResult` field, an account position of the
// result tables, or a group index summed over its accounts.
struct SeriesSource {
    enum class From { Field, Account, Group };
    From from = From::Field;
    int index = 0;

    friend bool operator==(const SeriesSource&, const SeriesSource&) = default;
};

// One series as drawn and listed in the legend; colorIndex is its place in the palette.
struct GraphSeries {
    std::string label;
    SeriesSource source;
    int colorIndex = 1;
};

// The series of a time-series graph in drawing order. The accounts graph shows positions
// firstAccount .. endAccount - 1 (cut to the roster); the breakdown chart has none.
std::vector<GraphSeries> graphSeries(GraphKind kind, const GraphRoster& roster,
                                     int firstAccount = 0, int endAccount = 0);

// The series' value in a year; 0 for a year or a position the tables do not hold.
float seriesValue(const ResultTables& tables, const GraphRoster& roster, const SeriesSource& source,
                  int yearIndex);

struct ValueRange {
    float min = 0.0f;
    float max = 0.0f;
};

// The smallest and largest value of all series over the visible years. Both start at 0, so
// the value axis always holds zero.
ValueRange seriesRange(const ResultTables& tables, const GraphRoster& roster,
                       const std::vector<GraphSeries>& series, int startIndex, int yearCount);

// Years the lines and 3-D bars draw: the flow graphs (incoming/outgoing, incoming, outgoing)
// leave out their last visible year.
int drawnYearCount(GraphKind kind, int visibleYears);

} // namespace finplan
