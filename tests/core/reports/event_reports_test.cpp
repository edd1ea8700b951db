#include "reports/event_reports.h"
#include "support/case_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace finplan::test {
namespace {

constexpr const char* kRule = "---------------------------\n\n";

// Two same-named incoming amounts at 45, an outgoing event named like an incoming one, an
// unknown code, names that look like an end marker and a rule, an age past the table.
std::string eventLog() {
    return textBlock("reports/event_reports.txt", "event log");
}

std::string knownWorkText() {
    return textBlock("reports/event_reports.txt", "work text");
}

TEST(EventWorkFile, PutsEachAgesTotalsBeforeItsFirstLine) {
    EXPECT_EQ(eventWorkText(eventLog()), knownWorkText());
    EXPECT_EQ(eventWorkText(""), "Dooooone\n");

    TempDir dir;
    ScriptedDialogs dialogs;
    EXPECT_FALSE(writeEventWorkFile({dir.path(), dialogs, false}));
    EXPECT_EQ(dialogs.transcript(), "FILE OPEN ERROR|Cannot open bigfile.tmp");
    writeText(dir / "bigfile.tmp", eventLog());
    EXPECT_TRUE(writeEventWorkFile({dir.path(), dialogs, false}));
    EXPECT_EQ(readText(dir / "tmpfile.tmp"), knownWorkText());
}

TEST(EventsReports, ColumnsAreEventsOfOneDirectionAndCellsSumSeveralAmounts) {
    struct Case {
        bool incoming;
        bool screen;
        std::string expected;
    };
    const std::string inHeader = "Age\tTotal Incoming Events\t         Salary\t    Dooone Fund\t\n";
    const std::string inRows = " 45.0\t       150.25\t       150.25\t0.00\t\n"
                               " 46.0\t         5.00\t0.00\t      5.00\t\n";
    const std::string outHeader =
        "Age\tTotal Outgoing Events\t           Rent\t         Salary\tSale ----- 2030\t\n";
    const std::string outRows = " 45.0\t        50.00\t     40.00\t     10.00\t0.00\t\n"
                                " 46.0\t         7.00\t0.00\t0.00\t      7.00\t\n";
    const std::vector<Case> cases = {
        {true, false, inHeader + kRule + inRows + "\nDooooone\n"},
        {true, true, inHeader + inRows + "\nDooooone\n"},
        {false, false, outHeader + kRule + outRows + "\nDooooone\n"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        ScriptedDialogs dialogs;
        const PagesWritten pages =
            writeEventsReportFrom(knownWorkText(), c.incoming, {dir.path(), dialogs, c.screen});
        ASSERT_EQ(pages.count(), 1);
        EXPECT_EQ(readText(dir / pages.files[0]), c.expected);
    }
}

// A work text with `ages` ages and `names` incoming events besides the total.
std::string workText(int ages, int names) {
    std::string log;
    for (int age = 1; age <= ages; ++age) {
        for (int n = 0; n < names; ++n) {
            log += std::to_string(age) + ".0\tEvent " + std::to_string(n) + "\t2\t1.00\n";
        }
    }
    return eventWorkText(log);
}

// Rows and event columns of each page: tests/data/reports/report_cases.txt.
TEST(EventsReports, PagesHoldFiftyTwoRowsThenFortyNineAndSectionsSevenEvents) {
    forEachCase("reports/report_cases.txt", "events", 7, [&](const CaseLine& c) {
        TempDir dir;
        ScriptedDialogs dialogs;
        const std::string text = workText(std::stoi(c.input("ages")), std::stoi(c.input("names")));
        const PagesWritten pages =
            writeEventsReportFrom(text, true, {dir.path(), dialogs, c.input("screen") == "1"});
        const auto rows = partsOf(c.answer("rows"), ',');
        const auto columns = partsOf(c.answer("columns"), ',');
        ASSERT_EQ(pages.count(), static_cast<int>(rows.size()));
        for (std::size_t p = 0; p < rows.size(); ++p) {
            const std::string page = readText(dir / pages.files[p]);
            const std::string header = page.substr(0, page.find('\n'));
            EXPECT_EQ(std::count(header.begin(), header.end(), '\t'), std::stoi(columns[p]) + 1);
            int found = 0;
            for (std::size_t at = 0; (at = page.find(".0\t", at)) != std::string::npos; ++at) {
                ++found;
            }
            EXPECT_EQ(found, std::stoi(rows[p])) << "page " << p + 1;
        }
    });
}

TEST(EventsReports, AMissingWorkFileIsTold) {
    TempDir dir;
    ScriptedDialogs dialogs;
    const PagesWritten pages = writeEventsReport(true, {dir.path(), dialogs, false});
    EXPECT_TRUE(pages.failed);
    EXPECT_EQ(dialogs.transcript(), "FILE OPEN ERROR|Cannot open tmpfile.tmp");
}

} // namespace
} // namespace finplan::test
