// The graph window (F2), Compare Scenarios and the calculators' plots start finplan-plot in
// the work directory with their file; a program that cannot start gives "Execution Error".
#include "gui/commands/command_areas.h"
#include "gui/shell/command_ids.h"
#include "gui_fixture.h"

#include <filesystem>

namespace finplan::test {
namespace {

// Records every start; fails when told to.
class RecordingLauncher : public gui::ProgramLauncher {
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString workDir;
    };
    std::vector<Start> starts;
    bool works = true;

    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& workDir) override {
        starts.push_back({program, arguments, workDir});
        return works;
    }
};

class PlotProgramsTest : public GuiTest {
protected:
    void SetUp() override {
        openSample();
        plots().setLauncher(launcher);
        plots().setProgram(QStringLiteral("/opt/finplan/bin/finplan-plot"));
    }
    gui::PlotPrograms& plots() { return window->commands().plotPrograms(); }

    RecordingLauncher launcher;
};

TEST_F(PlotProgramsTest, EachCommandStartsThePlotProgramOnItsFile) {
    struct Case {
        std::function<void()> start;
        const char* arguments; // blanks between them
    };
    const std::vector<Case> cases = {
        {[this] { window->handleCommand(gui::command::GraphWindow); }, "plotinf01.tmp"},
        {[this] { window->handleCommand(gui::command::CompareScenarios); },
         "--compare plotinf01.tmp"},
        {[this] { plots().startCalculatorPlot(QStringLiteral("ref.tmp")); }, "ref.tmp"},
        {[this] { plots().startCalculatorPlot(QStringLiteral("trade.tmp")); }, "trade.tmp"},
    };
    for (const Case& c : cases) {
        launcher.starts.clear();
        c.start();
        ASSERT_EQ(launcher.starts.size(), 1u) << c.arguments;
        EXPECT_EQ(launcher.starts[0].program, QStringLiteral("/opt/finplan/bin/finplan-plot"));
        EXPECT_EQ(launcher.starts[0].arguments, QString::fromLatin1(c.arguments).split(u' '));
        EXPECT_EQ(std::filesystem::path(launcher.starts[0].workDir.toStdString()), dir.path());
    }
    EXPECT_TRUE(dialogs.shown.empty());
    // The graph window reads the plot file of an up-to-date run.
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "plotinf01.tmp"));
}

TEST_F(PlotProgramsTest, AProgramThatCannotStartIsTold) {
    launcher.works = false;
    window->handleCommand(gui::command::GraphWindow);
    EXPECT_EQ(dialogs.transcript(), "Execution Error|The graph program could not be started:\n"
                                    "/opt/finplan/bin/finplan-plot");
}

TEST_F(PlotProgramsTest, TheRealLauncherFailsOnAMissingProgram) {
    gui::DetachedLauncher real;
    EXPECT_FALSE(real.startDetached(qs((dir.path() / "no-such-program").string()), {},
                                    qs(dir.path().string())));
}

} // namespace
} // namespace finplan::test
