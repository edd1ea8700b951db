// The readers of the report files on any bytes: the page reader the report window and the
// printed pages use, the event work file made from an event log, the account flows read from
// the run's account files and the selected row's label. None may read or write outside its
// tables, and each keeps its limits whatever the bytes say.

#include "fuzz_check.h"
#include "reports/account_flow_files.h"
#include "reports/event_reports.h"
#include "reports/page_reader.h"
#include "reports/selected_age_report.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace {

using namespace finplan;

std::size_t newlines(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += c == '\n' ? 1 : 0;
    }
    return count;
}

void checkPage(std::string_view text) {
    const PageText page = parsePage(text);
    FUZZ_CHECK(page.lines.size() <= newlines(text) + 1);
    FUZZ_CHECK(page.header.size() <= kMaxPageColumns);
    for (const PageLine& line : page.lines) {
        FUZZ_CHECK(line.cells.size() <= kMaxPageColumns);
        FUZZ_CHECK(line.kind == PageLine::Kind::Text || line.cells.empty());
        for (const std::string& cell : line.cells) {
            FUZZ_CHECK(!cell.empty());
            FUZZ_CHECK(cell.find('\t') == std::string::npos);
            FUZZ_CHECK(cell.front() != ' ' && cell.back() != ' ');
        }
    }
}

void checkFlows(std::string_view text) {
    // The first half as the incoming file, the rest as the outgoing one.
    const std::size_t half = text.size() / 2;
    const auto flows =
        std::make_unique<AccountFlows>(parseAccountFlows(text.substr(0, half), text.substr(half)));
    FUZZ_CHECK(flows->names.size() <= static_cast<std::size_t>(kMaxAccounts));
    if (!flows->empty()) {
        FUZZ_CHECK(flows->firstAge >= 0 && flows->firstAge <= flows->lastAge);
        FUZZ_CHECK(flows->lastAge < kFlowAges);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkPage(text);
    checkFlows(text);
    const std::string work = eventWorkText(text);
    FUZZ_CHECK(work.ends_with("Dooooone\n"));
    // Every line of the work file is a total or a line of the log.
    FUZZ_CHECK(newlines(work) <= 3 * (newlines(text) + 1) + 1);
    if (const auto row = parseSelectedRow(text)) {
        FUZZ_CHECK(row->age >= 0 && row->age <= 999);
    }
    return 0;
}
