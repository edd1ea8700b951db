#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace finplan {
namespace {

struct Export : ::testing::Test, test::EngineFixture {
    Export() {
        scenario.header.startAge = 60;
        scenario.header.endAge = 62;
        addAccount("Savings", AccountKind::InvestmentSavings, 1000, 10);
        addAccount("House", AccountKind::Equity, 50000, 0);
    }

    std::string exported(ExportKind kind) {
        std::ostringstream out;
        ResultsExport table(out, kind);
        deriveTotals(scenario);
        EXPECT_EQ(runSimulation(scenario, output, switches, environment, {.exportTo = &table}), 1);
        return out.str();
    }
};

TEST_F(Export, TabTableHasAHeaderAndARowPerShownYearFromTheOpeningSnapshot) {
    // Savings earns 10 % and pays 15 % tax on it; the house stays. The total is a float sum
    // (1,177.225 + 100,000 rounds to .23).
    EXPECT_EQ(exported(ExportKind::Tab), "Age\tSavings\tHouse\tEquity\tTotal\n"
                                         "60.00\t1000.00\t50000.00\t50000.00\t101000.00\n"
                                         "61.00\t1085.00\t50000.00\t50000.00\t101085.00\n"
                                         "62.00\t1177.22\t50000.00\t50000.00\t101177.23\n");
}

TEST_F(Export, CommaHeaderEndsWithACommaAndRowsDoNot) {
    const std::string text = exported(ExportKind::Comma);
    EXPECT_TRUE(text.starts_with("Age,Savings,House,Equity,Total,\n60.00,1000.00,50000.00,"
                                 "50000.00,101000.00\n"));
}

TEST_F(Export, SavedResultsStartWithTheDescriptionAndKeepEveryLine) {
    EventRecord& gift = addEvent(EventType::Deposit, 61, 61, "Gift");
    gift.amount = 10;
    gift.oneTime = 1;
    gift.accountId = 0;
    switches.saveRunInProgress = true;
    std::ostringstream file;
    ASSERT_EQ(deriveAndRunTo(file), 1);
    const std::string text = file.str();
    EXPECT_TRUE(text.starts_with(" 60.0 Initial Rates  Tax=15.00% Inflation=4.00%\n 61.0 Gift"))
        << text.substr(0, 80);
    EXPECT_EQ(text.find("??"), std::string::npos);
    EXPECT_NE(text.find("\n" + std::string(184, '-') + "\n60.0 \t"), std::string::npos);
    EXPECT_NE(text.find("\n  Gift - Deposit $10.00 to Savings\n"), std::string::npos);
}

} // namespace
} // namespace finplan
