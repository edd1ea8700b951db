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

TEST(EventsReports, PagesHoldFiftyTwoRowsThenFortyNineAndSectionsSevenEvents) {
    struct Case {
        int ages;
        int names;
        bool screen;
        std::vector<int> rows;    // rows of each page
        std::vector<int> columns; // event columns of each page
    };
    const std::vector<Case> cases = {
        {53, 1, false, {52}, {2}},               // the last age is never a row
        {54, 1, false, {52, 1}, {2, 2}},         //
        {103, 1, false, {52, 49, 1}, {2, 2, 2}}, //
        {3, 13, false, {2, 2}, {7, 7}},          // 14 columns: no empty third section
        {3, 14, false, {2, 2, 2}, {7, 7, 1}},    //
        {3, 14, true, {2}, {15}},                // the screen has one section
        {3, 60, true, {2}, {49}},                // 50 names at most, the outgoing total one
    };
    for (const Case& c : cases) {
        TempDir dir;
        ScriptedDialogs dialogs;
        const PagesWritten pages =
            writeEventsReportFrom(workText(c.ages, c.names), true, {dir.path(), dialogs, c.screen});
        ASSERT_EQ(pages.count(), static_cast<int>(c.rows.size())) << c.ages << " " << c.names;
        for (std::size_t p = 0; p < c.rows.size(); ++p) {
            const std::string text = readText(dir / pages.files[p]);
            const std::string header = text.substr(0, text.find('\n'));
            EXPECT_EQ(std::count(header.begin(), header.end(), '\t'), c.columns[p] + 1) << p;
            int rows = 0;
            for (std::size_t at = 0; (at = text.find(".0\t", at)) != std::string::npos; ++at) {
                ++rows;
            }
            EXPECT_EQ(rows, c.rows[p]) << c.ages << " ages, page " << p + 1;
        }
    }
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
