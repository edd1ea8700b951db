#include "graphs/save_graphs.h"
#include "support/case_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <span>
#include <string>

namespace finplan {
namespace {

using test::readText;
using test::ScriptedDialogs;
using test::TempDir;
using test::writeText;

const std::string kHeader = "1\nFile: plan.ret\nDate: 03/14/2024\nTime: 09:05:00\n";
// The part of a plot file after its header and year count.
std::string twoYears() {
    return test::textBlock("graphs/save_graphs_texts.txt", "two years");
}

class SaveGraphs : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedDialogs dialogs;

    void writePlot(const std::string& text) const { writeText(dir / "plotinf01.tmp", text); }
    std::string target(const std::string& name) const { return (dir / name).string(); }
    bool save(const std::string& name) { return saveGraphs(dir.path(), target(name), dialogs); }

    void expectOnlyMessage(const std::string& text, const std::string& title) const {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.transcript(), title + "|" + text);
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Stop);
    }
};

TEST_F(SaveGraphs, CompletePlotFileIsCopiedByteForByte) {
    const std::string plot = kHeader + "2.00\n" + twoYears();
    writePlot(plot);
    EXPECT_TRUE(save("mine.tvp"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(readText(dir / "mine.tvp"), plot);
    EXPECT_EQ(readText(dir / "plotinf01.tmp"), plot);
}

TEST_F(SaveGraphs, ExistingPlotinfNamesAreRefused) {
    writePlot(kHeader + "2.00\n" + twoYears());
    EXPECT_FALSE(save("plotinf01.tmp"));
    expectOnlyMessage("Cannot overwrite the system file plotinf. \nChoose another file name.",
                      "FILE WARNING");
    EXPECT_EQ(readText(dir / "plotinf01.tmp"), kHeader + "2.00\n" + twoYears());

    dialogs.shown.clear();
    writeText(dir / "plotinf-old.tvp", "keep");
    EXPECT_FALSE(save("plotinf-old.tvp"));
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(readText(dir / "plotinf-old.tvp"), "keep");

    dialogs.shown.clear();
    std::filesystem::create_symlink(dir / "plotinf01.tmp", dir / "link.tvp");
    dialogs.answers.push_back(Answer::Yes); // never asked: the link is the plot file
    EXPECT_FALSE(save("link.tvp"));
    expectOnlyMessage("Cannot overwrite the system file plotinf. \nChoose another file name.",
                      "FILE WARNING");
    EXPECT_EQ(readText(dir / "plotinf01.tmp"), kHeader + "2.00\n" + twoYears());

    // A new file may take the name: only existing files are protected.
    dialogs.shown.clear();
    EXPECT_TRUE(save("plotinf.tvp"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SaveGraphs, OverwriteAnsweredNoLeavesTheFile) {
    writePlot(kHeader + "2.00\n" + twoYears());
    writeText(dir / "old.tvp", "earlier graphs\n");
    dialogs.answers.push_back(Answer::No);
    EXPECT_FALSE(save("old.tvp"));
    ASSERT_EQ(dialogs.transcript(),
              "FILE WARNING|" + target("old.tvp") + " exists - Overwrite anyway?");
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(readText(dir / "old.tvp"), "earlier graphs\n");

    dialogs.answers.push_back(Answer::Yes);
    EXPECT_TRUE(save("old.tvp"));
    EXPECT_EQ(readText(dir / "old.tvp"), kHeader + "2.00\n" + twoYears());
}

TEST_F(SaveGraphs, HundredYearsAreRefusedAfterTheHeaderLines) {
    writePlot(kHeader + "100.00\n" + twoYears());
    EXPECT_FALSE(save("long.tvp"));
    expectOnlyMessage("Problem saving graphs.\nPlease try again.", "FILE ERROR");
    // Nothing is written: no half graph file.
    EXPECT_FALSE(std::filesystem::exists(dir / "long.tvp"));

    dialogs.shown.clear();
    writePlot(kHeader + "-1.00\n" + twoYears());
    EXPECT_FALSE(save("negative.tvp"));
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(SaveGraphs, NinetyNineYearsAreAcceptedWithTheFractionCut) {
    // The count is cut to 99. The trailer is then read as further years until its "Done",
    // so the copy still ends exactly like the plot file.
    writePlot(kHeader + "99.99\n" + twoYears());
    EXPECT_TRUE(save("many.tvp"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(readText(dir / "many.tvp"), kHeader + "99.99\n" + twoYears());
}

TEST_F(SaveGraphs, EarlyDoneEndsTheCopyThere) {
    // Three years announced, one written before the run stopped.
    writePlot(kHeader + "3.00\n1\nSavings\n10.00\n65.0 1.00\nDone\n");
    EXPECT_TRUE(save("short.tvp"));
    EXPECT_EQ(readText(dir / "short.tvp"), kHeader + "3.00\n1\nSavings\n10.00\n65.0 1.00\nDone\n");

    // "Done" as the first line of a year's block.
    writePlot(kHeader + "3.00\n1\nSavings\n10.00\n65.0 1.00\nDone and more\nlost\n");
    EXPECT_TRUE(save("short2.tvp"));
    EXPECT_EQ(readText(dir / "short2.tvp"), kHeader + "3.00\n1\nSavings\n10.00\n65.0 1.00\nDone\n");
}

TEST_F(SaveGraphs, AnEndOfFileWithoutDoneStillClosesTheCopy) {
    writePlot(kHeader + "2.00\n1\nSavings\n10.00\n");
    EXPECT_TRUE(save("cut.tvp"));
    EXPECT_EQ(readText(dir / "cut.tvp"), kHeader + "2.00\n1\nSavings\n10.00\nDone\n");
}

TEST_F(SaveGraphs, LinesAreReadIn264CharacterPieces) {
    // 262 characters and the newline fit one read; the copy is whole.
    const std::string fits =
        "1\n" + std::string(262, 'x') + "\nDate: d\nTime: t\n2.00\n" + twoYears();
    writePlot(fits);
    EXPECT_TRUE(save("fits.tvp"));
    EXPECT_EQ(readText(dir / "fits.tvp"), fits);

    // One more character leaves the newline for the next read, so the line that should
    // hold the year count is the time.
    writePlot("1\n" + std::string(263, 'x') + "\nDate: d\nTime: t\n2.00\n" + twoYears());
    EXPECT_FALSE(save("split.tvp"));
    expectOnlyMessage("Problem saving graphs.\nPlease try again.", "FILE ERROR");
}

// What a graph file keeps of damaged plot bytes: tests/data/graphs/damaged_plots.txt.
TEST(GraphFileText, DamagedPlotBytes) {
    test::forEachCase("graphs/damaged_plots.txt", "", 6, [&](const test::CaseLine& c) {
        const std::string& plot = c.input("bytes");
        const auto* data = reinterpret_cast<const Byte*>(plot.data());
        const GraphFileText graph = graphFileText(std::span<const Byte>(data, plot.size()));
        EXPECT_EQ(graph.text, c.answer("text"));
        EXPECT_EQ(graph.complete, c.answer("complete") == "1");
    });
}

TEST_F(SaveGraphs, MissingPlotFileOrFolderAreReported) {
    EXPECT_FALSE(save("none.tvp"));
    expectOnlyMessage("Cannot open plotinf for reading!", "FILE ERROR");

    dialogs.shown.clear();
    writePlot(kHeader + "2.00\n" + twoYears());
    EXPECT_FALSE(save("no folder/x.tvp"));
    expectOnlyMessage("Cannot open file!\n" + (dir / "no folder/x.tvp").string() +
                          ": No such file or directory",
                      "FILE ERROR");
}

} // namespace
} // namespace finplan
