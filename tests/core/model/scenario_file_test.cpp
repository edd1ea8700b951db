#include "model/byte_io.h"
#include "model/scenario_file.h"
#include "model/scenario_image.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"
#include "support/field_checks.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <random>

namespace finplan {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

// A complete file of random bytes whose values the reader keeps as they are: counts in range,
// unique slots, group ranges within bounds, spread factors in range, named budgets.
std::vector<Byte> randomValidFile(std::mt19937& rng, int eventCount) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<Byte> bytes(kScenarioFixedBytes + EventRecord::kSize * eventCount);
    for (auto& b : bytes) {
        b = static_cast<Byte>(byte(rng));
    }
    Scenario s;
    const std::span<const Byte> all(bytes);
    s.header = decodeRecord<ScenarioHeader>(all);
    s.header.eventCount = static_cast<std::int16_t>(eventCount);
    std::size_t at = ScenarioHeader::kSize + EventRecord::kSize * eventCount;
    s.accounts = decodeRecord<AccountTable>(all.subspan(at));
    s.accounts.accountCount = static_cast<std::int16_t>(rng() % 51);
    std::array<std::uint16_t, kMaxAccounts> slots{};
    std::iota(slots.begin(), slots.end(), std::uint16_t{0});
    std::shuffle(slots.begin(), slots.end(), rng);
    for (int i = 0; i < kMaxAccounts; ++i) {
        s.accounts.accounts[static_cast<std::size_t>(i)].slot = slots[static_cast<std::size_t>(i)];
    }
    const std::size_t groupsAt = at + AccountTable::kSize;
    s.groups = decodeRecord<GroupTable>(all.subspan(groupsAt));
    for (int g = 0; g < kGroupCount; ++g) {
        s.groups.groupRandomMin[static_cast<std::size_t>(g)] = static_cast<float>(g) - 50.0f;
        s.groups.groupRandomMax[static_cast<std::size_t>(g)] = 100.0f - static_cast<float>(g);
    }
    s.groups.randomDistribution = 0;
    s.groups.rangeSpreadFactor = 10;
    std::size_t budgetsAt = bytes.size() - Budget::kSize * kBudgetCount;
    encodeRecord(s.header, std::span<Byte>(bytes));
    encodeRecord(s.accounts, std::span<Byte>(bytes).subspan(at));
    encodeRecord(s.groups, std::span<Byte>(bytes).subspan(groupsAt));
    for (int b = 0; b < kBudgetCount; ++b) {
        Byte& first = bytes[budgetsAt + Budget::kSize * static_cast<std::size_t>(b)];
        first = first == 0 ? 'B' : first;
    }
    return bytes;
}

struct Fixture : ::testing::Test {
    TempDir dir;
    Scenario scenario;
    AppSettings settings;
    ScriptedDialogs dialogs;

    std::string path(const std::string& name) { return (dir / name).string(); }

    bool read(const std::string& name) {
        scenario.fileName = name;
        return readScenario(scenario, settings, dialogs);
    }
};

using ScenarioFileRead = Fixture;

TEST_F(ScenarioFileRead, CompleteFilesRoundTripByteForByte) {
    std::mt19937 rng(42);
    for (int count : {0, 1, 149}) {
        const auto original = randomValidFile(rng, count);
        test::writeAll(path("in.RET"), original);
        ASSERT_TRUE(read(path("in.RET"))) << count;
        EXPECT_EQ(scenario.liveEventCount, count);
        EXPECT_EQ(scenario.saveName, path("in.RET"));
        EXPECT_TRUE(scenario.resultsStale);
        test::writeAll(path("out.RET"), {});
        scenario.saveName = path("out.RET");
        ASSERT_TRUE(writeScenario(scenario, settings, dialogs));
        EXPECT_EQ(test::readAll(path("out.RET")), original) << count << " events";
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ScenarioFileRead, ShortFormLoadsWithTheFallbacks) {
    const Scenario written = test::makeScenario("header penalty-age=55 penalty-rate=25\n"
                                                "deposit name=Pay\naccount slot=7");
    test::writeAll(path("short.RET"), encodeShortScenarioImage(written));

    settings.margins = {1, 2, 3, 4};
    settings.printOption = 0;
    setFieldText(scenario.titles.title1, "Old title");
    ASSERT_TRUE(read(path("short.RET")));
    EXPECT_EQ(scenario.liveEventCount, 1);
    EXPECT_EQ(fieldText(scenario.events[0].name), "Pay");
    EXPECT_EQ(fieldText(scenario.titles.title1), "");
    for (int i = 0; i < kMaxAccounts; ++i) {
        const auto index = static_cast<std::size_t>(i);
        ASSERT_EQ(scenario.accounts.accounts[index].slot, i);
        ASSERT_EQ(scenario.slots.penaltyAge[index], 55.0f);
        ASSERT_EQ(scenario.slots.penaltyRate[index], 25.0f);
    }
    EXPECT_EQ(settings.margins, (PageMargins{1000, 1000, 500, 1000}));
    EXPECT_EQ(settings.printOption, 1);
    EXPECT_EQ(fieldText(scenario.budgets[0].name), "Budget 1");
    EXPECT_EQ(fieldText(scenario.budgets[4].name), "Budget 5");
    EXPECT_EQ(scenario.budgets[2].sourceAccountId, -1);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ScenarioFileRead, CutsInsideOptionalBlocksKeepWhatArrived) {
    std::mt19937 rng(7);
    const auto full = randomValidFile(rng, 2);
    const std::size_t titlesAt = 80 + 320 + 4124 + 740;
    const std::size_t slotsAt = titlesAt + 246;
    const std::size_t prefsAt = slotsAt + 1938 + 180;
    const std::size_t budgetsAt = prefsAt + 152;

    // Titles whole, slot arrays cut: the per-slot defaults, titles kept.
    test::writeAll(path("a.RET"), {full.begin(), full.begin() + slotsAt + 900});
    ASSERT_TRUE(read(path("a.RET")));
    EXPECT_EQ(std::memcmp(scenario.titles.title1.data(), &full[titlesAt], 60), 0);
    EXPECT_EQ(scenario.accounts.accounts[3].slot, 3);
    EXPECT_EQ(scenario.slots.penaltyRate[3], scenario.header.defaultPenaltyRate);
    EXPECT_EQ(scenario.slots.inAssetAllocation[3], 0);
    // The arrived part past those three arrays is kept (the tables of RMD options).
    EXPECT_EQ(scenario.slots.rmdTable[0],
              static_cast<std::int16_t>(full[slotsAt + 800] | full[slotsAt + 801] << 8));

    // Prefs cut: default margins. Budgets cut after the first: the first arrives.
    test::writeAll(path("b.RET"), {full.begin(), full.begin() + prefsAt + 100});
    ASSERT_TRUE(read(path("b.RET")));
    EXPECT_EQ(settings.margins, PageMargins{});
    test::writeAll(path("c.RET"), {full.begin(), full.begin() + budgetsAt + Budget::kSize + 10});
    ASSERT_TRUE(read(path("c.RET")));
    EXPECT_EQ(std::memcmp(scenario.budgets[0].name.data(), &full[budgetsAt], 30), 0);
    EXPECT_EQ(fieldText(scenario.budgets[2].name), "Budget 3");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ScenarioFileRead, FullPrefsPutTheirMarginsAndSwitchesInForce) {
    Scenario written;
    resetScenario(written);
    written.prefs.marginLeft = 750;
    written.prefs.marginBottom = 250;
    written.prefs.printOption = 0;
    written.prefs.reportBoxing = 1;
    written.prefs.reportColumns = 1;
    test::writeAll(path("p.RET"), encodeScenarioImage(written));
    settings.screenBanding = 0;
    settings.toolbarShown = false;
    ASSERT_TRUE(read(path("p.RET")));
    EXPECT_EQ(settings.margins, (PageMargins{750, 0, 0, 250}));
    test::expectFields({FIELD_IS(settings.printOption, 0), FIELD_IS(settings.reportBoxing, 1),
                        FIELD_IS(settings.reportColumns, 1), FIELD_IS(settings.screenBanding, 1)});
    EXPECT_TRUE(settings.toolbarShown);
}

TEST_F(ScenarioFileRead, GroupRangesAndSpreadFactorsAreChecked) {
    Scenario written = test::makeScenario("group index=0 min=-60 max=20\n"
                                          "group index=1 min=30 max=20\n"
                                          "group index=2 min=20 max=20\n"
                                          "group index=3 min=5 max=101\n"
                                          // std-spread is not checked under distribution 0
                                          "random distribution=0 range-spread=12 std-spread=-3");
    test::writeAll(path("g.RET"), encodeScenarioImage(written));
    ASSERT_TRUE(read(path("g.RET")));
    // Group 3 reads 5..0 after the maximum is cleared.
    const auto& r = scenario.groups;
    EXPECT_EQ((std::vector<float>(r.groupRandomMin.begin(), r.groupRandomMin.begin() + 4)),
              (std::vector<float>{0, 0, 20, 0}));
    EXPECT_EQ((std::vector<float>(r.groupRandomMax.begin(), r.groupRandomMax.begin() + 4)),
              (std::vector<float>{20, 0, 20, 0}));
    EXPECT_EQ(r.rangeSpreadFactor, 10);
    EXPECT_EQ(r.stdSpreadFactor, -3);

    written.groups.randomDistribution = 2;
    test::writeAll(path("g.RET"), encodeScenarioImage(written));
    ASSERT_TRUE(read(path("g.RET")));
    EXPECT_EQ(scenario.groups.rangeSpreadFactor, 12);
    EXPECT_EQ(scenario.groups.stdSpreadFactor, 0);
}

TEST_F(ScenarioFileRead, DamagedFilesAreRefusedWithTheWarning) {
    std::mt19937 rng(9);
    const auto full = randomValidFile(rng, 3);
    std::vector<std::vector<Byte>> damaged = {
        {full.begin(), full.begin() + 79},              // inside the header
        {full.begin(), full.begin() + 80 + 2 * 160},    // header claims more events
        {full.begin(), full.begin() + 80 + 480 + 4123}, // inside the account table
        {},
    };
    auto withCounts = [&](int events, int accounts) {
        Scenario s;
        resetScenario(s);
        s.header.eventCount = static_cast<std::int16_t>(events);
        s.accounts.accountCount = static_cast<std::int16_t>(accounts);
        auto bytes = encodeScenarioImage(s);
        bytes[0] = static_cast<Byte>(events & 0xFF);
        bytes[1] = static_cast<Byte>((events >> 8) & 0xFF);
        return bytes;
    };
    damaged.push_back(withCounts(150, 0));
    damaged.push_back(withCounts(-1, 0));
    damaged.push_back(withCounts(0, 51));
    damaged.push_back(withCounts(0, -1));
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        dialogs.shown.clear();
        test::writeAll(path("bad.RET"), damaged[i]);
        scenario.accounts.accountCount = 4;
        scenario.modified = true;
        EXPECT_FALSE(read(path("bad.RET"))) << i;
        ASSERT_EQ(dialogs.transcript(), "FILE WARNING|" + path("bad.RET") +
                                            " doesn't seem to be a valid Tarvel Financial "
                                            "Planner file.")
            << i;
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Stop);
        EXPECT_EQ(scenario.fileName, "tmp01.ret");
        EXPECT_EQ(scenario.saveName, "tmp01.ret");
        EXPECT_EQ(scenario.accounts.accountCount, 0) << "scenario reset";
    }
}

TEST_F(ScenarioFileRead, MissingFileFailsSilentlyAndKeepsTheScenario) {
    scenario.accounts.accountCount = 2;
    scenario.slots.penaltyAge[0] = 61.0f;
    EXPECT_FALSE(read(path("none.RET")));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(scenario.accounts.accountCount, 2);
    EXPECT_EQ(scenario.slots.penaltyAge[0], 61.0f);
}

using ScenarioFileWrite = Fixture;

TEST_F(ScenarioFileWrite, SaveNeedsAnExistingFileAndKeepsTheScenarioModified) {
    resetScenario(scenario);
    scenario.saveName = path("tmp01.ret");
    scenario.modified = true;
    EXPECT_FALSE(writeScenario(scenario, settings, dialogs));
    EXPECT_EQ(dialogs.transcript(), "FILE ERROR|Cannot open file!");
    EXPECT_TRUE(scenario.modified);
    EXPECT_FALSE(std::filesystem::exists(path("tmp01.ret")));
}

TEST_F(ScenarioFileWrite, SaveCopiesLiveStateAndReplacesLongerFilesWhole) {
    resetScenario(scenario);
    scenario.liveEventCount = 2;
    scenario.events[0].type = 2;
    scenario.events[1].type = 6;
    settings.margins = {900, 800, 700, 600};
    settings.printOption = 0;
    settings.reportBanding = 1;
    settings.mainWindowWidth = 1024;
    scenario.modified = true;
    test::writeAll(path("s.RET"), std::vector<Byte>(20000, 0xAB));
    scenario.saveName = path("s.RET");
    ASSERT_TRUE(writeScenario(scenario, settings, dialogs));
    EXPECT_FALSE(scenario.modified);
    const auto bytes = test::readAll(path("s.RET"));
    ASSERT_EQ(bytes.size(), 14450u + 2 * 160);
    EXPECT_EQ(bytes[0], 2);
    const std::size_t prefsAt = 80 + 320 + 4124 + 740 + 246 + 1938 + 180;
    const auto prefs = decodeRecord<PrefInfo>(std::span<const Byte>(bytes).subspan(prefsAt));
    test::expectFields({FIELD_IS(prefs.windowWidth, 1024), FIELD_IS(prefs.marginLeft, 900),
                        FIELD_IS(prefs.marginBottom, 600), FIELD_IS(prefs.printOption, 0),
                        FIELD_IS(prefs.reportBanding, 1)});

    ASSERT_TRUE(read(path("s.RET")));
    EXPECT_EQ(scenario.liveEventCount, 2);
    EXPECT_EQ(scenario.events[1].type, 6);
}

TEST_F(ScenarioFileWrite, SaveAsAsksBeforeOverwriting) {
    resetScenario(scenario);
    test::writeAll(path("old.RET"), {1, 2, 3});
    scenario.fileName = path("old.RET");
    dialogs.answers = {Answer::No};
    EXPECT_FALSE(saveAsScenario(scenario, settings, dialogs));
    ASSERT_EQ(dialogs.transcript(),
              "FILE WARNING|" + path("old.RET") + " exits - Overwrite anyway?");
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(test::readAll(path("old.RET")), (std::vector<Byte>{1, 2, 3}));

    dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(saveAsScenario(scenario, settings, dialogs));
    EXPECT_EQ(scenario.saveName, path("old.RET"));
    EXPECT_EQ(test::readAll(path("old.RET")).size(), 14450u);

    dialogs.shown.clear();
    scenario.fileName = path("new.RET");
    EXPECT_TRUE(saveAsScenario(scenario, settings, dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(scenario.saveName, path("new.RET"));
    EXPECT_EQ(test::readAll(path("new.RET")).size(), 14450u);
}

TEST_F(ScenarioFileWrite, NewWritesTheShortFormUnderTheCounterName) {
    resetScenario(scenario);
    scenario.liveEventCount = 1;
    scenario.events[0].type = 2;
    settings.startCounter = 3.0f;
    ASSERT_TRUE(writeShortScenario(scenario, settings, dir.path(), dialogs));
    EXPECT_EQ(scenario.fileName, path("temp31.ret"));
    EXPECT_EQ(scenario.saveName, path("temp31.ret"));
    EXPECT_EQ(test::readAll(path("temp31.ret")), encodeShortScenarioImage(scenario));
    EXPECT_EQ(test::readAll(path("temp31.ret")).size(), 80u + 160 + 4124);

    settings.startCounter = 0.0f;
    std::filesystem::create_directory(path("temp01.ret"));
    EXPECT_FALSE(writeShortScenario(scenario, settings, dir.path(), dialogs));
    EXPECT_EQ(dialogs.transcript(), "FILE ERROR|Cannot open temporary file!");
}

} // namespace
} // namespace finplan
