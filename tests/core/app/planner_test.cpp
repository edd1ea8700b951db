#include "app/planner.h"
#include "app/temporary_files.h"
#include "model/sample_scenario.h"
#include "model/scenario_image.h"
#include "model/text_field.h"
#include "support/field_checks.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace finplan {
namespace {

using test::readAll;
using test::readText;
using test::ScriptedDialogs;
using test::TempDir;
using test::writeAll;
using test::writeText;

const LocalDateTime kToday{2026, 12, 6, 10, 11, 12};

// A work directory, a copy of the sample scenario in it and a planner over both.
class PlannerTest : public ::testing::Test {
protected:
    PlannerTest() { writeAll(samplePath(), encodeScenarioImage(makeSampleScenario())); }

    std::string samplePath() const { return (dir / "sample.RET").string(); }

    void startOnSample() {
        planner.start({}, samplePath());
        dialogs.shown.clear();
    }

    const std::vector<ScheduleLine>& lines() const { return planner.output().schedule.lines; }

    int lineStartingWith(const std::string& prefix) const {
        const auto found = std::find_if(lines().begin(), lines().end(), [&](const auto& line) {
            return line.text.starts_with(prefix);
        });
        return found == lines().end() ? -1 : static_cast<int>(found - lines().begin());
    }

    TempDir dir;
    ScriptedDialogs dialogs;
    FixedClock clock{kToday};
    Planner planner{dir.path(), dialogs, clock};
};

TEST_F(PlannerTest, FirstStartOpensNothingAndCreatesTheSettingsFile) {
    planner.start({});
    EXPECT_EQ(planner.title(), "Financial Planner - tmp01.ret");
    EXPECT_FALSE(planner.scenarioLoaded());
    EXPECT_FALSE(planner.hasResults());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(readText(dir / "finance.dat"),
              "\n  1.00   0.00   0.00   0.00   0.00   0.00   0.00   0.00 0\n\n\n\n\n\n\n");
}

TEST_F(PlannerTest, StartOpensTheLastScenarioRunsItAndKeepsTheCounter) {
    writeText(dir / "finance.dat",
              samplePath() +
                  "\n  4.00   0.00   0.00   0.00   0.00   0.00   0.00   0.00 0\nold.RET\n");
    planner.start({});
    EXPECT_EQ(planner.title(), "Financial Planner - " + samplePath());
    EXPECT_TRUE(planner.scenarioLoaded());
    EXPECT_TRUE(planner.hasResults());
    EXPECT_EQ(planner.settings().startCounter, 4.0f);
    EXPECT_EQ(planner.recentFileItems(), std::vector<std::string>{"(1) old.RET"});
    ASSERT_FALSE(lines().empty());
    EXPECT_TRUE(lines().front().text.starts_with("45.0 \t"));
    EXPECT_GT(lineStartingWith("92.0 \t"), lineStartingWith("91.0 \t"));
}

TEST_F(PlannerTest, AScenarioOnTheCommandLineOpensInsteadOfTheLastOne) {
    writeText(dir / "finance.dat", "missing.RET\n  0.00   0.00   0.00   0.00   0.00   0.00   "
                                   "0.00   0.00 0\n");
    planner.start({}, samplePath());
    EXPECT_EQ(planner.scenario().fileName, samplePath());
    EXPECT_EQ(planner.scenario().saveName, samplePath());
    EXPECT_TRUE(planner.scenarioLoaded());
}

TEST_F(PlannerTest, StartWithTheSummaryWordShowsTheSummaryBlock) {
    CommandLineSwitches switches;
    switches.summary = true;
    planner.start(switches, samplePath());
    EXPECT_TRUE(planner.switches().summary);
    EXPECT_GE(lineStartingWith("Summary:"), 0);
    planner.toggleSummarySwitch();
    planner.run();
    EXPECT_EQ(lineStartingWith("Summary:"), -1);
}

TEST_F(PlannerTest, AnUnreadableLastScenarioLeavesTheResetOneNamedTmp01) {
    writeAll(dir / "short.RET", std::vector<Byte>(40, Byte{1}));
    writeText(dir / "finance.dat", (dir / "short.RET").string() + "\n");
    planner.start({});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              (dir / "short.RET").string() +
                  " doesn't seem to be a valid Tarvel Financial Planner file.");
    EXPECT_EQ(planner.title(), "Financial Planner - tmp01.ret");
    EXPECT_EQ(planner.scenario().saveName, "tmp01.ret");
    EXPECT_FALSE(planner.scenarioLoaded());
}

TEST_F(PlannerTest, SavePromptAsksOnlyAboutChangesAndSavesOnYes) {
    startOnSample();
    EXPECT_EQ(planner.askToSave(), Answer::Ok);
    EXPECT_TRUE(dialogs.shown.empty());

    const auto before = readAll(samplePath());
    planner.scenario().modified = true;
    planner.scenario().header.taxRate = 33.0f;
    dialogs.answers = {Answer::No};
    EXPECT_EQ(planner.askToSave(), Answer::No);
    ASSERT_EQ(dialogs.transcript(),
              "Tarvel Financial Planner|Do you wish to save the file " + samplePath() + "?");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(readAll(samplePath()), before);

    dialogs.answers = {Answer::Cancel};
    EXPECT_EQ(planner.askToSave(), Answer::Cancel);
    dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(planner.mayReplaceScenario());
    EXPECT_TRUE(planner.scenario().modified);

    dialogs.answers = {Answer::Yes};
    EXPECT_EQ(planner.askToSave(), Answer::Yes);
    EXPECT_FALSE(planner.scenario().modified);
    EXPECT_EQ(readAll(samplePath()), encodeScenarioImage(planner.scenario()));
    EXPECT_NE(readAll(samplePath()), before);
}

TEST_F(PlannerTest, AFailedSaveInThePromptStopsTheCommand) {
    startOnSample();
    planner.scenario().saveName = (dir / "gone" / "x.RET").string();
    planner.scenario().modified = true;
    dialogs.answers = {Answer::Yes};
    EXPECT_EQ(planner.askToSave(), Answer::Cancel);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Cannot open file!");
    EXPECT_EQ(dialogs.shown[1].title, "FILE ERROR");
    EXPECT_TRUE(planner.scenario().modified);
}

TEST_F(PlannerTest, OpenChoosesThePageAndRemembersThePreviousFile) {
    startOnSample();
    const std::string other = (dir / "other.RET").string();
    writeAll(other, encodeScenarioImage(makeSampleScenario()));
    planner.scenario().modified = true;
    EXPECT_EQ(planner.openScenario(other), Page::Scenario);
    EXPECT_EQ(planner.title(), "Financial Planner - " + other);
    EXPECT_FALSE(planner.scenario().modified);
    EXPECT_EQ(planner.settings().recentFiles[0], samplePath());

    Scenario empty = makeSampleScenario();
    empty.header.eventCount = 0;
    empty.liveEventCount = 0;
    const std::string noEvents = (dir / "none.RET").string();
    writeAll(noEvents, encodeScenarioImage(empty));
    EXPECT_EQ(planner.openScenario(noEvents), Page::Summary);
    EXPECT_EQ(planner.recentFileItems(),
              (std::vector<std::string>{"(1) " + other, "(2) " + samplePath()}));

    // Back to the first file through the recent list: it moves to the top, once.
    EXPECT_EQ(planner.openRecentFile(1), Page::Scenario);
    EXPECT_EQ(planner.scenario().fileName, samplePath());
    EXPECT_EQ(planner.recentFileItems(),
              (std::vector<std::string>{"(1) " + noEvents, "(2) " + other, "(3) " + samplePath()}));
    EXPECT_EQ(planner.openRecentFile(5), std::nullopt);
}

TEST_F(PlannerTest, OpenOfAFileThatCannotBeOpenedKeepsTheScenario) {
    startOnSample();
    const std::string missing = (dir / "missing.RET").string();
    EXPECT_EQ(planner.openScenario(missing), std::nullopt);
    EXPECT_EQ(planner.title(), "Financial Planner");
    EXPECT_EQ(planner.scenario().fileName, samplePath());
    EXPECT_EQ(planner.scenario().accounts.accountCount, makeSampleScenario().accounts.accountCount);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PlannerTest, OpenOfAnInvalidFileShowsTheSummaryOfTheResetScenario) {
    startOnSample();
    const std::string bad = (dir / "bad.RET").string();
    writeAll(bad, std::vector<Byte>(100, Byte{0}));
    EXPECT_EQ(planner.openScenario(bad), Page::Summary);
    EXPECT_EQ(planner.title(), "Financial Planner - tmp01.ret");
    EXPECT_EQ(planner.scenario().accounts.accountCount, 0);
    EXPECT_EQ(dialogs.shown.at(0).title, "FILE WARNING");
}

TEST_F(PlannerTest, SaveAsWritesTheNewFileOrKeepsThePreviousName) {
    startOnSample();
    const std::string copy = (dir / "copy.RET").string();
    ASSERT_TRUE(planner.saveAs(copy));
    EXPECT_EQ(planner.title(), "Financial Planner - " + copy);
    EXPECT_EQ(planner.settings().recentFiles[0], samplePath());
    EXPECT_EQ(readAll(copy), encodeScenarioImage(planner.scenario()));

    // Saving over an existing file asks first; No writes nothing and keeps the names.
    const auto sampleBytes = readAll(samplePath());
    planner.scenario().header.taxRate = 40.0f;
    dialogs.answers = {Answer::No};
    EXPECT_FALSE(planner.saveAs(samplePath()));
    EXPECT_EQ(dialogs.shown.back().text, samplePath() + " exits - Overwrite anyway?");
    EXPECT_EQ(readAll(samplePath()), sampleBytes);
    EXPECT_EQ(planner.scenario().fileName, copy);
    EXPECT_EQ(planner.title(), "Financial Planner - " + copy);
}

TEST_F(PlannerTest, NewByHandWritesTheShortTemporaryFile) {
    startOnSample();
    ASSERT_TRUE(planner.newScenarioByHand());
    const auto temp = dir / "temp01.ret";
    EXPECT_EQ(planner.scenario().fileName, temp.string());
    EXPECT_EQ(planner.title(), "Financial Planner - " + temp.string());
    EXPECT_EQ(readAll(temp).size(), ScenarioHeader::kSize + AccountTable::kSize);
    const Scenario& s = planner.scenario();
    test::expectFields({FIELD_IS(s.accounts.accountCount, 0), FIELD_IS(s.liveEventCount, 0),
                        FIELD_IS(s.slots.lifeTable1StartAge, 70),
                        FIELD_IS(s.slots.lifeTable3StartAge, 70)});
    EXPECT_EQ(fieldText(s.slots.lifeTable2Name), "IRA 2");
    EXPECT_TRUE(s.modified);
    EXPECT_TRUE(s.resultsStale);
    EXPECT_TRUE(planner.output().schedule.lines.empty());
}

TEST_F(PlannerTest, GoToFindsTheTotalsLineOfAnAgeOrTheEnds) {
    startOnSample();
    const int last = static_cast<int>(lines().size()) - 1;
    EXPECT_EQ(planner.scrollMode(), ScrollMode::Last);
    EXPECT_EQ(planner.lineToShow(), last);

    ASSERT_TRUE(planner.goToAge("60"));
    EXPECT_EQ(planner.scrollMode(), ScrollMode::ChosenAge);
    EXPECT_EQ(planner.chosenAge(), 60);
    EXPECT_EQ(planner.lineToShow(), lineStartingWith("60.0 \t"));
    ASSERT_TRUE(planner.goToAge("70.9"));
    EXPECT_EQ(planner.lineToShow(), lineStartingWith("70.0 \t"));

    ASSERT_TRUE(planner.goToAge("20"));
    EXPECT_EQ(planner.lineToShow(), 0);
    ASSERT_TRUE(planner.goToAge("99"));
    EXPECT_EQ(planner.lineToShow(), last);

    // Only five characters are read: "60.00001" is 60.00, not refused.
    ASSERT_TRUE(planner.goToAge("60.00001"));
    EXPECT_EQ(planner.chosenAge(), 60);

    for (const char* bad : {"121", "0.5", "abc", ""}) {
        dialogs.shown.clear();
        EXPECT_FALSE(planner.goToAge(bad)) << bad;
        EXPECT_EQ(dialogs.transcript(), "AGE ERROR|This age must be between 1.0 and 120.0.") << bad;
        EXPECT_EQ(planner.chosenAge(), 60) << "a refused age changes nothing";
    }
    planner.showFirstLine();
    EXPECT_EQ(planner.lineToShow(), 0);
    planner.showLastLine();
    EXPECT_EQ(planner.lineToShow(), last);
}

TEST_F(PlannerTest, ChoosingALineTellsTotalsLinesFromEventLines) {
    startOnSample();
    const int totals = lineStartingWith("50.0 \t");
    const LineChoice chosen = planner.chooseLine(totals);
    EXPECT_EQ(chosen.kind, LineChoice::Kind::TotalsLine);
    EXPECT_EQ(chosen.value, 50);
    EXPECT_EQ(planner.lineToShow(), totals);

    const auto event = std::find_if(lines().begin(), lines().end(),
                                    [](const ScheduleLine& line) { return line.kind >= 0; });
    ASSERT_NE(event, lines().end());
    const LineChoice onEvent = planner.chooseLine(static_cast<int>(event - lines().begin()));
    EXPECT_EQ(onEvent.kind, LineChoice::Kind::EventLine);
    EXPECT_EQ(onEvent.value, event->kind);

    EXPECT_EQ(planner.chooseLine(lineStartingWith("Financial Events:")).kind,
              LineChoice::Kind::Nothing);
    EXPECT_EQ(planner.chooseLine(-1).kind, LineChoice::Kind::Nothing);
}

TEST_F(PlannerTest, SavedResultsHoldTheDescriptionAndTheScheduleAndEmptyThePrintFile) {
    startOnSample();
    writeText(dir / "ptmpsch.dat", "old print work\n");
    const auto shown = lines();
    const std::string results = (dir / "r.sch").string();
    ASSERT_TRUE(planner.saveResults(results));
    const std::string text = readText(results);
    const auto description = planner.scenarioList();
    ASSERT_FALSE(description.empty());
    EXPECT_TRUE(text.starts_with(description.front() + "\n"));
    EXPECT_NE(text.find("\n" + shown.front().text + "\n"), std::string::npos);
    EXPECT_NE(text.find(std::string(184, '-')), std::string::npos);
    EXPECT_EQ(readText(dir / "ptmpsch.dat"), "");
    EXPECT_EQ(lines(), shown);
}

TEST_F(PlannerTest, FinishWritesTheSettingsAndDeletesOnlyTheTemporaryFiles) {
    startOnSample();
    for (const char* name : {"PAGE3", "rpage24", "SPAGE1", "TRADE.TMP", "ref.tmp", "refprt.tmp"}) {
        writeText(dir / name, "x");
    }
    writeText(dir / "notes.txt", "keep");
    writeText(dir / "page7x", "keep");
    // Long reports number their pages past the fixed list; those go too.
    writeText(dir / "page50", "x");
    ASSERT_TRUE(std::filesystem::exists(dir / "bigfile.tmp"));
    ASSERT_TRUE(std::filesystem::exists(dir / "plotinf01.tmp"));
    planner.setWindowPlacement(12, 34, 640, 480);
    planner.finish(true);

    for (const char* name :
         {"bigfile.tmp", "plotinf01.tmp", "outfile.tmp", "infile.tmp", "ptmpsch.dat", "PAGE3",
          "rpage24", "SPAGE1", "TRADE.TMP", "ref.tmp", "refprt.tmp", "page50"}) {
        EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
    }
    for (const char* name : {"notes.txt", "page7x", "sample.RET", "finance.dat"}) {
        EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
    }
    const auto prefs = readAll(dir / "prefinf.dat");
    ASSERT_EQ(prefs.size(), PrefInfo::kSize);
    const auto stored = decodeRecord<PrefInfo>(std::span<const Byte>(prefs));
    test::expectFields({FIELD_IS(stored.windowX, 12), FIELD_IS(stored.windowY, 34),
                        FIELD_IS(stored.windowWidth, 640), FIELD_IS(stored.windowHeight, 480)});
    EXPECT_TRUE(readText(dir / "finance.dat").starts_with(samplePath() + "\n  0.00 "));
}

TEST_F(PlannerTest, TheEndOfTheSessionKeepsTheTemporaryFiles) {
    startOnSample();
    planner.finish(false);
    EXPECT_TRUE(std::filesystem::exists(dir / "bigfile.tmp"));
    const auto names = temporaryFileNames();
    EXPECT_EQ(std::count(names.begin(), names.end(), "page49"), 1);
}

TEST(ClockSeed, CountsSecondsSince1970) {
    EXPECT_EQ(clockSeed({1970, 1, 1, 0, 0, 0}), 0u);
    EXPECT_EQ(clockSeed({2000, 3, 1, 0, 0, 1}), 951868801u);
    EXPECT_EQ(clockSeed({2026, 12, 6, 10, 11, 12}), 1796551872u);
}

} // namespace
} // namespace finplan
