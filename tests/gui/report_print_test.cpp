#include "gui/commands/command_areas.h"
#include "gui/printing/report_window.h"
#include "gui/shell/command_ids.h"
#include "gui_fixture.h"
#include "support/pdf_tools.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>

namespace finplan::test {
namespace {

namespace cmd = gui::command;

// Prints into a PDF file of the test's directory with the pages and copies scripted; notes
// what the print dialog would have offered.
class PdfChooser : public gui::PrinterChooser {
public:
    PdfChooser(std::filesystem::path file, PrintChoice choice)
        : script(choice)
        , m_file(std::move(file)) {}
    bool choose(QWidget*, QPrinter& printer, int highestPage, bool pagesChoosable,
                PrintChoice& choice) override {
        offered.push_back({highestPage, pagesChoosable});
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(m_file.string()));
        printer.setResolution(300);
        choice = script;
        if (choice.to < 0) {
            choice.to = highestPage;
        }
        return true;
    }
    std::vector<std::pair<int, bool>> offered;
    PrintChoice script;

private:
    std::filesystem::path m_file;
};

class ReportPrintTest : public GuiTest {
protected:
    void SetUp() override {
        openSample();
        auto made = std::make_unique<PdfChooser>(pdf, PrintChoice{0, -1, 1, false});
        chooser = made.get();
        window->commands().reports().setPrinterChooser(std::move(made));
    }

    gui::ReportWindow* openReport(int id) {
        window->commandAction(id)->trigger();
        settle();
        const auto windows = window->findChildren<gui::ReportWindow*>();
        return windows.isEmpty() ? nullptr : windows.back();
    }

    std::filesystem::path pdf = dir / "printed.pdf";
    PdfChooser* chooser = nullptr;
};

TEST_F(ReportPrintTest, EachReportWindowListsItsRowsAndPrintsTitlePageAndPages) {
    // Every report's first column is the age.
    const std::vector<std::pair<int, const char*>> cases = {
        {cmd::NetWorthReport, "Net Worth Report"},
        {cmd::IncomingReport, "Incoming Report"},
        {cmd::OutgoingReport, "Outgoing Report"},
        {cmd::AccountsReport, "Accounts Report"},
        {cmd::GroupReport, "Group Report"},
        {cmd::IncomingEventsReport, "Incoming Events Report"},
        {cmd::OutgoingEventsReport, "Outgoing Events Report"},
        {cmd::AccountFlowReport, "Accounts/Incoming/Outgoing Report"},
    };
    for (const auto& [id, name] : cases) {
        gui::ReportWindow* report = openReport(id);
        ASSERT_NE(report, nullptr) << name;
        EXPECT_EQ(report->windowTitle().toStdString(), name);
        auto* list = report->findChild<QTableView*>(QStringLiteral("reportList"));
        ASSERT_NE(list, nullptr);
        QAbstractItemModelTester tester(list->model());
        EXPECT_GT(list->model()->rowCount(), 0) << name;
        EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Age"));
        std::filesystem::remove(pdf);
        report->findChild<QPushButton*>(QStringLiteral("print"))->click();
        settle();
        ASSERT_FALSE(chooser->offered.empty());
        const auto [highest, choosable] = chooser->offered.back();
        EXPECT_TRUE(choosable);
        EXPECT_EQ(pdfPages(pdf), highest + 1) << name;
        EXPECT_NE(pdfText(pdf).find("Page 1 of " + std::to_string(highest)), std::string::npos);
        report->close();
        settle();
    }
    EXPECT_EQ(dialogs.transcript(), "");
}

TEST_F(ReportPrintTest, PrintSelectedAgeWaitsForARowAndPrintsItsTwoPages) {
    gui::ReportWindow* report = openReport(cmd::AccountFlowReport);
    ASSERT_NE(report, nullptr);
    auto* printSelected = report->findChild<QPushButton*>(QStringLiteral("printSelectedAge"));
    ASSERT_NE(printSelected, nullptr);
    EXPECT_FALSE(printSelected->isEnabled());
    auto* list = report->findChild<QTableView*>(QStringLiteral("reportList"));
    list->selectRow(1);
    settle();
    const QString label = list->model()->index(1, 0).data().toString();
    EXPECT_TRUE(label.endsWith(QStringLiteral("-O"))) << label.toStdString();
    EXPECT_EQ(report->findChild<QLineEdit*>(QStringLiteral("selectedAge"))->text(), label);
    ASSERT_TRUE(printSelected->isEnabled());
    printSelected->click();
    settle();
    EXPECT_EQ(pdfPages(pdf), 3);
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Accounts Outgoing Report -- Age " +
                        label.left(label.indexOf(QLatin1Char('.'))).trimmed().toStdString()),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Page 2 of 2"), std::string::npos);
}

TEST_F(ReportPrintTest, PrintAllOffersNoRangeAndPrintsEveryReportWithItsTitlePage) {
    window->commandAction(cmd::PrintAllReports)->trigger();
    settle();
    ASSERT_EQ(chooser->offered.size(), 1u);
    const auto [total, choosable] = chooser->offered.front();
    EXPECT_FALSE(choosable);
    EXPECT_EQ(pdfPages(pdf), total + 8);
    const std::string text = pdfText(pdf);
    for (const char* name : {"Net Worth Report", "Incoming Report", "Outgoing Report",
                             "Account Report", "Group Report", "Incoming Events Report",
                             "Outgoing Events Report", "Accounts/Incoming/Outgoing Report"}) {
        EXPECT_NE(text.find(name), std::string::npos) << name;
    }
}

TEST_F(ReportPrintTest, PrintResultsPrintsTheScheduleFromCtrlF1) {
    window->commandAction(cmd::PrintResults)->trigger();
    settle();
    ASSERT_EQ(chooser->offered.size(), 1u);
    EXPECT_EQ(pdfPages(pdf), chooser->offered.front().first + 1);
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Financial Schedule"), std::string::npos);
    EXPECT_NE(text.find("12/06/26"), std::string::npos);
}

TEST_F(ReportPrintTest, TheCurrentGraphPrintsOnePageACopyAndOnlyFromAGraphPage) {
    struct Case {
        int folder;
        int copies;
        int pages; // -1: nothing printed
    };
    const std::vector<Case> cases = {{0, 1, 1}, {4, 2, 2}, {3, 1, -1}};
    for (const Case& c : cases) {
        std::filesystem::remove(pdf);
        chooser->offered.clear();
        chooser->script.copies = c.copies;
        window->folders()->setCurrentIndex(c.folder);
        settle();
        window->commandAction(cmd::PrintCurrentGraphMenu)->trigger();
        settle();
        EXPECT_EQ(pdfPages(pdf), c.pages) << c.folder;
        if (c.pages > 0) {
            ASSERT_EQ(chooser->offered.size(), 1u);
            EXPECT_EQ(chooser->offered.front(), std::make_pair(1, false));
        }
    }
}

TEST_F(ReportPrintTest, PrintWindowStretchesThePageOverTheKeptPrintersSheet) {
    QPrinter& printer = window->commands().reports().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    window->commandAction(cmd::PrintWindow)->trigger();
    settle();
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_TRUE(chooser->offered.empty());
    EXPECT_EQ(dialogs.transcript(), "");
}

TEST_F(ReportPrintTest, AReportWithoutColumnsShowsNothingAndCannotPrint) {
    gui::ReportWindow empty(window.get(), QStringLiteral("Net Worth Report"),
                            parsePage("\n 45.0\t12.00\nDooooone\n"), {[] {}, {}});
    auto* list = empty.findChild<QTableView*>(QStringLiteral("reportList"));
    EXPECT_EQ(list->model()->rowCount(), 0);
    EXPECT_EQ(list->model()->columnCount(), 0);
    EXPECT_FALSE(empty.findChild<QPushButton*>(QStringLiteral("print"))->isEnabled());
    EXPECT_EQ(empty.findChild<QPushButton*>(QStringLiteral("printSelectedAge")), nullptr);
}

} // namespace
} // namespace finplan::test
