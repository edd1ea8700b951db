#include "calculators/calc_fields.h"
#include "calculators/calculator_files.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace finplan {
namespace {

TEST(CalculatorFiles, WritesInTheWorkDirectoryOrSaysWhichFileFailed) {
    const test::TempDir dir;
    test::ScriptedDialogs dialogs;
    test::writeText(dir / "refprt.tmp", "an older, longer report\n");
    EXPECT_TRUE(writeCalculatorFile(dir.path(), kRefinanceReport, "new\n", dialogs));
    EXPECT_EQ(test::readText(dir / "refprt.tmp"), "new\n");
    EXPECT_TRUE(dialogs.shown.empty());

    const struct {
        CalculatorFile file;
        const char* title;
        const char* text;
    } cases[] = {
        {kScheduleFile, "FILE OPEN ERROR", "Cannot open temporary print file - psched.tmp"},
        {kRefinanceReport, "FILE ERROR", "Cannot open refprt.tmp for writing!"},
        {kRefinanceGraph, "FILE ERROR", "Cannot open ref.tmp for writing!"},
        {kTradePlot, "FILE ERROR", "Cannot open trad.tmp for writing!"},
        {kTradeInfo, "FILE ERROR", "Cannot open tradeinf.dat for writing!"},
    };
    for (const auto& c : cases) {
        dialogs.shown.clear();
        EXPECT_FALSE(writeCalculatorFile(dir / "missing", c.file, "x", dialogs));
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title, c.title);
        EXPECT_EQ(dialogs.shown[0].text, std::string(c.text) + "\n" +
                                             (dir / "missing" / c.file.name).string() +
                                             ": No such file or directory");
    }
}

TEST(CalculatorFiles, ARefusalIsShownAsItsMessageBox) {
    test::ScriptedDialogs dialogs;
    showRefusal({"RATE ERROR", "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.",
                 "rate", MessageIcon::Stop},
                dialogs);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "RATE ERROR");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::Ok);
}

} // namespace
} // namespace finplan
