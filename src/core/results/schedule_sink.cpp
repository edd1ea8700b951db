#include "results/schedule_sink.h"

#include <cmath>
#include <ostream>

namespace finplan {

namespace {

bool isParagraphMark(std::string_view text) {
    return text.starts_with("??");
}

// A totals line starts with its age, so a "." stands among its first four characters. Event
// lines start with blanks, so a name with a "." near its start is not taken for one.
bool isTotalsLine(std::string_view text) {
    return !text.empty() && text.front() >= '0' && text.front() <= '9' &&
           text.substr(0, 4).find('.') != std::string_view::npos;
}

} // namespace

void ScheduleSink::add(std::string_view text, int kind, float age, bool shown) {
    if (m_list != nullptr) {
        if (shown && !isParagraphMark(text) && text.find("------") == std::string_view::npos) {
            addToList(text, kind, age);
        }
        return;
    }
    addToFile(text, shown);
}

void ScheduleSink::addToList(std::string_view text, int kind, float age) {
    if (!m_listEmptied) {
        m_list->lines.clear();
        m_list->ageToLine.fill(0);
        m_listEmptied = true;
    }
    if (isTotalsLine(text)) {
        const float whole = std::floor(age);
        if (whole >= 0.0f && whole < static_cast<float>(kAgeSlots)) {
            m_list->ageToLine[static_cast<std::size_t>(whole)] = m_lineCount;
        }
    }
    m_list->lines.push_back({std::string(text), m_lineCount < kMaxLineKinds ? kind : kPlainLine});
    ++m_lineCount;
}

void ScheduleSink::addToFile(std::string_view text, bool shown) {
    if (m_file == nullptr) {
        return;
    }
    // The paragraph mark stands for a break: two empty lines, not the mark itself.
    if (isParagraphMark(text)) {
        *m_file << "\n\n";
        return;
    }
    if (shown) {
        *m_file << text << '\n';
    }
}

} // namespace finplan
