#include "reports/page_writer.h"

#include "model/safe_write.h"

#include <utility>

namespace finplan {

namespace {

constexpr const char* kOpenErrorTitle = "FILE OPEN ERROR";

std::string withNumber(const std::string& text, int number) {
    std::string out = text;
    if (const auto at = out.find("%d"); at != std::string::npos) {
        out.replace(at, 2, std::to_string(number));
    }
    return out;
}

} // namespace

PageWriter::PageWriter(std::filesystem::path workDir, UserDialogs& dialogs, PageLayout layout)
    : m_workDir(std::move(workDir))
    , m_dialogs(dialogs)
    , m_layout(std::move(layout)) {}

std::string PageWriter::fileName(int page) const {
    if (m_layout.screen) {
        return (page == 1 ? "spage" : "rpage") + std::to_string(page);
    }
    return m_layout.prefix + std::to_string(page);
}

void PageWriter::startSection(std::string head) {
    if (m_written.failed) {
        return;
    }
    if (m_pageOpen) {
        flushPage();
    }
    m_head = std::move(head);
    m_pageOpen = false;
    // A section always shows its head, rows or not.
    addUncounted("");
}

void PageWriter::startSection(std::string head, int pageLength, int start) {
    m_layout.pageLength = pageLength;
    m_layout.laterStart = start;
    if (m_written.files.empty() && !m_pageOpen) {
        m_layout.firstStart = start;
    }
    startSection(std::move(head));
}

void PageWriter::addUncounted(std::string_view text) {
    if (m_written.failed) {
        return;
    }
    if (!m_pageOpen) {
        m_page = m_head;
        m_counter = m_written.files.empty() ? m_layout.firstStart : m_layout.laterStart;
        m_pageOpen = true;
        m_pageHasRows = false;
    }
    m_page += text;
}

void PageWriter::addRow(std::string_view row) {
    if (m_written.failed) {
        return;
    }
    // The page is closed before a row that would not fit, never after a row that filled it,
    // so a report that fills its last page exactly leaves no empty page behind.
    if (m_pageOpen && m_pageHasRows &&
        (m_counter % m_layout.pageLength == 0 || m_counter >= m_layout.pageLength)) {
        if (!flushPage()) {
            return;
        }
    }
    addUncounted(row);
    m_pageHasRows = true;
    ++m_counter;
}

void PageWriter::breakPage() {
    if (m_pageOpen && !m_written.failed) {
        flushPage();
    }
}

bool PageWriter::flushPage() {
    m_pageOpen = false;
    m_page += m_layout.endMarker;
    const int number = static_cast<int>(m_written.files.size()) + 1;
    const std::string name = fileName(number);
    const std::filesystem::path path = m_workDir / name;
    const WriteResult written = writeFileReplacing(path, m_page, NewFileMode::OwnerOnly);
    m_page.clear();
    if (!written) {
        const std::string& text = number == 1 ? m_layout.firstFailure : m_layout.laterFailure;
        const std::string shown = text.empty() ? name : withNumber(text, number);
        m_dialogs.error(shown + "\n" + writeFailureText(path, written), kOpenErrorTitle);
        m_written.failed = true;
        return false;
    }
    m_written.files.push_back(name);
    return true;
}

PagesWritten PageWriter::finish() {
    if (m_pageOpen && !m_written.failed) {
        flushPage();
    }
    if (m_written.failed) {
        m_written.files.clear();
    }
    return m_written;
}

} // namespace finplan
