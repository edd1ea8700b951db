#include "model/text_field.h"
#include "reports/year_reports.h"
#include "results/run_output.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <memory>

namespace finplan::test {
namespace {

constexpr const char* kYearRule = "---------------------------\n\n";

// Three shown years at 60, 61 and 62 whose fields hold their own field numbers plus 100 per
// year, and liabilities of 7.25, 8.25 and 9.25 at those ages.
std::unique_ptr<ResultTables> numberedTables(int shownYears, int accounts) {
    auto tables = std::make_unique<ResultTables>();
    tables->shownYears = shownYears;
    for (int y = 0; y < shownYears; ++y) {
        YearResult& r = tables->years[static_cast<std::size_t>(y)];
        const float b = 100.0f * static_cast<float>(y);
        std::array<float, kYearResultFields> fields{60.0f + static_cast<float>(y)};
        for (int field = 1; field < kYearResultFields; ++field) {
            fields[static_cast<std::size_t>(field)] = b + static_cast<float>(field);
        }
        r = std::bit_cast<YearResult>(fields);
        tables->ageTotals[5][static_cast<std::size_t>(60 + y)] = 7.25f + static_cast<float>(y);
        for (int a = 0; a < accounts; ++a) {
            tables->accountValues[static_cast<std::size_t>(y)][static_cast<std::size_t>(a)] =
                b + static_cast<float>(a) + 0.5f;
        }
    }
    return tables;
}

ReportSource sourceOf(const ResultTables& tables, int accounts) {
    ReportSource source{tables, {}, {}};
    for (int a = 0; a < accounts; ++a) {
        source.accounts.push_back({"A" + std::to_string(a), 2, a % 3});
    }
    return source;
}

TEST(YearReports, ListEveryShownYearButTheLastWithTheColumnsOfTheirKind) {
    // The header, the first and the last row of each report.
    const std::pair<YearReport, const char*> cases[] = {
        {YearReport::NetWorth, "net worth"},
        {YearReport::Incoming, "incoming"},
        {YearReport::Outgoing, "outgoing"},
    };
    const auto tables = numberedTables(3, 0);
    for (const auto& [kind, name] : cases) {
        const std::string known = textBlock("reports/year_reports_texts.txt",
                                            name + std::string(": header, first and last row"));
        const std::string header = known.substr(0, known.find('\n') + 1);
        const std::string rows = known.substr(header.size());
        TempDir dir;
        ScriptedDialogs dialogs;
        const ReportSource source = sourceOf(*tables, 0);
        const PagesWritten print = writeYearReport(kind, source, {dir.path(), dialogs, false});
        ASSERT_EQ(print.files, std::vector<std::string>{"rpage1"});
        EXPECT_EQ(readText(dir / "rpage1"), header + kYearRule + rows + "Dooooone");
        const PagesWritten screen = writeYearReport(kind, source, {dir.path(), dialogs, true});
        ASSERT_EQ(screen.files, std::vector<std::string>{"spage1"});
        EXPECT_EQ(readText(dir / "spage1"), header + rows + "Dooooone");
    }
}

TEST(YearReports, ARunOfOneYearHasNothingToReport) {
    TempDir dir;
    ScriptedDialogs dialogs;
    const auto tables = numberedTables(1, 3);
    const ReportSource source = sourceOf(*tables, 3);
    EXPECT_EQ(writeYearReport(YearReport::NetWorth, source, {dir.path(), dialogs, false}).count(),
              0);
    EXPECT_EQ(writeAccountsReport(source, {dir.path(), dialogs, false}).count(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "rpage1"));
}

TEST(AccountsReport, PrintsSectionsOfTenAccountsEachOnANewPage) {
    forEachCase("reports/report_cases.txt", "accounts", 4, [&](const CaseLine& c) {
        TempDir dir;
        ScriptedDialogs dialogs;
        const int accounts = std::stoi(c.input("count"));
        const auto tables = numberedTables(3, accounts);
        const PagesWritten pages = writeAccountsReport(
            sourceOf(*tables, accounts), {dir.path(), dialogs, c.input("screen") == "1"});
        const auto firsts = partsOf(c.answer("first"), ',');
        const auto columns = partsOf(c.answer("columns"), ',');
        ASSERT_EQ(pages.count(), static_cast<int>(columns.size()));
        for (std::size_t p = 0; p < pages.files.size(); ++p) {
            const std::string text = readText(dir / pages.files[p]);
            EXPECT_TRUE(text.starts_with(" Age\t" + firsts[p] + "\t")) << text;
            const std::string header = text.substr(0, text.find('\n'));
            EXPECT_EQ(std::count(header.begin(), header.end(), '\t'), std::stoi(columns[p]) + 1);
            EXPECT_TRUE(text.ends_with("\nDooooone"));
        }
    });
    // The values of the second section's first row: accounts 10 and up, year 60.
    TempDir dir;
    ScriptedDialogs dialogs;
    const auto tables = numberedTables(2, 12);
    ASSERT_EQ(writeAccountsReport(sourceOf(*tables, 12), {dir.path(), dialogs, false}).count(), 2);
    EXPECT_EQ(readText(dir / "rpage2"), std::string(" Age\tA10\tA11\t\n") + kYearRule +
                                            " 60.0\t        10.50\t        11.50\t\nDooooone");
}

TEST(GroupReport, ListsGroupsNamedLongerThanOneCharacterWithTheirAccountsSums) {
    TempDir dir;
    ScriptedDialogs dialogs;
    const auto tables = numberedTables(3, 5);
    ReportSource source{*tables, {}, {}};
    source.groupNames = {"Bonds", "X", "", "Stocks", "", "", "", "", "", "Yz"};
    // Accounts 0 and 2 are Bonds, 3 is Stocks, 1 is in the one-letter group, 4 is unknown.
    source.accounts = {{"a", 2, 0}, {"b", 2, 1}, {"c", 2, 0}, {"d", 2, 3}, {"e", 2, -1}};
    const PagesWritten pages = writeGroupReport(source, {dir.path(), dialogs, false});
    ASSERT_EQ(pages.count(), 1);
    // Year 60: Bonds 0.5 + 2.5, Stocks 3.5, Yz nothing.
    EXPECT_EQ(readText(dir / "rpage1"),
              std::string(" Age\tBonds\tStocks\tYz\t\n") + kYearRule +
                  " 60.0\t         3.00\t         3.50\t         0.00\t\n"
                  " 61.0\t       203.00\t       103.50\t         0.00\t\nDooooone");
    EXPECT_EQ(listedGroups(source), (std::vector<int>{0, 3, 9}));
}

TEST(ReportSource, KindsAndGroupsOnlyOfAccountsInRangeThatStillMatchTheRun) {
    Scenario scenario =
        makeScenario(test::textBlock("reports/year_reports_scenarios.txt",
                                     "KindsAndGroupsOnlyOfAccountsInRangeThatStillMatchTheRun"));
    scenario.accounts.accounts[2].kind = 7;
    scenario.accounts.accounts[2].group = 10;
    setFieldText(scenario.groups.groupNames[2], "Savings");
    RunOutput output;
    output.accountNames = {"Bank", "Home", "Odd", "Sold"};
    const ReportSource source = reportSource(scenario, output);
    ASSERT_EQ(source.accounts.size(), 4u);
    EXPECT_EQ(source.accounts[0].kind, 4);
    EXPECT_EQ(source.accounts[0].group, 2);
    EXPECT_EQ(source.accounts[1].kind, 0);
    EXPECT_EQ(source.accounts[1].group, 9);
    EXPECT_EQ(source.accounts[2].kind, -1);
    EXPECT_EQ(source.accounts[2].group, -1);
    EXPECT_EQ(source.accounts[3].name, "Sold");
    EXPECT_EQ(source.accounts[3].kind, -1);
    EXPECT_EQ(source.groupNames[2], "Savings");
}

} // namespace
} // namespace finplan::test
