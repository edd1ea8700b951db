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

TEST(PrintLayout, PagesGoOutInRangeCopyAndCollateOrder) {
    struct Case {
        int pages;
        PrintChoice choice;
        std::vector<int> order;
    };
    const std::vector<Case> cases = {
        {5, {2, 3, 1, false}, {0, 2, 3}},
        {3, {0, 3, 1, false}, {0, 1, 2, 3}},
        {3, {1, 3, 2, false}, {0, 1, 2, 3, 0, 1, 2, 3}},
        {3, {0, 3, 2, false}, {0, 1, 2, 3, 0, 1, 2, 3}},
        {3, {1, 3, 2, true}, {1, 1, 2, 2, 3, 3}},
        {3, {0, 1, 2, true}, {0, 0, 1, 1}},
        {5, {4, 9, 1, false}, {0, 4, 5}},
        {2, {0, 0, 1, false}, {0}},
        {0, {0, 0, 1, false}, {0}},
        {2, {1, 2, 0, false}, {0, 1, 2}}, // no copies asked: one
    };
    for (const Case& c : cases) {
        EXPECT_EQ(printOrder(c.pages, c.choice), c.order)
            << c.pages << " pages " << c.choice.from << "-" << c.choice.to << " x"
            << c.choice.copies << (c.choice.collate ? " collate" : "");
    }
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

TEST(PrintLayout, ReportNamesOnTheTitlePageTheFirstAndLaterPages) {
    struct Case {
        PrintName name;
        std::string title, first, later;
    };
    const std::vector<Case> cases = {
        {{PrintKind::NetWorth, "", 0}, "Net Worth Report", "Net Worth Report", " Net Worth Report"},
        {{PrintKind::Outgoing, "", 0}, "Outgoing Report", "Outgoing Report", " Outgoing Report"},
        {{PrintKind::Accounts, "", 0}, "Account Report", " Accounts", " Accounts"},
        {{PrintKind::Groups, "", 0}, "Group Report", " Groups", " Groups"},
        {{PrintKind::AgeOutgoing, "", 67},
         "Accounts Outgoing Report -- Age 67",
         "Accounts Outgoing Report -- Age 67",
         "Accounts Outgoing Report -- Age 67"},
        {{PrintKind::Mortgage, "House 6.5%", 0}, "House 6.5%", "House 6.5%", "House 6.5%"},
        {{PrintKind::Schedule, "", 0},
         "Financial Schedule",
         "Financial Schedule",
         " Financial Schedule"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(titlePageName(c.name), c.title);
        EXPECT_EQ(pageBlockName(c.name, 1), c.first);
        EXPECT_EQ(pageBlockName(c.name, 2), c.later);
    }
}

} // namespace
} // namespace finplan::test
