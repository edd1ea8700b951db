#include "model/finance_dat.h"
#include "model/scenario_file.h"
#include "support/case_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace finplan {
namespace {

using test::readText;
using test::TempDir;
using test::writeText;

const std::string kZeroCounterTail = "   0.00   0.00   0.00   0.00   0.00   0.00   0.00 0\n";

class FinanceDatTest : public ::testing::Test {
protected:
    std::filesystem::path file() const { return dir / "finance.dat"; }
    bool read() { return readFinanceDat(dir.path(), scenario, settings); }

    TempDir dir;
    Scenario scenario;
    AppSettings settings;
};

TEST_F(FinanceDatTest, MissingFileIsCreatedAndOpensNothing) {
    settings.startCounter = 5.0f;
    settings.financeReserved[3] = 2.0f;
    settings.financeReservedDigit = 4;

    EXPECT_FALSE(read());

    EXPECT_EQ(readText(file()), "\n  1.00" + kZeroCounterTail + "\n\n\n\n\n\n");
    EXPECT_EQ(settings.startCounter, 0.0f);
    EXPECT_EQ(settings.financeReserved, (std::array<float, 7>{}));
    EXPECT_EQ(settings.financeReservedDigit, 0);
}

TEST_F(FinanceDatTest, UncreatableFileStillAsksToOpen) {
    EXPECT_TRUE(readFinanceDat(dir / "no-such-folder", scenario, settings));
    EXPECT_FALSE(std::filesystem::exists(dir / "no-such-folder"));
}

TEST_F(FinanceDatTest, EmptyFileOpensNothingAndStaysEmpty) {
    writeText(file(), "");
    scenario.fileName = "held.ret";

    EXPECT_FALSE(read());

    EXPECT_EQ(readText(file()), "");
    EXPECT_EQ(scenario.fileName, "held.ret");
}

TEST_F(FinanceDatTest, CounterAdvancesAtStartAndIsWrittenAsIsAtTheEnd) {
    writeText(file(), "plan.ret\n  3.00   1.50  -2.25 100.00   0.00   0.00   0.00  12.34 7\n"
                      "one.ret\nC:\\two.ret\n");

    EXPECT_TRUE(read());

    EXPECT_EQ(scenario.fileName, "plan.ret");
    EXPECT_EQ(settings.startCounter, 3.0f);
    EXPECT_EQ(settings.financeReserved,
              (std::array<float, 7>{1.5f, -2.25f, 100.0f, 0.0f, 0.0f, 0.0f, 12.34f}));
    EXPECT_EQ(settings.financeReservedDigit, 7);
    EXPECT_EQ(settings.recentFiles, (RecentFiles{"one.ret", "C:\\two.ret", "", "", "", ""}));
    EXPECT_EQ(readText(file()),
              "plan.ret\n  4.00   1.50  -2.25 100.00   0.00   0.00   0.00  12.34 7\n"
              "one.ret\nC:\\two.ret\n\n\n\n\n");

    ASSERT_TRUE(writeFinanceDat(dir.path(), scenario, settings));
    EXPECT_EQ(readText(file()),
              "plan.ret\n  3.00   1.50  -2.25 100.00   0.00   0.00   0.00  12.34 7\n"
              "one.ret\nC:\\two.ret\n");
}

// Found by fuzzing: New would turn some of these into an undefined conversion or a name like
// "temp-31.ret".
TEST_F(FinanceDatTest, CounterThatIsNoWholeNumberUpToEightRestartsAtZero) {
    for (const std::string stored : {"9.00", "12.5", "nan", "-nan", "inf", "-1e30", "1e30", "-3",
                                     "-0.5", "3.00213", "8.999"}) {
        writeText(file(), "a.ret\n" + stored + kZeroCounterTail);
        settings.startCounter = 4.0f;

        EXPECT_TRUE(read());

        EXPECT_EQ(settings.startCounter, 0.0f) << stored;
        EXPECT_EQ(readText(file()), "a.ret\n  1.00" + kZeroCounterTail + "\n\n\n\n\n\n") << stored;
        EXPECT_EQ(shortScenarioName(settings, "w"), "w/temp01.ret") << stored;
    }
}

TEST_F(FinanceDatTest, CounterEightIsKeptAndWrittenAsNine) {
    writeText(file(), "a.ret\n8" + kZeroCounterTail);
    EXPECT_TRUE(read());
    EXPECT_EQ(settings.startCounter, 8.0f);
    EXPECT_EQ(readText(file()).substr(0, 12), "a.ret\n  9.00");
}

TEST_F(FinanceDatTest, UnmatchedValuesKeepWhatTheyHeld) {
    settings.financeReserved.fill(7.0f);
    settings.financeReservedDigit = 5;
    writeText(file(), "\n 2 0.5 x 1 1 1 1 1 1\n");

    EXPECT_TRUE(read());

    EXPECT_EQ(scenario.fileName, "");
    EXPECT_EQ(settings.startCounter, 2.0f);
    EXPECT_EQ(settings.financeReserved,
              (std::array<float, 7>{0.5f, 7.0f, 7.0f, 7.0f, 7.0f, 7.0f, 7.0f}));
    EXPECT_EQ(settings.financeReservedDigit, 5);
}

TEST_F(FinanceDatTest, TwoLineFileGivesAnEmptyRecentList) {
    settings.recentFiles = {"old1.ret", "old2.ret", "old3.ret", "old4.ret", "old5.ret", "x.ret"};
    writeText(file(), "a.ret\n  2.00" + kZeroCounterTail);

    EXPECT_TRUE(read());

    EXPECT_EQ(settings.recentFiles, RecentFiles{});
    EXPECT_TRUE(recentFileMenuItems(settings.recentFiles).empty());
    EXPECT_EQ(readText(file()), "a.ret\n  3.00" + kZeroCounterTail + "\n\n\n\n\n\n");
}

TEST_F(FinanceDatTest, OnlySixRecentLinesAreReadAndTheLastNeedsNoLineFeed) {
    writeText(file(), "a.ret\n  0.00" + kZeroCounterTail + "r1\nr2\nr3\nr4\nr5\nr6\nr7\n");
    EXPECT_TRUE(read());
    EXPECT_EQ(settings.recentFiles, (RecentFiles{"r1", "r2", "r3", "r4", "r5", "r6"}));

    writeText(file(), "a.ret\n  0.00" + kZeroCounterTail + "r1\nlast");
    EXPECT_TRUE(read());
    EXPECT_EQ(settings.recentFiles, (RecentFiles{"r1", "last", "", "", "", ""}));
}

TEST_F(FinanceDatTest, LinesAreReadThroughA264ByteBuffer) {
    // 268 characters: the first 263 are line 1, the rest is scanned as the counter line and
    // the real counter line becomes the first recent entry.
    const std::string longName(263, 'n');
    const std::string counterLine = "  3.00" + kZeroCounterTail;
    writeText(file(), longName + " 6.00\n" + counterLine + "r.ret\n");

    EXPECT_TRUE(read());

    EXPECT_EQ(scenario.fileName, longName);
    EXPECT_EQ(settings.startCounter, 6.0f);
    EXPECT_EQ(settings.recentFiles[0], counterLine.substr(0, counterLine.size() - 1));
    EXPECT_EQ(settings.recentFiles[1], "r.ret");

    // 262 characters and the line feed fill the buffer exactly: the line is whole.
    const std::string fitting(262, 'f');
    writeText(file(), fitting + "\n" + counterLine);
    EXPECT_TRUE(read());
    EXPECT_EQ(scenario.fileName, fitting);
    EXPECT_EQ(settings.startCounter, 3.0f);
    EXPECT_EQ(settings.recentFiles[0], "");

    // One more character leaves the line feed to a read of its own.
    settings.startCounter = 1.0f;
    writeText(file(), longName + "\n" + counterLine);
    EXPECT_TRUE(read());
    EXPECT_EQ(scenario.fileName, longName);
    EXPECT_EQ(settings.startCounter, 1.0f);
    EXPECT_EQ(settings.recentFiles[0], counterLine.substr(0, counterLine.size() - 1));
}

TEST_F(FinanceDatTest, ANulByteEndsTheLine) {
    writeText(file(), std::string("ab\0cd\n", 6) + "  1.00" + kZeroCounterTail);
    EXPECT_TRUE(read());
    EXPECT_EQ(scenario.fileName, "ab");
    EXPECT_EQ(settings.startCounter, 1.0f);
}

TEST_F(FinanceDatTest, EndWritesOnlyEntriesOfTwoCharactersOrMore) {
    scenario.fileName = "C:\\plans\\mine.ret";
    settings.startCounter = 0.0f;
    settings.recentFiles = {"x", "ab", "", "first.ret", "y", "second.ret"};

    ASSERT_TRUE(writeFinanceDat(dir.path(), scenario, settings));

    EXPECT_EQ(readText(file()),
              "C:\\plans\\mine.ret\n  0.00" + kZeroCounterTail + "ab\nfirst.ret\nsecond.ret\n");
}

TEST_F(FinanceDatTest, EndWriteFailureIsReported) {
    EXPECT_FALSE(writeFinanceDat(dir / "missing", scenario, settings));
}

// Names added to the recent list, and its menu items: tests/data/model/recent_files.txt.
TEST(RecentFiles, AddedNamesAndMenuItemsFollowTheDataFile) {
    const auto listOf = [](const std::string& text) {
        RecentFiles files;
        const auto parts = test::partsOf(text, ';');
        std::copy_n(parts.begin(), std::min(parts.size(), files.size()), files.begin());
        return files;
    };
    const auto cases = test::readCases("model/recent_files.txt");
    ASSERT_EQ(cases.size(), 9u);
    for (const test::CaseLine& c : cases) {
        SCOPED_TRACE(c.where);
        RecentFiles files = listOf(c.input("before"));
        if (c.word == "menu") {
            EXPECT_EQ(recentFileMenuItems(files), test::partsOf(c.answer("items"), ';'));
            continue;
        }
        for (const std::string& name : test::partsOf(c.input("added"), ';')) {
            addRecentFile(files, name);
        }
        EXPECT_EQ(files, listOf(c.answer("after")));
    }
}

} // namespace
} // namespace finplan
