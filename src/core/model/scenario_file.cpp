#include "model/scenario_file.h"

#include "model/file_io.h"
#include "model/scenario_image.h"
#include "model/scenario_reset.h"
#include "model/slot_repair.h"
#include "model/text_field.h"

#include <algorithm>

namespace finplan {

namespace {

// Hands out the file's bytes block by block, as successive reads of a file would.
class BlockCursor {
public:
    explicit BlockCursor(std::span<const Byte> bytes)
        : m_bytes(bytes) {}

    // Up to `size` bytes; fewer at the end of the file.
    std::span<const Byte> take(std::size_t size) {
        const std::size_t count = std::min(size, m_bytes.size() - m_pos);
        auto block = m_bytes.subspan(m_pos, count);
        m_pos += count;
        return block;
    }

private:
    std::span<const Byte> m_bytes;
    std::size_t m_pos = 0;
};

template <class R>
bool readWhole(BlockCursor& cursor, R& record) {
    const auto block = cursor.take(R::kSize);
    if (block.size() < R::kSize) {
        return false;
    }
    record = decodeRecord<R>(block);
    return true;
}

// Returns how many bytes arrived; the record takes those over its own image.
template <class R>
std::size_t readPartial(BlockCursor& cursor, R& record) {
    const auto block = cursor.take(R::kSize);
    overlayRecord(record, block);
    return block.size();
}

void defaultSlots(Scenario& scenario) {
    resetSlotsToIndexes(scenario, scenario.header.defaultPenaltyAge,
                        scenario.header.defaultPenaltyRate);
}

void clearTitles(ReportTitles& titles) {
    titles.title1.fill('\0');
    titles.title2.fill('\0');
    titles.title3.fill('\0');
    titles.useTitle1 = 0;
    titles.useTitle2 = 0;
    titles.useTitle3 = 0;
}

// The header, events and account table must be whole, and their counts must fit the tables.
bool readRequiredBlocks(BlockCursor& cursor, Scenario& scenario) {
    if (!readWhole(cursor, scenario.header)) {
        return false;
    }
    const int eventCount = scenario.header.eventCount;
    if (eventCount < 0 || eventCount > kMaxEvents) {
        return false;
    }
    for (int i = 0; i < eventCount; ++i) {
        if (!readWhole(cursor, scenario.events[static_cast<std::size_t>(i)])) {
            return false;
        }
    }
    if (!readWhole(cursor, scenario.accounts)) {
        return false;
    }
    return scenario.accounts.accountCount >= 0 && scenario.accounts.accountCount <= kMaxAccounts;
}

void readPrefs(BlockCursor& cursor, Scenario& scenario, AppSettings& settings) {
    if (readPartial(cursor, scenario.prefs) == PrefInfo::kSize) {
        const PrefInfo& prefs = scenario.prefs;
        settings.margins = {prefs.marginLeft, prefs.marginTop, prefs.marginRight,
                            prefs.marginBottom};
        settings.printOption = prefs.printOption;
        settings.reportColumns = prefs.reportColumns;
        settings.reportBoxing = prefs.reportBoxing;
        settings.reportBanding = prefs.reportBanding;
    } else {
        settings.margins = PageMargins{};
        settings.printOption = 1;
    }
}

void readBudgets(BlockCursor& cursor, Scenario& scenario) {
    std::size_t arrived = 0;
    for (Budget& budget : scenario.budgets) {
        arrived += readPartial(cursor, budget);
    }
    if (arrived < Budget::kSize) {
        return;
    }
    for (int i = 0; i < kBudgetCount; ++i) {
        Budget& budget = scenario.budgets[static_cast<std::size_t>(i)];
        if (budget.name[0] == '\0') {
            setFieldText(budget.name, defaultBudgetName(i + 1));
        }
    }
}

void checkRandomSettings(GroupTable& groups) {
    const auto outside = [](float rate) { return rate < -50.0f || rate > 100.0f; };
    for (int g = 0; g < kGroupCount; ++g) {
        float& low = groups.groupRandomMin[static_cast<std::size_t>(g)];
        float& high = groups.groupRandomMax[static_cast<std::size_t>(g)];
        if (outside(low)) {
            low = 0.0f;
        }
        if (outside(high)) {
            high = 0.0f;
        }
        if (low > high) {
            low = 0.0f;
            high = 0.0f;
        }
    }
    const auto clampSpread = [](std::int16_t& factor) {
        factor = std::clamp<std::int16_t>(factor, 0, 10);
    };
    if (groups.randomDistribution == static_cast<std::int16_t>(RandomDistribution::GaussianRange)) {
        clampSpread(groups.rangeSpreadFactor);
    } else if (groups.randomDistribution ==
               static_cast<std::int16_t>(RandomDistribution::GaussianStandard)) {
        clampSpread(groups.stdSpreadFactor);
    }
}

void readOptionalBlocks(BlockCursor& cursor, Scenario& scenario, AppSettings& settings) {
    readPartial(cursor, scenario.groups);
    if (readPartial(cursor, scenario.titles) < ReportTitles::kSize) {
        clearTitles(scenario.titles);
        defaultSlots(scenario);
    }
    if (readPartial(cursor, scenario.slots) < AccountSlotArrays::kSize) {
        defaultSlots(scenario);
    }
    repairSlots(scenario.accounts);
    for (PrintFont& font : scenario.fonts) {
        readPartial(cursor, font);
    }
    readPrefs(cursor, scenario, settings);
    readBudgets(cursor, scenario);
}

bool refuseFile(Scenario& scenario, const std::string& name, UserDialogs& dialogs) {
    dialogs.error(name + " doesn't seem to be a valid Tarvel Financial Planner file.",
                  "FILE WARNING");
    resetScenario(scenario);
    scenario.fileName = kFailedReadName;
    scenario.saveName = kFailedReadName;
    return false;
}

} // namespace

bool decodeScenario(std::span<const Byte> bytes, Scenario& scenario, AppSettings& settings) {
    resetScenario(scenario);
    BlockCursor cursor(bytes);
    if (!readRequiredBlocks(cursor, scenario)) {
        return false;
    }
    readOptionalBlocks(cursor, scenario, settings);
    settings.toolbarShown = true;
    settings.screenBanding = 1;
    checkRandomSettings(scenario.groups);
    scenario.liveEventCount = scenario.header.eventCount;
    return true;
}

bool readScenario(Scenario& scenario, AppSettings& settings, UserDialogs& dialogs) {
    const std::string name = scenario.fileName;
    // Nothing past the largest layout is read: later bytes are ignored anyway.
    const auto bytes = readFileBytes(name, kScenarioFixedBytes + EventRecord::kSize * kMaxEvents);
    if (!bytes) {
        return false; // the scenario in memory stays as it was
    }
    if (!decodeScenario(*bytes, scenario, settings)) {
        return refuseFile(scenario, name, dialogs);
    }
    scenario.saveName = scenario.fileName;
    scenario.resultsStale = true;
    return true;
}

bool writeScenario(Scenario& scenario, const AppSettings& settings, UserDialogs& dialogs) {
    PrefInfo& prefs = scenario.prefs;
    if (settings.mainWindowWidth) {
        prefs.windowWidth = *settings.mainWindowWidth;
    }
    prefs.marginLeft = settings.margins.left;
    prefs.marginTop = settings.margins.top;
    prefs.marginRight = settings.margins.right;
    prefs.marginBottom = settings.margins.bottom;
    prefs.printOption = settings.printOption;
    prefs.reportBoxing = settings.reportBoxing;
    prefs.reportBanding = settings.reportBanding;
    prefs.reportColumns = settings.reportColumns;
    scenario.header.eventCount = static_cast<std::int16_t>(scenario.usedEventCount());

    // Save writes only over a file that is there; a new name goes through Save As.
    if (!canOpenForWriting(scenario.saveName)) {
        dialogs.error("Cannot open file!", "FILE ERROR");
        return false;
    }
    if (const WriteResult written =
            writeFileReplacing(scenario.saveName, encodeScenarioImage(scenario));
        !written) {
        dialogs.error("Cannot open file!\n" + writeFailureText(scenario.saveName, written),
                      "FILE ERROR");
        return false;
    }
    scenario.modified = false;
    return true;
}

bool saveAsScenario(Scenario& scenario, const AppSettings& settings, UserDialogs& dialogs) {
    const std::string& name = scenario.fileName;
    if (!fileExists(name)) {
        if (!createNewFile(name)) {
            dialogs.error("Cannot open file!", "FILE ERROR");
            return false;
        }
    } else {
        if (dialogs.ask(name + " exits - Overwrite anyway?", "FILE WARNING", MessageIcon::Stop) !=
            Answer::Yes) {
            return false;
        }
        if (!canOpenForWriting(name)) {
            dialogs.error("Cannot open " + name + "!", "FILE ERROR");
            return false;
        }
    }
    scenario.saveName = name;
    return writeScenario(scenario, settings, dialogs);
}

std::string shortScenarioName(const AppSettings& settings, const std::filesystem::path& workDir) {
    const int counter = static_cast<int>(settings.startCounter);
    return (workDir / ("temp" + std::to_string(counter) + "1.ret")).string();
}

bool writeShortScenario(Scenario& scenario, const AppSettings& settings,
                        const std::filesystem::path& workDir, UserDialogs& dialogs) {
    const std::string name = shortScenarioName(settings, workDir);
    if (!fileExists(name)) {
        if (!createNewFile(name)) {
            dialogs.error("Cannot open temporary file!", "FILE ERROR");
            return false;
        }
    } else if (!canOpenForWriting(name)) {
        dialogs.error("Cannot open " + name + "!", "FILE ERROR");
        return false;
    }
    scenario.fileName = name;
    scenario.saveName = name;
    scenario.header.eventCount = static_cast<std::int16_t>(scenario.usedEventCount());
    if (const WriteResult written = writeFileReplacing(name, encodeShortScenarioImage(scenario));
        !written) {
        dialogs.error("Cannot open temporary file!\n" + writeFailureText(name, written),
                      "FILE ERROR");
        return false;
    }
    return true;
}

} // namespace finplan
