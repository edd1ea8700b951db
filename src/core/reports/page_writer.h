#pragma once

#include "platform/user_dialogs.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// The page files a report left, in page order ("spage1", "rpage2", ...); `failed` when a page
// could not be written (the user was told).
struct PagesWritten {
    std::vector<std::string> files;
    bool failed = false;

    int count() const { return failed ? 0 : static_cast<int>(files.size()); }
};

// How a report's pages are cut: the page length, where the line counter of a page starts
// (the first page and the later ones), the end marker of every page and the texts of a page
// that cannot be created.
struct PageLayout {
    int pageLength = 56;
    int firstStart = 4;
    int laterStart = 4;
    std::string endMarker = "Dooooone";
    std::string prefix = "rpage"; // "page" for the schedule
    // "spage1" first, the later pages "rpage%d" (the on-screen report).
    bool screen = false;
    // The message when the first page cannot be created; empty: the file name.
    std::string firstFailure;
    // The message for a later page, "%d" being its number; empty: the file name.
    std::string laterFailure;
};

// Writes a report as numbered page files in the work directory. Every page opens with the
// section's head (the column header and, on print pages, the rule) and closes with the end
// marker; a page is closed just before a row that would not fit, so no page is ever empty.
// Files are written whole through the safe writer, for the user alone.
class PageWriter {
public:
    PageWriter(std::filesystem::path workDir, UserDialogs& dialogs, PageLayout layout);

    // Starts a section on a new page (the first section on the first page).
    void startSection(std::string head);
    // The same with a page length and counter start of its own for this and later pages.
    void startSection(std::string head, int pageLength, int start);
    // Adds one row (its text holds its own newline).
    void addRow(std::string_view row);
    // Lines that belong to the page without counting (the schedule's "?" lines).
    void addUncounted(std::string_view text);
    // Ends the current page so the next row starts a new one; the next page gets the head
    // again unless startSection comes first.
    void breakPage();
    // The line counter of the current page.
    int counter() const { return m_counter; }
    // Ends the last page; the files written, or failed.
    PagesWritten finish();

private:
    bool flushPage();
    std::string fileName(int page) const;

    std::filesystem::path m_workDir;
    UserDialogs& m_dialogs;
    PageLayout m_layout;
    std::string m_head;
    std::string m_page;
    bool m_pageOpen = false;
    bool m_pageHasRows = false;
    int m_counter = 0;
    PagesWritten m_written;
};

} // namespace finplan
