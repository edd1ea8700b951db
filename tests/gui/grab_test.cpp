// finplan --grab with nobody there: every message box is printed as "TITLE: text" and takes its
// careful answer, so the program always ends, with status 2 when the scenario could not be opened
// or run. It leaves the work directory as Exit does, refuses absurd picture sizes and fits a
// stored window to the screen.
#include "model/app_settings.h"
#include "model/pref_file.h"
#include "model/sample_scenario.h"
#include "model/scenario.h"
#include "model/scenario_image.h"
#include "support/case_file.h"
#include "support/temp_dir.h"

#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <limits>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace finplan::test {
namespace {

namespace fs = std::filesystem;

// Long enough for a slow, shared machine; a program waiting for a person never ends.
constexpr int kPatienceMs = 120000;

struct GrabRun {
    bool finished = false;
    int code = -1;
    std::string err; // standard error, every line ended by '\n'

    bool printed(const std::string& line) const {
        return ("\n" + err).find("\n" + line + "\n") != std::string::npos;
    }
    bool printedMatching(const std::regex& pattern) const {
        const std::vector<std::string> lines = linesOf(err);
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return std::regex_match(line, pattern);
        });
    }
};

GrabRun
runFinplan(const std::vector<std::string>& args,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QStringList words;
    for (const std::string& arg : args) {
        words << QString::fromStdString(arg);
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(FINPLAN_GUI_PROGRAM), words);
    GrabRun run;
    if (!process.waitForStarted()) {
        return run;
    }
    run.finished = process.waitForFinished(kPatienceMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.err = process.readAllStandardError().toStdString();
    return run;
}

// A message box line: an upper-case title, a colon and the text.
const std::regex kBoxLine("[A-Z][A-Z ]*[A-Z]: .+");

class GrabTest : public ::testing::Test {
protected:
    GrabTest() {
        fs::create_directory(work);
        writeAll(dir / "sample.RET", encodeScenarioImage(makeSampleScenario()));
    }

    GrabRun grab(const std::string& scenario, std::vector<std::string> more = {}) {
        std::vector<std::string> args = {"--workdir", work.string(), "--grab", picture.string()};
        args.insert(args.end(), more.begin(), more.end());
        args.push_back(scenario);
        return runFinplan(args);
    }

    TempDir dir;
    fs::path work = dir / "work";
    fs::path picture = dir / "window.png";
};

TEST_F(GrabTest, AScenarioThatCannotBeOpenedOrRunEndsWithStatusTwo) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
        // The message line, exact; empty when only its form is checked.
        std::string line;
    };
    const fs::path plan = dir / "plan.RET";
    const std::string invalid = "FILE WARNING: " + plan.string() +
                                " doesn't seem to be a valid Tarvel Financial Planner file.";
    const std::vector<Case> cases = {
        {"an empty file", [](const fs::path& p) { writeText(p, ""); }, invalid},
        {"a damaged file",
         [](const fs::path& p) {
             std::vector<Byte> bytes = encodeScenarioImage(makeSampleScenario());
             bytes.resize(100);
             writeAll(p, bytes);
         },
         invalid},
        {"a directory", [](const fs::path& p) { fs::create_directory(p); }, ""},
        {"ages that are not numbers",
         [](const fs::path& p) {
             Scenario scenario = makeSampleScenario();
             scenario.header.startAge = std::numeric_limits<float>::quiet_NaN();
             writeAll(p, encodeScenarioImage(scenario));
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(plan);
        fs::remove_all(work);
        fs::remove(picture);
        c.make(plan);
        const GrabRun run = grab(plan.string());
        ASSERT_TRUE(run.finished) << "still waiting for an answer";
        EXPECT_EQ(run.code, 2) << run.err;
        if (c.line.empty()) {
            EXPECT_TRUE(run.printedMatching(kBoxLine)) << run.err;
        } else {
            EXPECT_TRUE(run.printed(c.line)) << run.err;
        }
        // The picture shows the window the failure left; the work directory is left as
        // Exit leaves it.
        EXPECT_FALSE(QImage(QString::fromStdString(picture.string())).isNull());
        EXPECT_EQ(namesIn(work), (std::set<std::string>{"finance.dat", "prefinf.dat"}));
    }
}

TEST_F(GrabTest, AGoodScenarioEndsCleanlyAtTheGivenSize) {
    const GrabRun run = grab((dir / "sample.RET").string(), {"--size", "700x400"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_FALSE(run.printedMatching(kBoxLine)) << run.err;
    EXPECT_EQ(QImage(QString::fromStdString(picture.string())).size(), QSize(700, 400));
    // The run's temporary files are gone; the settings name the scenario for the next start.
    EXPECT_EQ(namesIn(work), (std::set<std::string>{"finance.dat", "prefinf.dat"}));
    EXPECT_NE(readText(work / "finance.dat").find((dir / "sample.RET").string()),
              std::string::npos);
}

TEST_F(GrabTest, AWorkDirectoryThatCannotBeUsedEndsWithStatusTwo) {
    // Root may write anywhere, so the directory is made unusable by what stands in it.
    writeText(dir / "plain", "x");
    const fs::path underFile = dir / "plain" / "work";
    const GrabRun noDirectory = runFinplan({"--workdir", underFile.string(), "--grab",
                                            picture.string(), (dir / "sample.RET").string()});
    ASSERT_TRUE(noDirectory.finished);
    EXPECT_EQ(noDirectory.code, 2);
    EXPECT_TRUE(noDirectory.printed("finplan: cannot use the work directory " + underFile.string() +
                                    ": Not a directory"))
        << noDirectory.err;
    EXPECT_FALSE(fs::exists(picture));

    // A work directory whose files cannot be written: folders hold their names.
    for (const char* name : {"plotinf01.tmp", "finance.dat", "prefinf.dat"}) {
        fs::create_directory(work / name);
    }
    const GrabRun unwritable = grab((dir / "sample.RET").string());
    ASSERT_TRUE(unwritable.finished) << "still waiting for an answer";
    EXPECT_EQ(unwritable.code, 2);
    EXPECT_TRUE(unwritable.printedMatching(std::regex("FILE ERROR: Cannot .+"))) << unwritable.err;
    EXPECT_TRUE(fs::is_directory(work / "finance.dat"));
    EXPECT_TRUE(fs::is_directory(work / "prefinf.dat"));
}

TEST_F(GrabTest, TheDefaultWorkDirectoryIsMadeForTheUserAlone) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"),
                       QString::fromStdString((dir / "data").string()));
    const GrabRun made =
        runFinplan({"--grab", picture.string(), (dir / "sample.RET").string()}, environment);
    ASSERT_TRUE(made.finished);
    EXPECT_EQ(made.code, 0) << made.err;
    const fs::path data = dir / "data" / "finplan";
    ASSERT_TRUE(fs::is_directory(data));
    EXPECT_EQ(fs::status(data).permissions(), fs::perms::owner_all);
    EXPECT_TRUE(fs::exists(data / "finance.dat"));
}

TEST_F(GrabTest, AHugeStoredWindowIsGrabbedAtScreenSize) {
    Scenario scenario;
    AppSettings settings;
    settings.windowX = -30000;
    settings.windowY = 50000;
    settings.windowWidth = 20000;
    settings.windowHeight = 20000;
    ASSERT_TRUE(writePrefInfo(work, scenario, settings));
    const GrabRun run = grab((dir / "sample.RET").string());
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.code, 0) << run.err;
    // The program draws offscreen, as this test does: the same screen.
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_EQ(QImage(QString::fromStdString(picture.string())).size(), screen);
}

// --command and --event picture a dialog and close it without OK: the scenario file is not
// written; what opens no dialog is told.
TEST_F(GrabTest, ADialogIsPicturedAndClosedUnchanged) {
    const fs::path sample = dir / "sample.RET";
    const std::vector<Byte> before = readAll(sample);
    forEachCase("gui/grab_dialogs.txt", "", 16, [&](const CaseLine& c) {
        std::vector<std::string> args;
        std::istringstream words(c.input("args"));
        for (std::string word; words >> word;) {
            args.push_back(word);
        }
        fs::remove(picture);
        const GrabRun run = grab(sample.string(), args);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(std::to_string(run.code), c.answer("code")) << run.err;
        EXPECT_FALSE(run.printedMatching(kBoxLine)) << run.err;
        if (c.answer("code") == "0") {
            const QImage image(QString::fromStdString(picture.string()));
            // A dialog, not the whole window.
            EXPECT_FALSE(image.isNull());
            EXPECT_LT(image.width(), 1000);
        } else {
            EXPECT_TRUE(run.printed(c.answer("line"))) << run.err;
            EXPECT_FALSE(fs::exists(picture));
        }
        EXPECT_EQ(readAll(sample), before);
    });
}

} // namespace
} // namespace finplan::test
