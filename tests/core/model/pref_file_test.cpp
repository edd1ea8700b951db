#include "model/byte_io.h"
#include "model/pref_file.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/field_checks.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace finplan {
namespace {

using test::readAll;
using test::TempDir;
using test::writeAll;

std::int32_t int32At(const std::vector<Byte>& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(bytes.at(offset + i)) << (8 * i);
    }
    return static_cast<std::int32_t>(value);
}

std::vector<Byte> bytesOf(const PrefInfo& prefs) {
    const auto image = encodeRecord(prefs);
    return {image.begin(), image.end()};
}

PrefInfo storedPrefs() {
    PrefInfo prefs;
    prefs.windowX = 120;
    prefs.windowY = 40;
    prefs.reportColumns = 1;
    prefs.screenBanding = 0;
    prefs.reportBanding = 1;
    prefs.hideInfoFolder = 1;
    prefs.reportBoxing = 1;
    prefs.windowWidth = 800;
    prefs.windowHeight = 450;
    prefs.marginLeft = 750;
    prefs.printOption = 2;
    return prefs;
}

class PrefFileTest : public ::testing::Test {
protected:
    std::filesystem::path file() const { return dir / "prefinf.dat"; }
    void read() { readPrefInfo(dir.path(), scenario, settings); }

    TempDir dir;
    Scenario scenario;
    AppSettings settings;
};

TEST_F(PrefFileTest, MissingFileLeavesTheDefaults) {
    settings.windowX = 7;
    settings.windowWidth = 1234;
    settings.reportBanding = 1;
    settings.reportBoxing = 1;
    settings.hideInfoFolder = 1;
    settings.toolbarShown = false;
    scenario.fonts[1].height = 12;
    setFieldText(scenario.fonts[2].faceName, "Arial");
    scenario.prefs.windowX = 55;

    read();

    test::expectFields({FIELD_IS(settings.windowX, 100), FIELD_IS(settings.windowY, 100),
                        FIELD_IS(settings.windowWidth, 600), FIELD_IS(settings.windowHeight, 500),
                        FIELD_IS(settings.reportBanding, 0), FIELD_IS(settings.reportBoxing, 0),
                        FIELD_IS(settings.hideInfoFolder, 0), FIELD_IS(settings.screenBanding, 1)});
    EXPECT_TRUE(settings.toolbarShown);
    PrintFonts expectedFonts{};
    setFieldText(expectedFonts[0].faceName, "Lucida");
    for (int i = 0; i < kPrintFontCount; ++i) {
        EXPECT_EQ(encodeRecord(scenario.fonts[i]), encodeRecord(expectedFonts[i])) << i;
    }
    EXPECT_EQ(scenario.prefs.windowX, 55);
    EXPECT_FALSE(std::filesystem::exists(file()));
}

TEST_F(PrefFileTest, StoredPlacementAndSwitchesComeIntoForce) {
    const PrefInfo stored = storedPrefs();
    writeAll(file(), bytesOf(stored));

    read();

    EXPECT_EQ(bytesOf(scenario.prefs), bytesOf(stored));
    test::expectFields({FIELD_IS(settings.windowX, 120), FIELD_IS(settings.windowY, 40),
                        FIELD_IS(settings.windowWidth, 800), FIELD_IS(settings.windowHeight, 450),
                        FIELD_IS(settings.reportColumns, 1), FIELD_IS(settings.reportBanding, 1),
                        FIELD_IS(settings.hideInfoFolder, 1), FIELD_IS(settings.reportBoxing, 1)});
    // Screen banding is on whatever the file says.
    EXPECT_EQ(settings.screenBanding, 1);
    // Margins and print option stay in the record; they come into force from a scenario.
    EXPECT_EQ(settings.margins, PageMargins{});
    EXPECT_EQ(settings.printOption, 1);
}

TEST_F(PrefFileTest, OffScreenCornersAndNarrowWidthsAreCorrected) {
    test::forEachCase("model/window_placement.txt", "place", 5, [&](const test::CaseLine& c) {
        PrefInfo stored;
        stored.windowX = std::stoi(c.input("x"));
        stored.windowY = std::stoi(c.input("y"));
        stored.windowWidth = std::stoi(c.input("width"));
        stored.windowHeight = std::stoi(c.input("height"));
        writeAll(file(), bytesOf(stored));

        read();

        EXPECT_EQ(settings.windowX, std::stoi(c.answer("x")));
        EXPECT_EQ(settings.windowY, std::stoi(c.answer("y")));
        EXPECT_EQ(settings.windowWidth, std::stoi(c.answer("width")));
        EXPECT_EQ(settings.windowHeight, stored.windowHeight);
        EXPECT_EQ(scenario.prefs.windowX, stored.windowX);
    });
}

TEST_F(PrefFileTest, ShortFileOverlaysOnlyTheBytesItHolds) {
    scenario.prefs = storedPrefs();
    PrefInfo front;
    front.windowX = 20;
    front.windowY = 30;
    front.reportColumns = 0;
    std::vector<Byte> bytes = bytesOf(front);
    bytes.resize(10); // the whole corner and half of reportColumns

    writeAll(file(), bytes);
    read();

    test::expectFields({FIELD_IS(scenario.prefs.windowX, 20), FIELD_IS(scenario.prefs.windowY, 30),
                        FIELD_IS(scenario.prefs.reportColumns, 0),
                        FIELD_IS(scenario.prefs.marginLeft, 750), FIELD_IS(settings.windowX, 20),
                        FIELD_IS(settings.windowY, 30), FIELD_IS(settings.windowWidth, 800),
                        FIELD_IS(settings.reportBanding, 1)});

    // An empty file is a file: the held record comes into force unchanged.
    scenario.prefs = storedPrefs();
    writeAll(file(), {});
    read();
    EXPECT_EQ(settings.windowX, 120);
    EXPECT_EQ(settings.hideInfoFolder, 1);
}

TEST_F(PrefFileTest, WritesTheRecordWithPlacementAndSwitchesInForce) {
    scenario.prefs = storedPrefs();
    scenario.prefs.fontScale = 1.25f;
    scenario.prefs.marginBottom = 900;
    settings.windowX = 33;
    settings.windowY = 44;
    settings.windowWidth = -1024;
    settings.windowHeight = 768;
    settings.reportColumns = 0;
    settings.screenBanding = 1;
    settings.reportBanding = 0;
    settings.hideInfoFolder = 0;
    settings.reportBoxing = 0;
    settings.margins.left = 123; // the page setup's margins are not the record's
    settings.printOption = 9;

    ASSERT_TRUE(writePrefInfo(dir.path(), scenario, settings));

    const std::vector<Byte> bytes = readAll(file());
    ASSERT_EQ(bytes.size(), 152u);
    // Corner, switches, fontScale 1.25 as held, size, margins and print option as held.
    const std::pair<std::size_t, std::int32_t> expected[] = {
        {0, 33},          {4, 44},     {8, 0},     {12, 1},    {16, 0},    {20, 0}, {24, 0},
        {40, 0x3FA00000}, {124, 1024}, {128, 768}, {132, 750}, {144, 900}, {148, 2}};
    for (const auto& [at, value] : expected) {
        EXPECT_EQ(int32At(bytes, at), value) << at;
    }
    EXPECT_EQ(bytes, bytesOf(scenario.prefs));
}

// A damaged file found by fuzzing: it ends just after a window height of the most negative int.
TEST_F(PrefFileTest, MostNegativeHeightIsWrittenAsTheLargestSize) {
    const auto damaged = readAll(test::testData("model/prefinf_negative_height.dat"));
    ASSERT_EQ(damaged.size(), 132u);
    writeAll(file(), damaged);

    read();
    EXPECT_EQ(settings.windowX, 0);
    EXPECT_EQ(settings.windowWidth, 600);
    EXPECT_EQ(settings.windowHeight, -2147483647 - 1);
    ASSERT_TRUE(writePrefInfo(dir.path(), scenario, settings));

    const std::vector<Byte> bytes = readAll(file());
    ASSERT_EQ(bytes.size(), 152u);
    EXPECT_EQ(int32At(bytes, 124), 600);
    EXPECT_EQ(int32At(bytes, 128), 2147483647);
}

TEST_F(PrefFileTest, UnwritableFolderFailsQuietly) {
    EXPECT_FALSE(writePrefInfo(dir / "missing", scenario, settings));
}

} // namespace
} // namespace finplan
