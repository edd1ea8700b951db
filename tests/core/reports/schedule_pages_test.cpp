#include "reports/schedule_pages.h"
#include "support/case_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace finplan::test {
namespace {

const std::string kIndent(10, ' ');

std::string years(int first, int count) {
    std::string text;
    for (int age = first; age < first + count; ++age) {
        text += std::string(184, '-') + "\n" + std::to_string(age) + ".0 \t  $1.00\n" +
                std::string(185, '-') + "\nFinancial Events:\n  Sale ----- " + std::to_string(age) +
                "\n";
    }
    return text;
}

int count(const std::string& text, const std::string& what) {
    int found = 0;
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + what.size())) {
        ++found;
    }
    return found;
}

TEST(SchedulePages, TheHeaderBlockIsTheColumnHeadsBetweenRulesAndMarks) {
    const std::string dashes = kIndent + std::string(184, '-') + "\n";
    EXPECT_EQ(scheduleHeaderBlock(),
              "?BO\n" + dashes +
                  "          \t      Investment\t       Tax-Free\t      Retirement\t           "
                  "Asset\t          Equity\n"
                  "          Age\t       Accounts\t       Accounts\t       Accounts\t       "
                  "Accounts\t       Accounts\t    Liabilities\t       Net Worth\n" +
                  dashes + "?Bo\n");
}

TEST(SchedulePages, TheDescriptionComesFirstThenEveryPageOpensWithTheHeaderBlock) {
    TempDir dir;
    ScriptedDialogs dialogs;
    const std::string text = "Plan one\n 45.0 Salary\n\n\n" + years(45, 2);
    const PagesWritten pages = writeSchedulePages(text, {dir.path(), dialogs, false});
    ASSERT_EQ(pages.files, (std::vector<std::string>{"page1", "page2"}));
    EXPECT_EQ(readText(dir / "page1"), kIndent + "Financial Scenario:\n" + kIndent + "Plan one\n" +
                                           kIndent + " 45.0 Salary\n" + kIndent + "\n" + kIndent +
                                           "\nDooooone\n");
    EXPECT_EQ(readText(dir / "page2"), scheduleHeaderBlock() + kIndent + "45.0 \t  $1.00\n" +
                                           kIndent + "Financial Events:\n" + kIndent +
                                           "  Sale ----- 45\n" + kIndent + "46.0 \t  $1.00\n" +
                                           kIndent + "Financial Events:\n" + kIndent +
                                           "  Sale ----- 46\nDooooone\n");
}

TEST(SchedulePages, ANewPageStartsAtAYearsRuleWhenThePageIsNearlyFull) {
    forEachCase("reports/report_cases.txt", "schedule", 5, [&](const CaseLine& c) {
        TempDir dir;
        ScriptedDialogs dialogs;
        std::string text;
        for (int i = 0; i < std::stoi(c.input("description")); ++i) {
            text += "description " + std::to_string(i) + "\n";
        }
        text += years(1, std::stoi(c.input("years")));
        const PagesWritten pages = writeSchedulePages(text, {dir.path(), dialogs, false});
        const auto descriptionPages = partsOf(c.answer("description-pages"), ',');
        const auto yearPages = partsOf(c.answer("year-pages"), ',');
        ASSERT_EQ(pages.count(), static_cast<int>(descriptionPages.size() + yearPages.size()));
        for (std::size_t p = 0; p < descriptionPages.size(); ++p) {
            const std::string page = readText(dir / pages.files[p]);
            EXPECT_EQ(count(page, "\n"), std::stoi(descriptionPages[p]) + 1) << p;
            EXPECT_EQ(count(page, "?BO"), 0);
        }
        for (std::size_t p = 0; p < yearPages.size(); ++p) {
            const std::string page = readText(dir / pages.files[p + descriptionPages.size()]);
            EXPECT_TRUE(page.starts_with(scheduleHeaderBlock()));
            EXPECT_EQ(count(page, "Financial Events:"), std::stoi(yearPages[p])) << p;
            EXPECT_EQ(count(page, std::string(100, '-')), 2) << "only the header's rules";
        }
    });
}

TEST(SchedulePages, ParagraphMarksBecomeHeaderBlocksAndQuestionLinesAreNotCounted) {
    TempDir dir;
    ScriptedDialogs dialogs;
    std::string text = "d\n" + std::string(184, '-') + "\n";
    for (int i = 0; i < 49; ++i) {
        text += "?i\n";
    }
    text += "??\nline\n";
    // Without the question lines counted: 6 + 4 + 1 = 11 lines, and another block fits at 50.
    for (int i = 0; i < 39; ++i) {
        text += "x\n";
    }
    text += "??\n??\n";
    const PagesWritten pages = writeSchedulePages(text, {dir.path(), dialogs, false});
    ASSERT_EQ(pages.count(), 2);
    const std::string page = readText(dir / "page2");
    // The page's own block, the first mark's block (at 6), the second (at 50); the third
    // mark finds no room (54 + 4 reaches 55).
    EXPECT_EQ(count(page, "?BO\n"), 3);
    EXPECT_EQ(count(page, kIndent + "?i\n"), 49);
    EXPECT_EQ(writeSchedulePages("", {dir.path(), dialogs, false}).count(), 0);
}

TEST(SchedulePages, AMissingPrintWorkFileIsTold) {
    TempDir dir;
    ScriptedDialogs dialogs;
    EXPECT_TRUE(writeSchedulePagesFromFile({dir.path(), dialogs, false}).failed);
    EXPECT_EQ(dialogs.transcript(), "FILE OPEN ERROR|ptmpsch.dat");
}

} // namespace
} // namespace finplan::test
