#include "reports/page_reader.h"
#include "reports/report_lines.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

namespace finplan::test {
namespace {

// End markers, rules and data rows: tests/data/reports/report_cases.txt.
TEST(PageReader, EndMarkersRulesAndDataRowsAreTold) {
    forEachCase("reports/report_cases.txt", "", 48, [&](const CaseLine& c) {
        const std::string text = c.inputOr("text", "");
        if (c.word == "line") {
            EXPECT_EQ(isEndMarker(text), c.answer("end") == "1");
            EXPECT_EQ(isRuleLine(text), c.answer("rule") == "1");
        } else if (c.word == "row") {
            EXPECT_EQ(parsePage(text).lines.at(0).dataRow, c.answer("data") == "1");
        }
    });
}

TEST(PageReader, SplitsLinesIntoTrimmedCellsUpToTheEndMarker) {
    const PageText page = parsePage(" Age\tDooooone Savings\tSale ----- 2030\t\n"
                                    "---------------------------\n"
                                    "\n"
                                    " 45.0\t    100.00\t \t      2.50\t\n"
                                    "Dooooone\n"
                                    " 46.0\t  1.00\n");
    EXPECT_EQ(page.header,
              (std::vector<std::string>{"Age", "Dooooone Savings", "Sale ----- 2030"}));
    ASSERT_EQ(page.lines.size(), 4u);
    EXPECT_EQ(page.lines[1].kind, PageLine::Kind::Rule);
    EXPECT_TRUE(page.lines[2].cells.empty());
    EXPECT_EQ(page.lines[3].cells, (std::vector<std::string>{"45.0", "100.00", "2.50"}));
    EXPECT_TRUE(page.lines[3].dataRow);
    EXPECT_FALSE(page.lines[0].dataRow);
}

TEST(PageReader, KeepsTwelveColumnsAndReadsAnyBytes) {
    std::string line = "x";
    for (int i = 1; i <= 20; ++i) {
        line += "\t" + std::to_string(i);
    }
    const PageText page = parsePage(line);
    ASSERT_EQ(page.lines.size(), 1u);
    EXPECT_EQ(page.lines[0].cells.size(), 12u);
    EXPECT_EQ(page.lines[0].cells.back(), "11");

    const std::string odd("\0\t\xff\r\n\n\t\t", 8);
    const PageText bytes = parsePage(odd);
    EXPECT_EQ(bytes.lines.size(), 3u);
    EXPECT_TRUE(parsePage("").lines.empty());
}

} // namespace
} // namespace finplan::test
