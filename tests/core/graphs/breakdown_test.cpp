#include "graphs/breakdown.h"
#include "model/text_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace finplan {
namespace {

struct Piece {
    std::string label;
    float start;
    float end;
    float percent;
    int color;

    // Shares are single-precision quotients: equal to within a float's rounding.
    friend bool operator==(const Piece& a, const Piece& b) {
        return a.label == b.label && a.start == b.start && a.end == b.end &&
               std::fabs(a.percent - b.percent) <= 1e-5f * std::fabs(b.percent) &&
               a.color == b.color;
    }
    friend void PrintTo(const Piece& p, std::ostream* out) {
        *out << p.label << " [" << p.start << "," << p.end << ") " << p.percent << "% colour "
             << p.color;
    }
};

std::vector<Piece> pieces(const Breakdown& chart) {
    std::vector<Piece> result;
    for (const BreakdownSlice& s : chart.slices) {
        result.push_back({s.label, s.start, s.end, s.percent, s.colorIndex});
    }
    return result;
}

ResultTables netWorthYear(int year) {
    ResultTables tables;
    YearResult& row = tables.years[static_cast<std::size_t>(year)];
    row.netWorth = 123456.0f; // the total series is not a slice
    row.investment = 100.0f;
    row.taxFree = -50.0f;
    row.retirement = 300.0f;
    row.assetAccounts = 0.0f;
    row.equity = 600.0f;
    return tables;
}

TEST(Breakdown, OnlyPositiveValuesTakeRoomAndKeepTheirGraphColours) {
    const Breakdown chart = breakdown(GraphKind::NetWorth, netWorthYear(3), GraphRoster{}, 3);
    EXPECT_EQ(chart.title, "NET WORTH");
    EXPECT_EQ(chart.total, 1000.0f);
    EXPECT_EQ(pieces(chart), (std::vector<Piece>{{"Investment Accounts", 0, 100, 10, 2},
                                                 {"Tax-free Accounts", 100, 100, 0, 3},
                                                 {"Retirement Accounts", 100, 400, 30, 4},
                                                 {"Asset Accounts", 400, 400, 0, 5},
                                                 {"Equity", 400, 1000, 60, 6}}));
    EXPECT_EQ(chart.slices[1].value, -50.0f);
    EXPECT_FALSE(chart.slices[1].hasWidth());
    EXPECT_TRUE(chart.drawsPie());
    EXPECT_TRUE(chart.listsShares());
    EXPECT_EQ(shareText(chart.slices[0].percent), " 10.00%");
    EXPECT_EQ(shareText(100.0f), " 100.00%");
    EXPECT_EQ(shareText(0.0f), "  0.00%");
    EXPECT_EQ(breakdownTotalText(chart), "Total = $1,000.00");
}

TEST(Breakdown, FlowSourcesLeaveOutTheirTotalsAndIncomingOutgoingListsLabelsOnly) {
    ResultTables tables;
    YearResult& row = tables.years[0];
    row.incoming = 900.0f;
    row.deposits = 1.0f;
    row.taxableIncome = 2.0f;
    row.nonTaxableIncome = 3.0f;
    row.loans = 4.0f;
    row.sales = 5.0f;
    row.appreciation = 6.0f;
    row.outgoing = 300.0f;
    const Breakdown incoming = breakdown(GraphKind::Incoming, tables, GraphRoster{}, 0);
    EXPECT_EQ(incoming.title, "INCOMING");
    ASSERT_EQ(incoming.slices.size(), 6u);
    EXPECT_EQ(incoming.slices[4].label, "Assets");
    EXPECT_EQ(incoming.slices[4].value, 6.0f);
    EXPECT_EQ(incoming.slices[5].label, "Equity");
    EXPECT_EQ(incoming.slices[5].colorIndex, 7);
    EXPECT_EQ(incoming.total, 21.0f);

    const Breakdown both = breakdown(GraphKind::IncomingOutgoing, tables, GraphRoster{}, 0);
    EXPECT_EQ(both.title, "INCOMING/OUTGOING");
    EXPECT_FALSE(both.listsShares());
    EXPECT_EQ(pieces(both),
              (std::vector<Piece>{{"Incoming", 0, 900, 75, 1}, {"Outgoing", 900, 1200, 25, 2}}));

    const Breakdown outgoing = breakdown(GraphKind::Outgoing, tables, GraphRoster{}, 0);
    EXPECT_EQ(outgoing.slices.size(), 5u);
    EXPECT_EQ(outgoing.slices[0].label, "Withdrawals");
    EXPECT_EQ(outgoing.total, 0.0f);
    EXPECT_EQ(outgoing.slices[0].percent, 0.0f);
}

TEST(Breakdown, NoPieUpToATotalOfTen) {
    ResultTables tables;
    tables.years[0].investment = 6.0f;
    tables.years[0].equity = 4.0f;
    const Breakdown ten = breakdown(GraphKind::NetWorth, tables, GraphRoster{}, 0);
    EXPECT_EQ(ten.total, 10.0f);
    EXPECT_FALSE(ten.drawsPie());
    EXPECT_FLOAT_EQ(ten.slices[0].percent, 60.0f); // the legend still shows the shares

    tables.years[0].equity = 4.01f;
    EXPECT_TRUE(breakdown(GraphKind::NetWorth, tables, GraphRoster{}, 0).drawsPie());
}

TEST(Breakdown, GroupsSplitInWholeDollarsAndAccountsByPage) {
    AccountTable accounts;
    accounts.accountCount = 3;
    setFieldText(accounts.accounts[0].name, "Brokerage");
    accounts.accounts[0].group = 2;
    setFieldText(accounts.accounts[1].name, "Savings");
    accounts.accounts[1].group = 5;
    setFieldText(accounts.accounts[2].name, "IRA");
    accounts.accounts[2].group = 2;
    GroupTable groups;
    setFieldText(groups.groupNames[2], "Growth");
    setFieldText(groups.groupNames[5], "Safe");
    const GraphRoster roster = graphRoster(accounts, groups);
    ResultTables tables;
    tables.accountValues[1] = {10.6f, 5.9f, 0.6f};

    const Breakdown byGroup = breakdown(GraphKind::Groups, tables, roster, 1);
    EXPECT_EQ(byGroup.title, "GROUPS");
    EXPECT_EQ(pieces(byGroup), (std::vector<Piece>{{"Growth", 0, 11, 11.0f / 16.0f * 100.0f, 1},
                                                   {"Safe", 11, 16, 5.0f / 16.0f * 100.0f, 2}}));

    const Breakdown byAccount = breakdown(GraphKind::Accounts, tables, roster, 1, 1, 3);
    EXPECT_EQ(byAccount.title, "ACCOUNTS");
    ASSERT_EQ(byAccount.slices.size(), 2u);
    EXPECT_EQ(byAccount.slices[0].label, "Savings");
    EXPECT_EQ(byAccount.slices[1].end, 5.9f + 0.6f);

    EXPECT_TRUE(breakdown(GraphKind::Breakdown, tables, roster, 1).slices.empty());
}

TEST(Breakdown, ClickedPointFindsTheSliceClockwiseFromThreeOClock) {
    const Breakdown chart = breakdown(GraphKind::NetWorth, netWorthYear(0), GraphRoster{}, 0);
    // Slices: [0,100) [100,100) [100,400) [400,400) [400,1000).
    EXPECT_EQ(sliceAt(chart, 10.0f, 0.0f), 0u);  // 3 o'clock: position 0
    EXPECT_EQ(sliceAt(chart, 0.0f, 10.0f), 2u);  // 6 o'clock on screen: a quarter, 250
    EXPECT_EQ(sliceAt(chart, -10.0f, 0.0f), 4u); // 9 o'clock: half, 500
    EXPECT_EQ(sliceAt(chart, 0.0f, -10.0f), 4u); // 12 o'clock: three quarters
    EXPECT_EQ(sliceAt(chart, 10.0f, -1.0f), 4u); // just above 3 o'clock: almost the whole
    EXPECT_EQ(sliceAt(chart, 0.0f, 0.0f), 2u);   // the centre counts as straight down
    // The first slice ends at 36 degrees: 35 degrees is position 97.2, 36.9 is 102.4.
    EXPECT_EQ(sliceAt(chart, 81.915f, 57.358f), 0u);
    EXPECT_EQ(sliceAt(chart, 80.0f, 60.0f), 2u);
    EXPECT_EQ(sliceReadout(chart.slices[2]),
              (std::array<std::string, 2>{"Retirement Accounts", "$300.00"}));
    EXPECT_EQ(sliceAt(Breakdown{}, 1.0f, 1.0f), std::nullopt);
}

} // namespace
} // namespace finplan
