#include "gui/shell/folder_titles.h"
#include "gui/shell/gui_options.h"

#include <gtest/gtest.h>

namespace finplan::gui {
namespace {

TEST(GuiOptions, SwitchWordsCountAnywhereAndTheRestIsTheScenario) {
    const GuiOptions options =
        parseGuiOptions({"IDON", "--workdir", "/tmp/w", "plan.RET", "GRAY", "SUMMARY"});
    ASSERT_EQ(options.error, "");
    EXPECT_EQ(options.workDir, "/tmp/w");
    EXPECT_EQ(options.scenarioFile, "plan.RET");
    EXPECT_TRUE(options.switches.idOn);
    EXPECT_TRUE(options.switches.gray);
    EXPECT_TRUE(options.switches.summary);
    EXPECT_FALSE(options.switches.quil);
    EXPECT_FALSE(options.grabFile.has_value());
}

TEST(GuiOptions, GrabTakesAFolderAndASize) {
    const GuiOptions options =
        parseGuiOptions({"--grab", "out.png", "--tab", "3", "--size", "900x640", "s.RET"});
    ASSERT_EQ(options.error, "");
    EXPECT_EQ(options.grabFile, "out.png");
    EXPECT_EQ(options.grabTab, 3);
    EXPECT_EQ(options.grabWidth, 900);
    EXPECT_EQ(options.grabHeight, 640);
    EXPECT_EQ(options.scenarioFile, "s.RET");
}

TEST(GuiOptions, GrabTakesTheDialogOfACommandOrAnEvent) {
    const GuiOptions command = parseGuiOptions({"--grab", "d.png", "--command", "467", "s.RET"});
    ASSERT_EQ(command.error, "");
    EXPECT_EQ(command.grabCommand, 467);
    EXPECT_FALSE(command.grabEvent.has_value());
    EXPECT_EQ(command.scenarioFile, "s.RET");
    const GuiOptions event = parseGuiOptions({"--grab", "d.png", "--event", "0"});
    ASSERT_EQ(event.error, "");
    EXPECT_EQ(event.grabEvent, 0);
    EXPECT_FALSE(event.grabCommand.has_value());
}

TEST(GuiOptions, MistakesAreNamed) {
    EXPECT_EQ(parseGuiOptions({"--grab", "a.png", "--command", "x7"}).error,
              "--command takes a number from 0, got \"x7\"");
    EXPECT_EQ(parseGuiOptions({"--grab", "a.png", "--event", "-1"}).error,
              "--event takes a number from 0, got \"-1\"");
    EXPECT_EQ(parseGuiOptions({"--command", "7"}).error, "--command and --event belong to --grab");
    EXPECT_EQ(parseGuiOptions({"--grab", "a.png", "--command", "7", "--event", "1"}).error,
              "--command and --event cannot both be given");
    EXPECT_EQ(parseGuiOptions({"--grab", "a.png", "--size", "900"}).error,
              "--size takes WIDTHxHEIGHT, each from 200 to 8000, got \"900\"");
    EXPECT_EQ(parseGuiOptions({"--grab", "a.png", "--tab", "x"}).error,
              "--tab takes a folder number from 0, got \"x\"");
    EXPECT_EQ(parseGuiOptions({"--workdir"}).error, "--workdir needs a value");
    EXPECT_EQ(parseGuiOptions({"--colour"}).error, "unknown option \"--colour\"");
    EXPECT_EQ(parseGuiOptions({"a.RET", "b.RET"}).error, "more than one scenario file given");
    EXPECT_EQ(parseGuiOptions({"--tab", "2"}).error, "--tab and --size belong to --grab");
    EXPECT_TRUE(parseGuiOptions({"a.RET", "--help"}).help);
}

TEST(GuiOptions, PictureSidesRunFromTwoHundredToEightThousand) {
    struct Case {
        const char* size;
        bool taken;
    };
    const Case cases[] = {{"200x200", true},   {"8000x8000", true},  {"199x400", false},
                          {"400x199", false},  {"8001x400", false},  {"400x8001", false},
                          {"100x100", false},  {"9000x100", false},  {"0x0", false},
                          {"-300x300", false}, {"300x300x3", false}, {"2147483648x300", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        const GuiOptions options = parseGuiOptions({"--grab", "a.png", "--size", c.size});
        EXPECT_EQ(options.error.empty(), c.taken) << options.error;
        if (!c.taken) {
            EXPECT_EQ(options.error, "--size takes WIDTHxHEIGHT, each from 200 to 8000, got \"" +
                                         std::string(c.size) + "\"");
        }
    }
}

TEST(GuiOptions, QtsOwnOptionsArePassedOver) {
    const GuiOptions options = parseGuiOptions({"-style", "fusion", "-reverse", "plan.RET"});
    EXPECT_EQ(options.error, "");
    EXPECT_EQ(options.scenarioFile, "plan.RET");
}

TEST(FolderTitles, AccountBlocksOfTenFollowTheGraphs) {
    const auto none = folderTitles(false, 0);
    ASSERT_EQ(none.size(), 9u);
    EXPECT_EQ(none[0], "Tarvel Software");
    EXPECT_EQ(none[5], "Incoming/Outgoing");
    EXPECT_EQ(folderTitles(true, 0)[0], "Summary");
    EXPECT_EQ(folderTitles(true, 1).back(), "Account 1");
    const auto many = folderTitles(true, 21);
    ASSERT_EQ(many.size(), 12u);
    EXPECT_EQ(many[9], "Accounts 1-10");
    EXPECT_EQ(many[10], "Accounts 11-20");
    EXPECT_EQ(many[11], "Account 21");
    EXPECT_EQ(folderTitles(true, 50).size(), 14u);
}

} // namespace
} // namespace finplan::gui
