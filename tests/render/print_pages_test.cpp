#include "render/print_run.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <utility>

namespace finplan::test {
namespace {

using render::ImageTarget;
using render::PrintJob;
using render::PrintOutcome;
using render::PrintSet;

// Letter at 100 dpi: margins 1000/1000/500/1000 are 100/100/50/100 pixels, so the printable
// area is 700 x 900 from (100, 100) and the font 900 / 55 = 16 pixels high.
constexpr PageDevice kSheet{850, 1100, 100, 100};
const QColor kBand(0, 160, 0);

std::string reportPage(int rows, int columns) {
    std::string text = " Age";
    for (int c = 1; c < columns; ++c) {
        text += "\tColumn " + std::to_string(c);
    }
    text += "\n---------------------------\n\n";
    for (int r = 0; r < rows; ++r) {
        text += " " + std::to_string(45 + r) + ".0";
        for (int c = 1; c < columns; ++c) {
            text += "\t    123456.78";
        }
        text += "\n";
    }
    return text + "Dooooone\n";
}

PrintSet reportSet(PrintKind kind, std::vector<std::optional<std::string>> pages) {
    return {{kind, {}, 0}, std::move(pages)};
}

PrintJob oneSetJob(PrintSet set, PrintChoice choice) {
    PrintJob job;
    job.sets.push_back(std::move(set));
    job.choice = choice;
    job.setting.style.bandColor = kBand;
    return job;
}

// Records the pages as the abort dialog would show them; gives up before `stopAt` pages.
class Recorder : public render::PrintProgress {
public:
    explicit Recorder(int stopAt = -1)
        : m_stopAt(stopAt) {}
    bool pageStarting(int page, int pageCount) override {
        shown.push_back(render::printingText(page, pageCount).toStdString());
        return static_cast<int>(shown.size()) != m_stopAt;
    }
    std::vector<std::string> shown;

private:
    int m_stopAt;
};

bool inkIn(const QImage& image, QRect box) {
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (image.pixelColor(x, y) != Qt::white) {
                return true;
            }
        }
    }
    return false;
}

TEST(PrintPages, PrintAllNumbersEachReportsOwnPagesAfterItsTitlePage) {
    PrintJob job = oneSetJob(reportSet(PrintKind::NetWorth, {reportPage(3, 8), reportPage(2, 8)}),
                             {1, 1, 1, false}); // the range is the dialog's, not Print All's
    job.sets.push_back(reportSet(PrintKind::Groups, {reportPage(1, 4)}));
    ImageTarget target(kSheet);
    ScriptedDialogs dialogs;
    Recorder progress;
    EXPECT_EQ(runPrintJob(target, job, dialogs, &progress), PrintOutcome::Printed);
    const std::vector<std::string> expected = {
        "   Now printing Page 0 of 2.....", "   Now printing Page 1 of 2.....",
        "   Now printing Page 2 of 2.....", "   Now printing Page 0 of 1.....",
        "   Now printing Page 1 of 1....."};
    EXPECT_EQ(progress.shown, expected);
    EXPECT_EQ(target.pages().size(), 5u);
    EXPECT_EQ(target.documentName(), QStringLiteral("Printing Schedule"));
    EXPECT_EQ(dialogs.transcript(), "");
}

TEST(PrintPages, AnUnreadablePageOrAbortEndsTheJobAndKeepsNothing) {
    struct Case {
        int stopAt;
        PrintOutcome outcome;
        std::string messages;
    };
    const std::vector<Case> cases = {
        {-1, PrintOutcome::Failed, "Print Error|Cannot print page!"},
        {2, PrintOutcome::Aborted, ""},
    };
    for (const Case& c : cases) {
        const PrintJob job = oneSetJob(
            reportSet(PrintKind::Incoming, {reportPage(2, 8), std::nullopt, reportPage(2, 8)}),
            {0, 3, 1, false});
        ImageTarget target(kSheet);
        ScriptedDialogs dialogs;
        Recorder progress(c.stopAt);
        EXPECT_EQ(runPrintJob(target, job, dialogs, &progress), c.outcome);
        EXPECT_EQ(dialogs.transcript(), c.messages);
        EXPECT_TRUE(target.pages().empty());
    }
}

TEST(PrintPages, BandingFillsTheTitleBlocksAndBoxingOutlinesThem) {
    struct Case {
        bool banding, boxing;
        QColor inside, edge;
    };
    const std::vector<Case> cases = {
        {false, false, Qt::white, Qt::white},
        {true, false, kBand, kBand},
        {false, true, Qt::white, Qt::black},
    };
    for (const Case& c : cases) {
        PrintJob job =
            oneSetJob(reportSet(PrintKind::NetWorth, {reportPage(2, 8)}), {0, 1, 1, false});
        job.setting.style.banding = c.banding;
        job.setting.style.boxing = c.boxing;
        ImageTarget target(kSheet);
        ScriptedDialogs dialogs;
        ASSERT_EQ(runPrintJob(target, job, dialogs), PrintOutcome::Printed);
        // Title page: the block starts three 48-pixel lines under the top margin, 5 lines high.
        const QImage& title = target.pages()[0];
        EXPECT_EQ(title.pixelColor(104, 250), c.inside);
        EXPECT_EQ(title.pixelColor(100, 300), c.edge);
        EXPECT_EQ(title.pixelColor(100, 490), Qt::white);
        // Report page: the block is four 16-pixel lines from the top margin.
        const QImage& page = target.pages()[1];
        EXPECT_EQ(page.pixelColor(798, 150), c.inside);
        EXPECT_EQ(page.pixelColor(100, 110), c.edge);
    }
}

TEST(PrintPages, CrowdedPagesShrinkIntoThePrintableArea) {
    struct Case {
        PrintKind kind;
        int rows, columns;
    };
    // 80 rows overrun 55 lines; 12 account-flow columns of 68 pixels overrun 700 pixels.
    const std::vector<Case> cases = {{PrintKind::NetWorth, 80, 8},
                                     {PrintKind::AccountFlow, 20, 12},
                                     {PrintKind::Schedule, 70, 1}};
    for (const Case& c : cases) {
        std::string text = reportPage(c.rows, c.columns);
        if (c.kind == PrintKind::Schedule) {
            text.clear();
            for (int r = 0; r < c.rows; ++r) {
                text +=
                    "          A plain schedule line of some length " + std::to_string(r) + "\n";
            }
        }
        PrintJob job = oneSetJob(reportSet(c.kind, {text}), {1, 1, 1, false});
        job.setting.style.columns = true;
        ImageTarget target(kSheet);
        ScriptedDialogs dialogs;
        ASSERT_EQ(runPrintJob(target, job, dialogs), PrintOutcome::Printed);
        const QImage& page = target.pages()[1];
        EXPECT_TRUE(inkIn(page, QRect(100, 900, 700, 100))) << static_cast<int>(c.kind);
        EXPECT_FALSE(inkIn(page, QRect(0, 1001, 850, 99))) << static_cast<int>(c.kind);
        EXPECT_FALSE(inkIn(page, QRect(801, 100, 49, 1000))) << static_cast<int>(c.kind);
    }
}

TEST(PrintPages, ColumnRulesRunBetweenTheColumnsDownToTheBottomMargin) {
    // Net worth at 100 dpi: characters 700 / 118 = 5 wide, the first column 40, the others
    // (700 - 40) / 7 = 94: rules at 140, 234, ... 704, the table box from 100 to 798.
    PrintJob job = oneSetJob(reportSet(PrintKind::NetWorth, {reportPage(2, 8)}), {1, 1, 1, false});
    job.setting.style.columns = true;
    ImageTarget target(kSheet);
    ScriptedDialogs dialogs;
    ASSERT_EQ(runPrintJob(target, job, dialogs), PrintOutcome::Printed);
    const QImage& page = target.pages()[1];
    for (const int x : {100, 140, 234, 328, 610, 704, 798}) {
        EXPECT_EQ(page.pixelColor(x, 990), Qt::black) << x;
    }
    EXPECT_EQ(page.pixelColor(145, 990), Qt::black); // the label box: 9 characters
    EXPECT_EQ(page.pixelColor(705, 990), Qt::white);
    EXPECT_EQ(page.pixelColor(140, 1010), Qt::white);
}

} // namespace
} // namespace finplan::test
