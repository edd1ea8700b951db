#include "reports/page_geometry.h"
#include "reports/print_captions.h"
#include "reports/print_order.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace finplan::test {
namespace {

TEST(PrintLayout, GeometryOfEveryKindMatchesTheHandComputedTable) {
    std::ifstream in(testData("reports/print/geometry.txt"));
    ASSERT_TRUE(in);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::istringstream words(line);
        int kind = 0;
        std::string sheet, margins, bar;
        words >> kind >> sheet >> margins >> bar;
        PageMargins m;
        char comma = 0;
        std::istringstream(margins) >> m.left >> comma >> m.top >> comma >> m.right >> comma >>
            m.bottom;
        const bool portrait = sheet == "portrait";
        const PageDevice device{portrait ? 5100 : 6600, portrait ? 6600 : 5100, 600, 600};
        const PageGeometry g = pageGeometry(printKindFromNumber(kind), device, m);
        std::vector<int> expected(10);
        for (int& value : expected) {
            words >> value;
        }
        const std::vector<int> got{g.margins.left, g.margins.top, g.margins.right, g.margins.bottom,
                                   g.width,        g.height,      g.fontHeight,    g.charWidth,
                                   g.firstColumn,  g.columnWidth};
        EXPECT_EQ(got, expected) << line;
    }
}

// The pages a print job sends and the names reports go by: tests/data/reports/print_cases.txt.
TEST(PrintLayout, PageOrderAndReportNamesFollowTheDataFile) {
    forEachCase("reports/print_cases.txt", "", 17, [&](const CaseLine& c) {
        const auto number = [&](const std::string& key) { return std::stoi(c.input(key)); };
        if (c.word == "order") {
            const PrintChoice choice{number("from"), number("to"), number("copies"),
                                     number("collate") == 1};
            std::vector<int> order;
            for (const std::string& page : partsOf(c.answer("order"), ',')) {
                order.push_back(std::stoi(page));
            }
            EXPECT_EQ(printOrder(number("pages"), choice), order);
            return;
        }
        const PrintName name{printKindFromNumber(number("kind")), c.input("title"), number("age")};
        EXPECT_EQ(titlePageName(name), c.answer("title-page"));
        EXPECT_EQ(pageBlockName(name, 1), c.answer("first"));
        EXPECT_EQ(pageBlockName(name, 2), c.answer("later"));
    });
}

TEST(PrintLayout, TitlesStandInForTheFileDateAndTimeOnlyWhenTicked) {
    ReportTitles titles;
    std::snprintf(titles.title1.data(), titles.title1.size(), "%s", "Smith Family");
    std::snprintf(titles.title2.data(), titles.title2.size(), "%s", "Plan B");
    std::snprintf(titles.title3.data(), titles.title3.size(), "%s", "Draft");
    const LocalDateTime now{2027, 3, 4, 5, 6, 7};
    const PrintCaptions plain = printCaptions("sample.RET", now, titles);
    using Three = std::array<std::string, 3>;
    EXPECT_EQ(titlePageCaptions(plain), (Three{"File: sample.RET", "03/04/27", "05:06:07"}));
    EXPECT_EQ(blockCaptions(plain), (Three{" File: sample.RET", " 03/04/27", " 05:06:07"}));
    titles.useTitle1 = 1;
    titles.useTitle2 = 1;
    titles.useTitle3 = 1;
    const PrintCaptions own = printCaptions("sample.RET", now, titles);
    EXPECT_EQ(titlePageCaptions(own), (Three{"Smith Family", "Plan B", "Draft"}));
    EXPECT_EQ(blockCaptions(own), (Three{" Smith Family", "               Plan B", " Draft"}));
}

} // namespace
} // namespace finplan::test
