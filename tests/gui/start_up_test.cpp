// The pieces of an unattended start: message boxes printed and answered carefully, and the work
// directory made for the user alone.
#include "gui/platform/unattended_dialogs.h"
#include "gui/shell/work_dir.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace finplan::gui {
namespace {

namespace fs = std::filesystem;

TEST(UnattendedDialogs, PrintTitleAndTextAndTakeTheCarefulAnswer) {
    struct Case {
        Message message;
        Answer answer;
        const char* printed;
        int errors;
    };
    const Case cases[] = {
        {{"Cannot open file!", "FILE ERROR", MessageIcon::Stop, MessageButtons::Ok},
         Answer::Ok,
         "FILE ERROR: Cannot open file!\n",
         1},
        {{"a.RET exits - Overwrite anyway?", "FILE WARNING", MessageIcon::Stop,
          MessageButtons::YesNo},
         Answer::No,
         "FILE WARNING: a.RET exits - Overwrite anyway?\n",
         1},
        {{"Do you wish to save the file a.RET?", "Tarvel Financial Planner", MessageIcon::Question,
          MessageButtons::YesNoCancel},
         Answer::Cancel,
         "Tarvel Financial Planner: Do you wish to save the file a.RET?\n",
         0},
        {{"Two\nlines", "", MessageIcon::Information, MessageButtons::Ok},
         Answer::Ok,
         "Two\nlines\n",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        std::ostringstream err;
        UnattendedDialogs dialogs(err);
        EXPECT_EQ(dialogs.show(c.message), c.answer);
        EXPECT_EQ(err.str(), c.printed);
        EXPECT_EQ(dialogs.errorsShown(), c.errors);
    }
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
