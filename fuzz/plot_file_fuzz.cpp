// The plot file as Save Graphs reads it, on any bytes. The graph file it makes holds only text
// that came from the plot file (a C string per line, so no NUL), plus the closing "Done".

#include "fuzz_check.h"
#include "graphs/save_graphs.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace {

using namespace finplan;

constexpr std::string_view kDone = "Done\n";

// The number of lines in the text, a last one without its newline included.
std::size_t lineCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += c == '\n' ? 1 : 0;
    }
    return count + (text.empty() || text.back() == '\n' ? 0 : 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const GraphFileText graph = graphFileText(std::span<const Byte>(data, size));
    const std::string_view text = graph.text;
    FUZZ_CHECK(text.find('\0') == std::string_view::npos);
    if (!graph.complete) {
        // Copying stops at the plotted-years line, the fifth.
        FUZZ_CHECK(text.size() <= size);
        FUZZ_CHECK(lineCount(text) <= 5);
        return 0;
    }
    FUZZ_CHECK(text.ends_with(kDone));
    FUZZ_CHECK(text.size() - kDone.size() <= size);
    return 0;
}
