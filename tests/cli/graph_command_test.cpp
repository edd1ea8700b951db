// `finplan-cli graph`: a PNG as the screen shows the graph, a PDF page as the printer prints
// it, and the exit statuses of bad requests.
#include "cli/cli_cases.h"
#include "cli/cli_test_support.h"
#include "graphs/series_colors.h"
#include "model/sample_scenario.h"
#include "model/scenario_image.h"
#include "render/graph_test_data.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace finplan::test {
namespace {

class GraphCommandTest : public ::testing::Test {
protected:
    GraphCommandTest() { writeAll(scenario(), encodeScenarioImage(makeSampleScenario())); }

    std::string scenario() const { return (dir / "sample.RET").string(); }
    std::string file(const std::string& name) const { return (dir / name).string(); }

    CliRun graph(std::vector<std::string> words) {
        words.insert(words.begin(), {"graph", scenario()});
        words.insert(words.end(), {"--workdir", dir.path().string(), "--today", "2026-12-06"});
        return runCliWith(words);
    }

    TempDir dir;
};

TEST_F(GraphCommandTest, DrawsTheRequestedGraphIntoAPngOfTheGivenSize) {
    const CliRun run =
        graph({"--kind", "1", "--style", "bars", "--size", "640x480", "--png", file("net.png")});
    ASSERT_EQ(run.code, 0) << run.err;
    const QImage image(QString::fromStdString(file("net.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(640, 480));
    // Net worth bars fill a good part of the picture in the first series colour.
    EXPECT_GT(countPixels(image, QColor(0, 0, 255)), 5000);
    // The run behind it wrote its plot file into the work directory.
    EXPECT_TRUE(std::filesystem::exists(dir / "plotinf01.tmp"));
}

TEST_F(GraphCommandTest, DrawsTheBreakdownOfAChosenYearAndTheFourGraphView) {
    ASSERT_EQ(graph({"--kind", "6", "--year", "70", "--png", file("pie.png")}).code, 0);
    ASSERT_EQ(graph({"--summary", "--year", "70", "--png", file("four.png")}).code, 0);
    const QImage pie(QString::fromStdString(file("pie.png")));
    const QImage four(QString::fromStdString(file("four.png")));
    EXPECT_EQ(pie.size(), QSize(1024, 768));
    // The sample's net worth at 70 is mostly retirement savings: the pie is mostly purple.
    EXPECT_GT(countPixels(pie, QColor(170, 0, 255)), 100000);
    EXPECT_NE(pie, four);
}

TEST_F(GraphCommandTest, WritesAPdfPageRefusesBadRequestsAndHelpNamesTheGraphCommand) {
    for (const char* word : {"pdf", "bad", "help"}) {
        runCliCases("cli/graph_runs.txt", word, dir.path());
    }
}

TEST_F(GraphCommandTest, UnreadableScenarioAndUnwritableOutputHaveTheirStatuses) {
    std::filesystem::create_directory(dir / "out");
    writeText(dir / "out" / "plain", "x");
    runCliCases("cli/graph_runs.txt", "status", dir.path());
    EXPECT_EQ(namesIn(dir / "out"), std::set<std::string>{"plain"});
}

TEST_F(GraphCommandTest, AFailedWriteKeepsTheOldPicture) {
    const std::filesystem::path out = dir / "out";
    std::filesystem::create_directory(out);
    const std::string old(1000, 'o');
    const std::string target = (out / "old.png").string();
    writeText(target, old);
    CliRun run;
    {
        // The run's own files fit; a picture of this size does not.
        const FileSizeLimit limit(48 * 1024);
        run = graph({"--summary", "--size", "2000x1500", "--png", target});
    }
    EXPECT_EQ(run.code, 3);
    EXPECT_EQ(run.err, "Cannot write " + target + ": File too large\n");
    EXPECT_EQ(readText(target), old);
    EXPECT_EQ(namesIn(out), std::set<std::string>{"old.png"});
    // Without the limit the same picture replaces it.
    ASSERT_EQ(graph({"--summary", "--size", "2000x1500", "--png", target}).code, 0);
    EXPECT_EQ(QImage(QString::fromStdString(target)).size(), QSize(2000, 1500));
}

} // namespace
} // namespace finplan::test
