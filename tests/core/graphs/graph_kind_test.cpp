#include "graphs/account_pages.h"
#include "graphs/graph_kind.h"
#include "graphs/graph_roster.h"
#include "model/text_field.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdio>
#include <string>
#include <vector>

namespace finplan {
namespace {

// Every field of every year holds 100 x year + field number, so a value names its source.
ResultTables numberedTables() {
    ResultTables tables;
    for (int year = 0; year < kMaxShownYears; ++year) {
        std::array<float, kYearResultFields> fields{};
        for (int field = 0; field < kYearResultFields; ++field) {
            fields[static_cast<std::size_t>(field)] = static_cast<float>(100 * year + field);
        }
        tables.years[static_cast<std::size_t>(year)] = std::bit_cast<YearResult>(fields);
    }
    return tables;
}

// The series of a graph in one year as "label|value|colour".
std::vector<std::string> shownInYear(GraphKind kind, const ResultTables& tables,
                                     const GraphRoster& roster, int year, int first = 0,
                                     int end = 0) {
    std::vector<std::string> shown;
    for (const GraphSeries& s : graphSeries(kind, roster, first, end)) {
        char value[32];
        std::snprintf(value, sizeof value, "%.9g",
                      static_cast<double>(seriesValue(tables, roster, s.source, year)));
        shown.push_back(s.label + "|" + value + "|" + std::to_string(s.colorIndex));
    }
    return shown;
}

std::vector<std::string> rows(const std::string& name) {
    return test::linesOf(test::textBlock("graphs/graph_kind_texts.txt", name));
}

TEST(GraphKindSeries, FieldGraphsReadTheirFieldsInLegendOrder) {
    const ResultTables tables = numberedTables();
    const GraphRoster none;
    EXPECT_EQ(shownInYear(GraphKind::NetWorth, tables, none, 2), rows("net worth in year 2"));
    EXPECT_EQ(shownInYear(GraphKind::IncomingOutgoing, tables, none, 0),
              rows("incoming and outgoing in year 0"));
    EXPECT_EQ(shownInYear(GraphKind::Incoming, tables, none, 1), rows("incoming in year 1"));
    EXPECT_EQ(shownInYear(GraphKind::Outgoing, tables, none, 99), rows("outgoing in year 99"));
    EXPECT_TRUE(graphSeries(GraphKind::Breakdown, none).empty());
}

TEST(GraphKindSeries, YearsOutsideTheTablesReadZero) {
    const ResultTables tables = numberedTables();
    const GraphRoster none;
    const SeriesSource netWorth{SeriesSource::From::Field, 6};
    EXPECT_EQ(seriesValue(tables, none, netWorth, -1), 0.0f);
    EXPECT_EQ(seriesValue(tables, none, netWorth, kMaxShownYears), 0.0f);
    EXPECT_EQ(seriesValue(tables, none, {SeriesSource::From::Account, 51}, 3), 0.0f);
}

TEST(GraphKindSeries, TitlesAndNumbers) {
    EXPECT_EQ(graphTitle(GraphKind::NetWorth), "NET WORTH");
    EXPECT_EQ(graphTitle(GraphKind::IncomingOutgoing), "INCOMING / OUTGOING");
    EXPECT_EQ(graphTitle(GraphKind::Breakdown), "");
    EXPECT_EQ(graphKindFromNumber(7), GraphKind::Groups);
    EXPECT_EQ(graphKindFromNumber(0), std::nullopt);
    EXPECT_EQ(graphKindFromNumber(8), std::nullopt);
}

GraphRoster roster(const std::vector<std::pair<std::string, int>>& accounts) {
    AccountTable table;
    table.accountCount = static_cast<std::int16_t>(accounts.size());
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        setFieldText(table.accounts[i].name, accounts[i].first);
        table.accounts[i].group = static_cast<std::uint16_t>(accounts[i].second);
    }
    GroupTable groups;
    setFieldText(groups.groupNames[0], "Stocks");
    setFieldText(groups.groupNames[1], "X"); // one letter: an unused group
    setFieldText(groups.groupNames[4], "Cash");
    setFieldText(groups.groupNames[9], "Property");
    return graphRoster(table, groups);
}

TEST(GraphKindSeries, AccountsGraphShowsItsPageOfTheAccountList) {
    std::vector<std::pair<std::string, int>> accounts;
    for (int i = 0; i < 12; ++i) {
        accounts.emplace_back("Account no " + std::to_string(i), 0);
    }
    const GraphRoster list = roster(accounts);
    ResultTables tables;
    tables.accountValues[4][10] = 1500.5f;
    tables.accountValues[4][11] = -20.0f;
    EXPECT_EQ(shownInYear(GraphKind::Accounts, tables, list, 4, 10, 20), rows("accounts page"));
    EXPECT_EQ(graphSeries(GraphKind::Accounts, list, 0, 10).size(), 10u);
}

TEST(GraphKindGroups, OnlyNamesLongerThanOneLetterAndSumsOverTheirAccounts) {
    const GraphRoster list = roster({{"Fund", 4}, {"Shares", 0}, {"Bank", 4}, {"Odd", 1}});
    ASSERT_EQ(list.groups.size(), 3u);
    EXPECT_EQ(list.groups[0].index, 0);
    EXPECT_EQ(list.groups[1].index, 4);
    EXPECT_EQ(list.groups[1].name, "Cash");
    EXPECT_EQ(list.groups[2].index, 9);

    ResultTables tables;
    tables.accountValues[2] = {100.25f, 7.0f, 50.5f, 999.0f};
    EXPECT_EQ(shownInYear(GraphKind::Groups, tables, list, 2), rows("groups"));
}

TEST(GraphKindRange, CoversOnlyTheVisibleYearsAndAlwaysHoldsZero) {
    ResultTables tables;
    for (int year = 0; year < 10; ++year) {
        tables.years[static_cast<std::size_t>(year)].netWorth = 1000.0f * static_cast<float>(year);
        tables.years[static_cast<std::size_t>(year)].equity = 500.0f;
    }
    tables.years[1].investment = -300.0f;
    const GraphRoster none;
    const auto series = graphSeries(GraphKind::NetWorth, none);
    const ValueRange zoomed = seriesRange(tables, none, series, 3, 4);
    EXPECT_EQ(zoomed.min, 0.0f);
    EXPECT_EQ(zoomed.max, 6000.0f);
    const ValueRange all = seriesRange(tables, none, series, 0, 10);
    EXPECT_EQ(all.min, -300.0f);
    EXPECT_EQ(all.max, 9000.0f);
}

std::vector<std::string> pageLabels(int accounts) {
    std::vector<std::string> labels;
    for (const AccountPage& page : accountPages(accounts)) {
        labels.push_back(page.label + " [" + std::to_string(page.first) + "," +
                         std::to_string(page.end) + ")");
    }
    return labels;
}

// Account pages: tests/data/graphs/account_pages.txt.
TEST(GraphAccountPages, BlocksOfTenNamedByTheirAccountNumbers) {
    test::forEachCase("graphs/account_pages.txt", "pages", 7, [&](const test::CaseLine& c) {
        EXPECT_EQ(pageLabels(std::stoi(c.input("accounts"))),
                  test::partsOf(c.answer("labels"), ';'));
    });
}

} // namespace
} // namespace finplan
