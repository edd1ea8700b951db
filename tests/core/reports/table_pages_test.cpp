#include "reports/table_pages.h"
#include "support/case_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace finplan::test {
namespace {

std::string budgetFile(int count, int items, int start, int end) {
    std::string text = std::to_string(count) + "\nHouse budget                  \n" +
                       std::to_string(start) + "\n" + std::to_string(end) + "\n";
    for (int i = 0; i < items; ++i) {
        text += "Item" + std::to_string(i) + "\t10.000000\t0\t0\t0.000000\n";
    }
    return text + "Dooone";
}

TEST(TablePages, ABudgetRowShowsEachItemsYearlyAmountAndTheTotal) {
    TempDir dir;
    ScriptedDialogs dialogs;
    const std::string text = "2\nFood                          \n 60\n 61\n"
                             "Food\t100.000000\t1\t0\t0.000000\n"
                             "Car\t500.000000\t0\t1\t2.000000\n"
                             "Dooone";
    ASSERT_EQ(writeTablePages(TableKind::Budget, text, {dir.path(), dialogs, false}).count(), 1);
    EXPECT_EQ(readText(dir / "rpage1"), textBlock("reports/table_pages_texts.txt", "budget page"));
}

// The item columns and age rows of budget pages: tests/data/reports/budget_tables.txt.
TEST(TablePages, ABudgetOfOneToThirtyItemsPrintsInSectionsOfEight) {
    forEachCase("reports/budget_tables.txt", "", 8, [&](const CaseLine& c) {
        const auto number = [&](const std::string& key) { return std::stoi(c.input(key)); };
        TempDir dir;
        ScriptedDialogs dialogs;
        const PagesWritten pages = writeTablePages(
            TableKind::Budget,
            budgetFile(number("count"), number("items"), number("start"), number("end")),
            {dir.path(), dialogs, false});
        const auto columns = partsOf(c.answer("columns"), ',');
        ASSERT_EQ(pages.count(), static_cast<int>(columns.size()));
        for (std::size_t p = 0; p < columns.size(); ++p) {
            const std::string text = readText(dir / pages.files[p]);
            const std::string header = text.substr(0, text.find('\n'));
            const bool last = p + 1 == columns.size();
            EXPECT_EQ(std::count(header.begin(), header.end(), '\t'),
                      std::stoi(columns[p]) + (last ? 2 : 1));
            EXPECT_EQ(header.ends_with("Total\t"), last);
            EXPECT_EQ(std::count(text.begin(), text.end(), '\n') - 3, std::stoi(c.answer("rows")))
                << text;
        }
    });
}

TEST(TablePages, LoanTablesPrintTenNumbersARowAndMarkTheRefinanceCourses) {
    TempDir dir;
    ScriptedDialogs dialogs;
    std::string longRow;
    for (int i = 1; i <= 12; ++i) {
        longRow += std::to_string(i) + "\t";
    }
    const std::string schedule = "Age\tPrincipal\tInterest\t\n"
                                 " 61\t        100.00\t         50.5\t\n" +
                                 longRow + "\nDooone";
    ASSERT_EQ(writeTablePages(TableKind::Mortgage, schedule, {dir.path(), dialogs, false}).count(),
              1);
    EXPECT_EQ(readText(dir / "rpage1"),
              textBlock("reports/table_pages_texts.txt", "mortgage page"));

    const std::string refinance = "Age\tNet Worth\n 60 O\t1\n 60 R\t2\n 61 O\t3\nDooone";
    ASSERT_EQ(
        writeTablePages(TableKind::Refinance, refinance, {dir.path(), dialogs, false}).count(), 1);
    EXPECT_EQ(readText(dir / "rpage1"),
              textBlock("reports/table_pages_texts.txt", "refinance page"));
}

TEST(TablePages, LoanTablesHoldFiftySixRowsAPage) {
    std::string schedule = "Age\tPrincipal\n";
    for (int i = 0; i < 113; ++i) {
        schedule += std::to_string(i) + "\t1\n";
    }
    TempDir dir;
    ScriptedDialogs dialogs;
    const PagesWritten pages =
        writeTablePages(TableKind::Mortgage, schedule + "Dooone", {dir.path(), dialogs, false});
    ASSERT_EQ(pages.count(), 3);
    for (const auto& [page, rows] : {std::pair{"rpage1", 56}, {"rpage2", 56}, {"rpage3", 1}}) {
        const std::string text = readText(dir / page);
        EXPECT_TRUE(text.starts_with("Age\tPrincipal\t\n-----------------------\n")) << page;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n') - 3, rows) << page;
    }
    EXPECT_EQ(
        writeTablePages(TableKind::Mortgage, "Age\nDooone", {dir.path(), dialogs, false}).count(),
        0);
}

TEST(TablePages, TheBudgetSheetIsOnePageAsTheBudgetWroteIt) {
    TempDir dir;
    ScriptedDialogs dialogs;
    const std::string sheet = "Name\tAmount \tMonth\tTrack\tApplied Rate \tYearly Amount\n"
                              "------------------------\n"
                              "Food\t       100.00 \tX\t \t   0.000 \t      1200.00 \n"
                              "\t\t\t\tTotal\t      1200.00\n";
    const PagesWritten pages =
        writeTablePages(TableKind::BudgetSheet, sheet + "Dooone", {dir.path(), dialogs, false});
    ASSERT_EQ(pages.files, std::vector<std::string>{"rpage1"});
    EXPECT_EQ(readText(dir / "rpage1"), sheet + "Dooone");
}

TEST(TablePages, AMissingTableFileIsTold) {
    struct Case {
        TableKind kind;
        const char* message;
    };
    for (const Case c :
         {Case{TableKind::Budget, "Cannot open temporary print file - pbudout.tmp"},
          Case{TableKind::Mortgage, "Cannot open temporary print file - psched.tmp"},
          Case{TableKind::Refinance, "Cannot open temporary print file - refprt.tmp"}}) {
        TempDir dir;
        ScriptedDialogs dialogs;
        EXPECT_TRUE(writeTablePagesFromFile(c.kind, {dir.path(), dialogs, false}).failed);
        EXPECT_EQ(dialogs.transcript(), std::string("FILE OPEN ERROR|") + c.message);
    }
}

} // namespace
} // namespace finplan::test
