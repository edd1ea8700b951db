#include "gui/shell/command_table.h"

#include "gui/shell/command_ids.h"

#include <algorithm>
#include <array>

namespace finplan::gui {

namespace {

using namespace command;

constexpr std::array kCommands = {
    CommandSpec{New, "New", "Alt+N", "Create a New Scenario"},
    CommandSpec{Open, "Open...", "Alt+O", "Open a Scenario"},
    CommandSpec{Save, "Save", "Alt+S", "Save the Scenario"},
    CommandSpec{SaveAs, "Save as..", "Alt+A", "Save Scenario Under a Different Name"},
    CommandSpec{Exit, "Exit", "Alt+X", "", false},
    CommandSpec{About, "About..", "Alt+B", "About the Financial Planner"},
    CommandSpec{InitialValues, "Initial Values", "Alt+V", ""},
    CommandSpec{SaveAccounts, "Save Accounts", "Alt+C", "Write Accounts To a File"},
    CommandSpec{ReadAccounts, "Read Accounts", "Alt+R", "Read Accounts From a File"},
    CommandSpec{SaveGraphs, "Save Graphs", "Alt+G", "Save Graphs To a File"},
    CommandSpec{ExportResults, "Export Account Results", "Alt+E", "Export Accounts"},
    CommandSpec{ImportAccounts, "Import Account Data", "Alt+I", "Import Accounts"},
    CommandSpec{ReindexAccounts, "Re-Index Accounts", "", "", false},
    CommandSpec{Withdrawal, "Withdrawal", "Alt+W", ""},
    CommandSpec{GroupNames, "Group Names", "Alt+U", ""},
    CommandSpec{HelpContents, "Table Of Contents", "F1", "Help"},
    CommandSpec{HelpOnHelp, "Help On Help", "F4", ""},
    CommandSpec{Deposit, "Deposit", "Alt+D", ""},
    CommandSpec{Loan, "Loan", "Alt+L", ""},
    CommandSpec{Mortgage, "Mortgage", "Alt+M", ""},
    CommandSpec{Transfer, "Transfer", "Alt+T", ""},
    CommandSpec{Fundamentals, "Fundamentals", "Alt+F", ""},
    CommandSpec{ReportFont, "Report Font", "Ctrl+F", ""},
    CommandSpec{InflationCalculator, "Inflation Calculator", "Ctrl+N", "Inflation Calculator"},
    CommandSpec{CompareScenarios, "Compare Scenarios", "Ctrl+C", "Compare Scenarios"},
    CommandSpec{TradeOff, "Trade-off Analysis", "Ctrl+T", "Trade-off Analysis"},
    CommandSpec{TaxInflationInvestment, "Taxes/Inflation/Investment Analysis", "Ctrl+X",
                "Tax/Inflation/Investment Analysis"},
    CommandSpec{AddAccount, "Add Account", "Alt+K", ""},
    CommandSpec{PrintResults, "Print Results Report", "Ctrl+F1", "Print the Results"},
    CommandSpec{PrintCurrentGraphMenu, "Print Current Graph", "", "Print Current Graph"},
    CommandSpec{ReportOptions, "Report Options", "Ctrl+S", ""},
    CommandSpec{PageSetup, "Page Setup", "Ctrl+Y", ""},
    CommandSpec{CreditCardDebt, "Credit Card Debt", "Alt+Z", ""},
    CommandSpec{CreditCardPayoff, "Credit Card Debt Payoff", "Ctrl+D",
                "Calculate Credit Card Debt Payoff"},
    CommandSpec{GraphWindow, "Create Graph Window", "F2", "Open A Graph Window"},
    CommandSpec{Manual, "Manual", "F10", ""},
    CommandSpec{776, "Quick Tip 1", "Shift+F1", ""},
    CommandSpec{777, "Quick Tip 2", "Shift+F2", ""},
    CommandSpec{778, "Quick Tip 3", "Shift+F3", ""},
    CommandSpec{779, "Quick Tip 4", "Shift+F4", ""},
    CommandSpec{780, "Quick Tip 5", "Shift+F5", ""},
    CommandSpec{781, "Quick Tip 6", "Shift+F6", ""},
    CommandSpec{782, "Quick Tip 7", "Shift+F7", ""},
    CommandSpec{783, "Quick Tip 8", "Shift+F8", ""},
    CommandSpec{784, "Quick Tip 9", "Shift+F9", ""},
    CommandSpec{785, "Quick Tip 10", "Shift+F10", ""},
    CommandSpec{786, "Quick Tip 11", "", ""},
    CommandSpec{787, "Quick Tip 12", "", ""},
    CommandSpec{789, "Quick Tip 13", "", ""},
    CommandSpec{PrintWindow, "Print Window", "Ctrl+P", ""},
    CommandSpec{PrintAllReports, "Print All Reports", "", ""},
    CommandSpec{NetWorthReport, "Net Worth Report", "", ""},
    CommandSpec{IncomingReport, "Incoming Report", "", ""},
    CommandSpec{OutgoingReport, "Outgoing Report", "", ""},
    CommandSpec{AccountsReport, "Accounts Report", "", ""},
    CommandSpec{GroupReport, "Group Report", "", ""},
    CommandSpec{IncomingEventsReport, "Incoming Events Report", "", ""},
    CommandSpec{OutgoingEventsReport, "Outgoing Events Report", "", ""},
    CommandSpec{AccountFlowReport, "Accounts/Incoming/Outgoing Report", "", ""},
    CommandSpec{MortgageCalculator, "Mortgage Calculator", "Ctrl+O", "Mortgage Calculator"},
    CommandSpec{RefinanceAnalysis, "Refinance Analysis", "Ctrl+R", "Refinance Mortgage Calculator"},
    CommandSpec{AcceleratedMortgage, "Accelerated Mortgage Payment Analysis", "Ctrl+A",
                "Accelerated Mortgage Calculator"},
    CommandSpec{PlatformCalculator, "Window's Calculator", "Ctrl+W", "Open Window's Calculator"},
    CommandSpec{EffectiveRate, "Effective Yearly Interest Rate", "Ctrl+E",
                "Effective Interest Rate Calculator"},
    CommandSpec{ContactByEmail, "Contact Tarvel Software by Email", "F3", "", false},
    CommandSpec{SummarySwitch, "Summary Information", "Shift+F11", ""},
};

constexpr std::array kFileMenu = {New,          Open,          Save,
                                  SaveAs,       kSeparator,    kRecentFilesPlace,
                                  SaveAccounts, ReadAccounts,  ReindexAccounts,
                                  kSeparator,   ExportResults, ImportAccounts,
                                  SaveGraphs,   kSeparator,    About,
                                  kSeparator,   Exit};
constexpr std::array kEditMenu = {InitialValues, GroupNames, AddAccount};
constexpr std::array kAddEventMenu = {Withdrawal, Deposit,      Loan,          Mortgage,
                                      Transfer,   Fundamentals, CreditCardDebt};
constexpr std::array kReportsMenu = {
    PrintResults,         ReportOptions,     PageSetup,      kSeparator,     NetWorthReport,
    IncomingReport,       OutgoingReport,    AccountsReport, GroupReport,    IncomingEventsReport,
    OutgoingEventsReport, AccountFlowReport, kSeparator,     PrintAllReports};
constexpr std::array kGraphsMenu = {GraphWindow, SaveGraphs, PrintCurrentGraphMenu, PageSetup};
constexpr std::array kToolsMenu = {
    MortgageCalculator,  RefinanceAnalysis, AcceleratedMortgage,    kSeparator, CreditCardPayoff,
    InflationCalculator, EffectiveRate,     TaxInflationInvestment, kSeparator, TradeOff,
    CompareScenarios,    kSeparator,        PlatformCalculator};
constexpr std::array kHelpMenu = {HelpContents, HelpOnHelp, kQuickTipsMenu,
                                  kSeparator,   Manual,     ContactByEmail};

const std::array<MenuSpec, 7> kMenus = {{
    {"File", kFileMenu},
    {"Edit", kEditMenu},
    {"Add Event", kAddEventMenu},
    {"Reports", kReportsMenu},
    {"Graphs", kGraphsMenu},
    {"Tools", kToolsMenu},
    {"Help", kHelpMenu},
}};

constexpr std::array kQuickTips = {776, 777, 778, 779, 780, 781, 782, 783, 784, 785, 786, 787, 789};

constexpr std::array kToolbar = {New,
                                 Open,
                                 Save,
                                 SaveAs,
                                 kSeparator,
                                 SaveAccounts,
                                 ReadAccounts,
                                 ExportResults,
                                 ImportAccounts,
                                 kSeparator,
                                 PrintResults,
                                 PrintCurrentGraphMenu,
                                 SaveGraphs,
                                 GraphWindow,
                                 kSeparator,
                                 MortgageCalculator,
                                 RefinanceAnalysis,
                                 AcceleratedMortgage,
                                 CreditCardPayoff,
                                 InflationCalculator,
                                 EffectiveRate,
                                 TaxInflationInvestment,
                                 TradeOff,
                                 CompareScenarios,
                                 PlatformCalculator,
                                 kSeparator,
                                 About,
                                 HelpContents};

constexpr std::array kKeyOnly = {ReportFont, PrintWindow, SummarySwitch};

} // namespace

std::span<const CommandSpec> commandTable() {
    return kCommands;
}

const CommandSpec* findCommand(int id) {
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [id](const CommandSpec& spec) { return spec.id == id; });
    return found == kCommands.end() ? nullptr : &*found;
}

std::span<const MenuSpec> menuTable() {
    return kMenus;
}

std::span<const int> quickTipCommands() {
    return kQuickTips;
}

std::span<const int> toolbarCommands() {
    return kToolbar;
}

std::span<const int> keyOnlyCommands() {
    return kKeyOnly;
}

} // namespace finplan::gui
