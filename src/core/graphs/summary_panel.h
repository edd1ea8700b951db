#pragma once

#include "results/result_tables.h"

#include <string>
#include <vector>

namespace finplan {

// Whole dollars: exact halves go up, and negative amounts are cut toward zero (-2.5 gives -2,
// -2.7 gives -2). Amounts beyond a long saturate; NaN gives 0.
long roundDollars(float value);

// roundDollars printed with "%ld" and given its dollar sign and thousands commas.
std::string dollarText(float value);

// The three blocks the panel can show; the quadrant under the cursor picks one.
enum class SummaryBlockKind { NetWorth, Incoming, Outgoing };

// The block for a four-graph quadrant: 1 net worth, 2 incoming, 3 outgoing; net worth for
// any other place.
SummaryBlockKind summaryBlockFor(int quadrant);

struct SummaryRow {
    std::string label;
    float value = 0.0f;
    std::string amount; // dollarText of the value
    int labelColor = 0;
    int amountColor = 0;
};

// A heading ("Net Worth", "Incoming", "Outgoing") and its rows, the total last.
struct SummaryBlock {
    std::string heading;
    std::vector<SummaryRow> rows;
};

// The block for the selected year: net worth from the age totals at the year's whole age,
// incoming and outgoing from the year's results. Ages or years outside the tables read 0.
SummaryBlock summaryBlock(SummaryBlockKind kind, const ResultTables& tables, int yearIndex);

} // namespace finplan
