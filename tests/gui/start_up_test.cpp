// The pieces of an unattended start: message boxes printed and answered carefully, and the work
// directory made for the user alone.
#include "gui/platform/unattended_dialogs.h"
#include "gui/shell/work_dir.h"
#include "support/case_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

namespace finplan::gui {
namespace {

namespace fs = std::filesystem;

TEST(UnattendedDialogs, PrintTitleAndTextAndTakeTheCarefulAnswer) {
    const std::map<std::string, MessageIcon> icons = {{"stop", MessageIcon::Stop},
                                                      {"question", MessageIcon::Question},
                                                      {"information", MessageIcon::Information}};
    const std::map<std::string, MessageButtons> buttons = {
        {"ok", MessageButtons::Ok},
        {"yes-no", MessageButtons::YesNo},
        {"yes-no-cancel", MessageButtons::YesNoCancel}};
    const std::map<Answer, std::string> answers = {
        {Answer::Ok, "ok"}, {Answer::Yes, "yes"}, {Answer::No, "no"}, {Answer::Cancel, "cancel"}};
    test::forEachCase("gui/gui_options.txt", "box", 4, [&](const test::CaseLine& c) {
        std::ostringstream err;
        UnattendedDialogs dialogs(err);
        EXPECT_EQ(
            answers.at(dialogs.show({c.input("text"), c.input("title"), icons.at(c.input("icon")),
                                     buttons.at(c.input("buttons"))})),
            c.answer("answer"));
        EXPECT_EQ(err.str(), c.answer("printed"));
        EXPECT_EQ(std::to_string(dialogs.errorsShown()), c.answer("errors"));
    });
}

TEST(UnattendedDialogs, FileDialogsAreCancelled) {
    std::ostringstream err;
    UnattendedFileChooser files(err);
    FileRequest request;
    request.title = "Open Scenario";
    EXPECT_EQ(files.choose(request), std::nullopt);
    EXPECT_EQ(err.str(), "Open Scenario: no file chosen\n");
    EXPECT_FALSE(files.isOpen());
}

TEST(WorkDir, AMissingOneIsMadeForTheUserAloneAndAnExistingOneKeptAsItIs) {
    const test::TempDir dir;
    const fs::perms open = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                           fs::perms::others_read | fs::perms::others_exec;

    EXPECT_EQ(makeWorkDir(dir / "a" / "b" / "work"), "");
    EXPECT_EQ(fs::status(dir / "a" / "b" / "work").permissions(), fs::perms::owner_all);
    EXPECT_EQ(makeWorkDir(dir / "slash/"), "");
    EXPECT_EQ(fs::status(dir / "slash").permissions(), fs::perms::owner_all);

    fs::create_directory(dir / "there");
    fs::permissions(dir / "there", open);
    EXPECT_EQ(makeWorkDir(dir / "there"), "");
    EXPECT_EQ(fs::status(dir / "there").permissions(), open);

    test::writeText(dir / "plain", "x");
    EXPECT_EQ(makeWorkDir(dir / "plain"), "Not a directory");
    EXPECT_EQ(makeWorkDir(dir / "plain" / "work"), "Not a directory");
    EXPECT_EQ(makeWorkDir(dir / "plain" / "deeper" / "work"), "Not a directory");
    EXPECT_TRUE(fs::is_regular_file(dir / "plain"));
}

} // namespace
} // namespace finplan::gui
