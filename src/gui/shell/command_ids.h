#pragma once

namespace finplan::gui {

// The command ids of the menu, the accelerators, the toolbar and the pages.
namespace command {
inline constexpr int New = 1;
inline constexpr int Open = 2;
inline constexpr int Save = 3;
inline constexpr int SaveAs = 4;
inline constexpr int Exit = 5;
inline constexpr int About = 6;
inline constexpr int InitialValues = 7;
inline constexpr int SaveAccounts = 8;
inline constexpr int ReadAccounts = 9;
inline constexpr int AddEventChooser = 10;
inline constexpr int SaveGraphs = 11;
inline constexpr int ExportResults = 12;
inline constexpr int ImportAccounts = 13;
inline constexpr int ReindexAccounts = 14;
inline constexpr int Withdrawal = 101;
inline constexpr int GroupNames = 102;
inline constexpr int HelpContents = 104;
inline constexpr int HelpOnHelp = 105;
inline constexpr int Deposit = 106;
inline constexpr int Loan = 107;
inline constexpr int Mortgage = 108;
inline constexpr int Transfer = 109;
inline constexpr int Fundamentals = 110;
inline constexpr int Preferences = 111;
inline constexpr int ReportFont = 112;
inline constexpr int ResultValueFont = 113;
inline constexpr int FolderFont = 114;
inline constexpr int InflationCalculator = 177;
inline constexpr int CompareScenarios = 178;
inline constexpr int TradeOff = 179;
inline constexpr int TaxInflationInvestment = 180;
inline constexpr int AddAccount = 200;
// The recent-file items of the File menu, entry 1 to 6.
inline constexpr int RecentFile1 = 301;
inline constexpr int RecentFile6 = 306;
inline constexpr int PrintResults = 401;
inline constexpr int PrinterSelection = 402;
inline constexpr int PrintCurrentGraphMenu = 403;
inline constexpr int PrintCurrentGraphToolbar = 404;
inline constexpr int ReportOptions = 405;
inline constexpr int PageSetup = 406;
inline constexpr int ExportTab = 446;
inline constexpr int ExportComma = 447;
// Budget 1 to 5 of the Budgets submenu.
inline constexpr int Budget1 = 461;
inline constexpr int Budget5 = 465;
inline constexpr int CreditCardDebt = 466;
inline constexpr int CreditCardPayoff = 467;
inline constexpr int GraphWindow = 501;
inline constexpr int Manual = 671;
inline constexpr int QuickTipFirst = 776;
inline constexpr int QuickTipLastKeyed = 785;
inline constexpr int QuickTipNoAction = 788;
inline constexpr int QuickTipLast = 789;
inline constexpr int PrintWindow = 790;
inline constexpr int PrintAllReports = 791;
inline constexpr int MortgageCalculator = 881;
inline constexpr int RefinanceAnalysis = 882;
inline constexpr int AcceleratedMortgage = 883;
inline constexpr int PlatformCalculator = 884;
inline constexpr int AccountTableEditor = 885;
inline constexpr int EffectiveRate = 886;
inline constexpr int ContactByEmail = 887;
inline constexpr int AssetAllocationOptions = 888;
inline constexpr int RmdOptions = 889;
inline constexpr int NetWorthReport = 891;
inline constexpr int IncomingReport = 892;
inline constexpr int OutgoingReport = 893;
inline constexpr int AccountsReport = 894;
inline constexpr int GroupReport = 895;
inline constexpr int PrintCurrentGraph = 896;
inline constexpr int IncomingEventsReport = 897;
inline constexpr int OutgoingEventsReport = 898;
inline constexpr int AccountFlowReport = 899;
inline constexpr int SummaryLabels = 901;
inline constexpr int SummarySwitch = 902;
} // namespace command

} // namespace finplan::gui
