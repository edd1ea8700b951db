// The scenario file reader on any bytes. A file it takes must come out with the header and
// events byte for byte as they came in and the account slots repaired; the image of a whole
// file must read back to itself.

#include "account_slots.h"
#include "fuzz_check.h"
#include "model/scenario_file.h"
#include "model/scenario_image.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace {

using namespace finplan;

std::vector<Byte> reread(std::span<const Byte> image) {
    auto scenario = std::make_unique<Scenario>();
    AppSettings settings;
    FUZZ_CHECK(decodeScenario(image, *scenario, settings));
    return encodeScenarioImage(*scenario);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const Byte> bytes(data, size);
    auto scenario = std::make_unique<Scenario>();
    AppSettings settings;
    if (!decodeScenario(bytes, *scenario, settings)) {
        return 0;
    }
    const int events = scenario->header.eventCount;
    FUZZ_CHECK(events >= 0 && events <= kMaxEvents);
    FUZZ_CHECK(scenario->usedEventCount() == events);
    FUZZ_CHECK(slotsRepaired(scenario->accounts));

    const std::vector<Byte> image = encodeScenarioImage(*scenario);
    const std::size_t eventBytes = EventRecord::kSize * static_cast<std::size_t>(events);
    FUZZ_CHECK(image.size() == kScenarioFixedBytes + eventBytes);
    const std::size_t kept = ScenarioHeader::kSize + eventBytes;
    FUZZ_CHECK(std::equal(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(kept),
                          bytes.begin()));
    // A short file's missing blocks take defaults, some of them only once a block is whole
    // (the budget names); the image of a whole file must read back to itself.
    if (size >= image.size()) {
        FUZZ_CHECK(reread(image) == image);
    }

    return 0;
}
