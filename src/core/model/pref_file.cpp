#include "model/pref_file.h"

#include "model/byte_io.h"
#include "model/file_io.h"
#include "model/text_field.h"

#include <cstdlib>
#include <limits>
#include <span>

namespace finplan {

namespace {

constexpr int kDefaultWindowX = 100;
constexpr int kDefaultWindowY = 100;
constexpr int kDefaultWindowWidth = 600;
constexpr int kDefaultWindowHeight = 500;
// A stored corner beyond this is likely from a larger or second screen; start at the edge.
constexpr int kMaxWindowCorner = 300;
constexpr int kMinWindowWidth = 600;

int clampCorner(int value) {
    return value < 0 || value > kMaxWindowCorner ? 0 : value;
}

// The size of an extent given either way round. The most negative int, which only a damaged
// file holds, has no positive twin: it counts as the largest size.
int extentSize(int extent) {
    return extent == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max()
                                                     : std::abs(extent);
}

void setStartDefaults(Scenario& scenario, AppSettings& settings) {
    settings.windowX = kDefaultWindowX;
    settings.windowY = kDefaultWindowY;
    settings.windowWidth = kDefaultWindowWidth;
    settings.windowHeight = kDefaultWindowHeight;
    settings.reportBanding = 0;
    settings.reportBoxing = 0;
    settings.screenBanding = 0;
    settings.hideInfoFolder = 0;
    scenario.fonts = PrintFonts{};
    setFieldText(scenario.fonts[0].faceName, "Lucida");
}

void takeStoredPrefs(std::span<const Byte> bytes, Scenario& scenario, AppSettings& settings) {
    PrefInfo& prefs = scenario.prefs;
    overlayRecord(prefs, bytes);
    settings.windowX = prefs.windowX;
    settings.windowY = prefs.windowY;
    settings.windowWidth = prefs.windowWidth;
    settings.windowHeight = prefs.windowHeight;
    settings.reportColumns = prefs.reportColumns;
    settings.screenBanding = prefs.screenBanding;
    settings.reportBanding = prefs.reportBanding;
    settings.hideInfoFolder = prefs.hideInfoFolder;
    settings.reportBoxing = prefs.reportBoxing;
}

void settleStartSettings(AppSettings& settings) {
    settings.windowX = clampCorner(settings.windowX);
    settings.windowY = clampCorner(settings.windowY);
    settings.toolbarShown = true;
    settings.screenBanding = 1;
    if (settings.windowWidth < kMinWindowWidth) {
        settings.windowWidth = kMinWindowWidth;
    }
}

} // namespace

void decodePrefInfo(std::span<const Byte> bytes, Scenario& scenario, AppSettings& settings) {
    setStartDefaults(scenario, settings);
    takeStoredPrefs(bytes, scenario, settings);
    settleStartSettings(settings);
}

void readPrefInfo(const std::filesystem::path& workDir, Scenario& scenario, AppSettings& settings) {
    if (const auto bytes = readFileBytes(workDir / kPrefFileName, PrefInfo::kSize)) {
        decodePrefInfo(*bytes, scenario, settings);
        settings.placementStored = true;
        return;
    }
    setStartDefaults(scenario, settings);
    settleStartSettings(settings);
    settings.placementStored = false;
}

void storeSettingsInPrefs(PrefInfo& prefs, const AppSettings& settings) {
    prefs.windowX = settings.windowX;
    prefs.windowY = settings.windowY;
    prefs.reportColumns = settings.reportColumns;
    prefs.screenBanding = settings.screenBanding;
    prefs.hideInfoFolder = settings.hideInfoFolder;
    prefs.reportBoxing = settings.reportBoxing;
    prefs.reportBanding = settings.reportBanding;
    // A window rectangle may be given with its corners swapped; the record holds sizes.
    prefs.windowWidth = extentSize(settings.windowWidth);
    prefs.windowHeight = extentSize(settings.windowHeight);
}

WriteResult writePrefInfo(const std::filesystem::path& workDir, Scenario& scenario,
                          const AppSettings& settings) {
    storeSettingsInPrefs(scenario.prefs, settings);
    const auto bytes = encodeRecord(scenario.prefs);
    return writeFileReplacing(workDir / kPrefFileName, std::span<const Byte>(bytes),
                              NewFileMode::OwnerOnly);
}

} // namespace finplan
