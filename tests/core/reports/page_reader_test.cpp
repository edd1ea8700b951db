#include "reports/page_reader.h"
#include "reports/report_lines.h"

#include <gtest/gtest.h>

namespace finplan::test {
namespace {

TEST(PageReader, EndMarkersAndRulesCountOnlyAsWholeLines) {
    struct Case {
        const char* line;
        bool end;
        bool rule;
    };
    for (const Case c :
         {Case{"Dooooone", true, false}, Case{"Dooone", true, false}, Case{"Dooone\r", true, false},
          Case{"  Dooone", true, false}, Case{"Dooooone Savings", false, false},
          Case{"Doooone", false, false}, Case{" 45.0\tDooone Fund\t2\t1.00", false, false},
          Case{"---------------------------", false, true}, Case{"-", false, true},
          Case{"Sale ----- 2030", false, false}, Case{"------ x", false, false},
          Case{"", false, false}}) {
        EXPECT_EQ(isEndMarker(c.line), c.end) << c.line;
        EXPECT_EQ(isRuleLine(c.line), c.rule) << c.line;
    }
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

TEST(PageReader, DataRowsHaveADigitOneToNineInTheirFirstFourCharacters) {
    struct Case {
        const char* line;
        bool data;
    };
    for (const Case c : {Case{" 45.0\t1", true}, Case{"  0.0\t1", false}, Case{"Age\t", false},
                         Case{"   9", true}, Case{"    9", false}, Case{"\tSub Total", false}}) {
        EXPECT_EQ(parsePage(c.line).lines.at(0).dataRow, c.data) << c.line;
    }
}

} // namespace
} // namespace finplan::test
