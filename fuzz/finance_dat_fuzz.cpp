// The "finance.dat" reader on any bytes. What it reads must name New's temporary file, and the
// file written back at start must read back to the same first line and recent files with the
// counter one further on.

#include "fuzz_check.h"
#include "model/finance_dat.h"
#include "model/scenario_file.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace {

using namespace finplan;

// A line of this length or more is read in two pieces, so the file would not read back.
constexpr std::size_t kLongLine = 263;

bool everyLineShort(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos || end + 1 - start >= kLongLine) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

std::span<const Byte> bytesOf(std::string_view text) {
    return {reinterpret_cast<const Byte*>(text.data()), text.size()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto scenario = std::make_unique<Scenario>();
    AppSettings settings;
    if (!decodeFinanceDat(std::span<const Byte>(data, size), *scenario, settings)) {
        FUZZ_CHECK(size == 0);
        return 0;
    }
    const std::string name = shortScenarioName(settings, "w");
    FUZZ_CHECK(name.size() == std::string_view("w/temp01.ret").size());

    const std::string written = financeDatAtStart(*scenario, settings);
    auto again = std::make_unique<Scenario>();
    AppSettings reread;
    FUZZ_CHECK(decodeFinanceDat(bytesOf(written), *again, reread));
    FUZZ_CHECK(again->fileName == scenario->fileName);
    if (everyLineShort(written)) {
        FUZZ_CHECK(reread.recentFiles == settings.recentFiles);
        const float advanced = settings.startCounter + 1.0f;
        FUZZ_CHECK(reread.startCounter == (advanced >= 9.0f ? 0.0f : advanced));
    }
    return 0;
}
