#include "reports/account_flow_files.h"
#include "reports/flow_report.h"
#include "reports/selected_age_report.h"
#include "support/case_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>

namespace finplan::test {
namespace {

constexpr const char* kFlowRule = "---------------------------\n\n";

TEST(AccountFlowFiles, TakeTheAccountsFromTheIncomingFileAndSumEveryAmountLine) {
    const std::string incoming = textBlock("reports/flow_reports.txt", "incoming file");
    // The outgoing file holds amount lines only.
    const std::string outgoing = " 46.0\tHome\t      2.00\n 46.0\tHome\t      0.10\nDooone\n";
    const auto flows = std::make_unique<AccountFlows>(parseAccountFlows(incoming, outgoing));
    EXPECT_EQ(flows->names, (std::vector<std::string>{"Bank", "Home", "Bank"}));
    EXPECT_EQ(flows->incoming[45][0], 10.0f);
    EXPECT_EQ(flows->incoming[45][1], 1.25f);
    EXPECT_EQ(flows->incoming[45][2], 0.0f);
    EXPECT_EQ(flows->incoming[0][1], 0.0f);
    EXPECT_EQ(flows->outgoing[46][1], 2.0f + 0.1f);
    EXPECT_EQ(flows->firstAge, 45);
    EXPECT_EQ(flows->lastAge, 46);

    for (const char* bad : {"", "0\n", "51\n", "x\nBank\n", "3\nA\nB\n"}) {
        EXPECT_TRUE(parseAccountFlows(bad, outgoing).empty()) << bad;
    }
}

TEST(AccountFlowFiles, ReadEveryLineOfALargePlan) {
    std::string incoming = "1\nFund\n";
    for (int i = 0; i < 6000; ++i) {
        incoming += " 70.0\tFund\t      1.00\n";
    }
    const auto flows = std::make_unique<AccountFlows>(parseAccountFlows(incoming, ""));
    EXPECT_EQ(flows->incoming[70][0], 6000.0f);
}

std::unique_ptr<AccountFlows> twoAccountFlows() {
    auto flows = std::make_unique<AccountFlows>();
    flows->names = {"Bank", "Home"};
    flows->add(true, 45.0f, 0, 10.0f);
    flows->add(true, 45.5f, 1, 1.25f);
    flows->add(false, 46.0f, 1, 2.1f);
    flows->add(false, 46.0f, 2, 99.0f); // no third account
    flows->add(false, 0.0f, 1, 99.0f);  // no age
    return flows;
}

TEST(AccountFlowReport, GivesEachAgeAnIncomingAndAnOutgoingRowWithTheirTotals) {
    TempDir dir;
    ScriptedDialogs dialogs;
    const auto flows = twoAccountFlows();
    const std::string rows = " 45.0-I\t        10.00\t         1.25\t        11.25\n"
                             " 45.0-O\t         0.00\t         0.00\t         0.00\n"
                             " 46.0-I\t         0.00\t         0.00\t         0.00\n"
                             " 46.0-O\t         0.00\t         2.10\t         2.10\n";
    ASSERT_EQ(writeAccountFlowReport(*flows, {dir.path(), dialogs, false}).count(), 1);
    EXPECT_EQ(readText(dir / "rpage1"),
              std::string("Age\tBank\tHome\tTotal\n") + kFlowRule + rows + "Dooooone\n");
    ASSERT_EQ(writeAccountFlowReport(*flows, {dir.path(), dialogs, true}).count(), 1);
    EXPECT_EQ(readText(dir / "spage1"), "Age\tBank\tHome\tTotal\n" + rows + "Dooooone\n");
    EXPECT_EQ(writeAccountFlowReport(AccountFlows{}, {dir.path(), dialogs, false}).count(), 0);
}

TEST(AccountFlowReport, PagesHoldTwentyFourAgesAndSectionsTenAccounts) {
    forEachCase("reports/report_cases.txt", "flows", 5, [&](const CaseLine& c) {
        TempDir dir;
        ScriptedDialogs dialogs;
        auto flows = std::make_unique<AccountFlows>();
        for (int a = 0; a < std::stoi(c.input("accounts")); ++a) {
            flows->names.push_back("A" + std::to_string(a));
        }
        flows->add(true, 50.0f, 0, 1.0f);
        flows->add(true, static_cast<float>(49 + std::stoi(c.input("ages"))), 0, 1.0f);
        const PagesWritten pages = writeAccountFlowReport(*flows, {dir.path(), dialogs, false});
        const auto rows = partsOf(c.answer("rows"), ',');
        ASSERT_EQ(pages.count(), static_cast<int>(rows.size()));
        for (std::size_t p = 0; p < rows.size(); ++p) {
            const std::string text = readText(dir / pages.files[p]);
            EXPECT_EQ(std::count(text.begin(), text.end(), '-') - 27, std::stoi(rows[p])) << p;
        }
    });
}

TEST(SelectedAgeReport, TheRowLabelGivesTheAgeAndTheDirection) {
    forEachCase("reports/report_cases.txt", "label", 9, [&](const CaseLine& c) {
        const auto row = parseSelectedRow(c.input("text"));
        ASSERT_EQ(row.has_value(), c.answer("age") != "none");
        if (row) {
            EXPECT_EQ(row->age, std::stoi(c.answer("age")));
            EXPECT_EQ(row->incoming, c.answer("incoming") == "1");
        }
    });
}

TEST(SelectedAgeReport, ListsTheAccountsByKindAndByGroupWithSubtotals) {
    auto flows = std::make_unique<AccountFlows>();
    flows->names = {"Car", "Fund", "IRA", "Odd", "Home", "Gone"};
    const std::vector<float> amounts = {10.0f, 20.5f, 30.25f, 4.0f, 0.0f, 1.0f};
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        flows->add(true, 50.0f, static_cast<int>(i), amounts[i]);
    }
    ResultTables tables;
    ReportSource source{tables, {}, {}};
    // "Gone" is no longer the account the run had at its place.
    source.accounts = {{"Car", 0, 2},   {"Fund", 2, 0}, {"IRA", 3, 0},
                       {"Odd", -1, -1}, {"Home", 1, 2}, {"New", 4, 1}};
    source.groupNames[0] = "Growth";
    source.groupNames[2] = "Things";
    TempDir dir;
    ScriptedDialogs dialogs;
    const PagesWritten pages =
        writeSelectedAgeReport(*flows, source, {50, true}, {dir.path(), dialogs, false});
    ASSERT_EQ(pages.files, (std::vector<std::string>{"rpage1", "rpage2"}));
    EXPECT_EQ(readText(dir / "rpage1"),
              textBlock("reports/flow_reports.txt", "selected age rpage1"));
    EXPECT_EQ(readText(dir / "rpage2"),
              textBlock("reports/flow_reports.txt", "selected age rpage2"));

    const PagesWritten outgoing =
        writeSelectedAgeReport(*flows, source, {50, false}, {dir.path(), dialogs, false});
    ASSERT_EQ(outgoing.count(), 2);
    EXPECT_TRUE(readText(dir / "rpage1").starts_with("Accounts\tOutgoing\n"));
    EXPECT_TRUE(readText(dir / "rpage1").ends_with("\tTotal\t         0.00\nDooone\n"));
    for (const int age : {49, 51}) {
        EXPECT_EQ(writeSelectedAgeReport(*flows, source, {age, true}, {dir.path(), dialogs, false})
                      .count(),
                  0)
            << age;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace finplan::test
