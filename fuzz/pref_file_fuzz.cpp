// The "prefinf.dat" reader on any bytes. The record keeps every byte that arrived; the
// placement it puts into force, written out and read again, is the same placement.

#include "fuzz_check.h"
#include "model/pref_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace {

using namespace finplan;

bool samePlacement(const AppSettings& a, const AppSettings& b) {
    return a.windowX == b.windowX && a.windowY == b.windowY && a.windowWidth == b.windowWidth &&
           a.windowHeight == b.windowHeight && a.reportColumns == b.reportColumns &&
           a.screenBanding == b.screenBanding && a.reportBanding == b.reportBanding &&
           a.hideInfoFolder == b.hideInfoFolder && a.reportBoxing == b.reportBoxing;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const Byte> bytes(data, std::min(size, PrefInfo::kSize));
    auto scenario = std::make_unique<Scenario>();
    AppSettings settings;
    decodePrefInfo(bytes, *scenario, settings);
    const auto image = encodeRecord(scenario->prefs);
    FUZZ_CHECK(std::equal(bytes.begin(), bytes.end(), image.begin()));
    FUZZ_CHECK(settings.windowX >= 0 && settings.windowX <= 300);
    FUZZ_CHECK(settings.windowY >= 0 && settings.windowY <= 300);
    FUZZ_CHECK(settings.windowWidth >= 600);

    // Sizes are stored as sizes; a stored negative height comes back as its size.
    storeSettingsInPrefs(scenario->prefs, settings);
    FUZZ_CHECK(scenario->prefs.windowHeight >= 0);
    const auto stored = encodeRecord(scenario->prefs);
    auto again = std::make_unique<Scenario>();
    AppSettings reread;
    decodePrefInfo(stored, *again, reread);
    settings.windowHeight = scenario->prefs.windowHeight;
    FUZZ_CHECK(samePlacement(reread, settings));
    FUZZ_CHECK(encodeRecord(again->prefs) == stored);
    return 0;
}
