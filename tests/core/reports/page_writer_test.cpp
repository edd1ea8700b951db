#include "app/temporary_files.h"
#include "reports/page_cleanup.h"
#include "reports/page_writer.h"
#include "support/case_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace finplan::test {
namespace {

PagesWritten writeRows(const std::filesystem::path& dir, UserDialogs& dialogs,
                       const PageLayout& layout, int rows) {
    PageWriter writer(dir, dialogs, layout);
    writer.startSection("H\n");
    for (int r = 0; r < rows; ++r) {
        writer.addRow("r" + std::to_string(r) + "\n");
    }
    return writer.finish();
}

int rowCount(const std::string& page) {
    int rows = 0;
    for (std::size_t at = page.find("\nr"); at != std::string::npos;
         at = page.find("\nr", at + 1)) {
        ++rows;
    }
    return rows;
}

// The rows of each page: tests/data/reports/page_rows.txt.
TEST(PageWriter, PagesHoldThePageLengthLessTheStartAndNeverEndEmpty) {
    forEachCase("reports/page_rows.txt", "pages", 12, [&](const CaseLine& c) {
        TempDir dir;
        ScriptedDialogs dialogs;
        PageLayout layout;
        layout.pageLength = std::stoi(c.input("length"));
        layout.firstStart = std::stoi(c.input("first"));
        layout.laterStart = std::stoi(c.input("later"));
        const PagesWritten pages =
            writeRows(dir.path(), dialogs, layout, std::stoi(c.input("rows")));
        const auto perPage = partsOf(c.answer("per-page"), ',');
        ASSERT_EQ(pages.count(), static_cast<int>(perPage.size()));
        for (std::size_t p = 0; p < perPage.size(); ++p) {
            const std::string text = readText(dir / ("rpage" + std::to_string(p + 1)));
            EXPECT_TRUE(text.starts_with("H\n")) << p;
            EXPECT_TRUE(text.ends_with("Dooooone")) << p;
            EXPECT_EQ(rowCount(text), std::stoi(perPage[p])) << "page " << p + 1;
        }
        EXPECT_TRUE(dialogs.shown.empty());
    });
}

TEST(PageWriter, WritesTheHeadOnEveryPageAndTheEndMarkerAfterTheRows) {
    TempDir dir;
    ScriptedDialogs dialogs;
    PageLayout layout;
    layout.pageLength = 6;
    layout.firstStart = 4;
    layout.laterStart = 4;
    layout.endMarker = "END\n";
    layout.screen = true;
    PageWriter writer(dir.path(), dialogs, layout);
    writer.startSection("H\n");
    for (const char* row : {"a\n", "b\n", "c\n"}) {
        writer.addRow(row);
    }
    writer.startSection("K\n");
    writer.addRow("d\n");
    const PagesWritten pages = writer.finish();
    EXPECT_EQ(pages.files, (std::vector<std::string>{"spage1", "rpage2", "rpage3"}));
    EXPECT_EQ(readText(dir / "spage1"), "H\na\nb\nEND\n");
    EXPECT_EQ(readText(dir / "rpage2"), "H\nc\nEND\n");
    EXPECT_EQ(readText(dir / "rpage3"), "K\nd\nEND\n");
    EXPECT_EQ(std::filesystem::status(dir / "spage1").permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(PageWriter, APageThatCannotBeWrittenIsToldAndNoPagesAreCounted) {
    forEachCase("reports/page_rows.txt", "blocked", 4, [&](const CaseLine& c) {
        TempDir dir;
        ScriptedDialogs dialogs;
        // A folder where a page would go: the safe writer replaces regular files only.
        std::filesystem::create_directory(dir / ("rpage" + c.input("page")));
        PageLayout layout;
        layout.pageLength = 6;
        layout.firstStart = 4;
        layout.laterStart = 4;
        layout.firstFailure = c.input("first");
        layout.laterFailure = c.input("later");
        const PagesWritten pages = writeRows(dir.path(), dialogs, layout, 5);
        EXPECT_TRUE(pages.failed);
        EXPECT_EQ(pages.count(), 0);
        EXPECT_TRUE(pages.files.empty());
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_TRUE(dialogs.shown[0].text.starts_with(c.answer("text"))) << dialogs.shown[0].text;
        EXPECT_EQ(dialogs.shown[0].title, "FILE OPEN ERROR");
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Stop);
        // Nothing is written after the failure.
        EXPECT_FALSE(std::filesystem::exists(dir / "rpage3"));
    });
}

TEST(PageCleanup, EveryPageFileWithADigitSuffixGoes) {
    for (const char* name : {"rpage1", "rpage25", "SPAGE300", "page50", "Page7"}) {
        EXPECT_TRUE(isPageFileName(name)) << name;
    }
    for (const char* name :
         {"rpage", "page", "rpage1.bak", "page-1", "mypage1", "rpage1a", "pages1"}) {
        EXPECT_FALSE(isPageFileName(name)) << name;
    }
    TempDir dir;
    for (const char* name : {"rpage25", "spage99", "page50", "page1", "rpage2x", "notes.txt"}) {
        writeText(dir / name, "x");
    }
    std::filesystem::create_directory(dir / "page51");
    EXPECT_EQ(deleteTemporaryFiles(dir.path()), 4);
    for (const char* kept : {"rpage2x", "notes.txt", "page51"}) {
        EXPECT_TRUE(std::filesystem::exists(dir / kept)) << kept;
    }
    for (const char* gone : {"rpage25", "spage99", "page50", "page1"}) {
        EXPECT_FALSE(std::filesystem::exists(dir / gone)) << gone;
    }
}

} // namespace
} // namespace finplan::test
