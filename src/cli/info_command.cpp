#include "cli/info_command.h"

#include "cli/cli_planner.h"
#include "model/text_field.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace finplan::cli {

namespace {

[[gnu::format(printf, 1, 2)]] std::string printfText(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string text;
    if (length > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        text.assign(buffer.data(), static_cast<std::size_t>(length));
    }
    va_end(args);
    return text;
}

std::string kindText(int kind) {
    const std::string_view label = accountKindLabel(kind);
    return label.empty() ? printfText("(kind %d)", kind) : std::string(label);
}

std::string eventTypeText(const EventRecord& event) {
    switch (event.eventType()) {
    case EventType::Budget:
        return "Budget (older)";
    case EventType::Rmd:
        return "RMD Distribution";
    case EventType::Fundamentals:
        return "Fundamentals";
    case EventType::Deposit:
        return "Deposit";
    case EventType::Loan:
        return event.isCreditCard() ? "Credit Card Debt" : "Loan";
    case EventType::Mortgage:
        return "Mortgage";
    case EventType::Transfer:
        return "Transfer";
    case EventType::Withdrawal:
        return event.budgetFlag == 1 ? "Budget Withdrawal" : "Withdrawal";
    case EventType::AssetAllocation:
        return "Asset Allocation";
    case EventType::Empty:
        return "Empty";
    }
    return printfText("Type %d", event.type);
}

void printHeader(std::ostream& out, const Scenario& s, const std::string& path) {
    const ScenarioHeader& h = s.header;
    out << printfText("%-18s%s\n", "Scenario", path.c_str());
    out << printfText("%-18s%.2f to %.2f\n", "Ages", static_cast<double>(h.startAge),
                      static_cast<double>(h.endAge));
    out << printfText("%-18s%.2f %%\n", "Tax rate", static_cast<double>(h.taxRate));
    out << printfText("%-18s%.2f %%\n", "Inflation rate", static_cast<double>(h.inflationRate));
    out << printfText("%-18smonth %d, day %d (%s)\n", "Birthday", h.birthMonth, h.birthDay,
                      h.useBirthday == 1 ? "used" : "not used");
    out << printfText("%-18sage %.2f, rate %.2f %%\n", "Default penalty",
                      static_cast<double>(h.defaultPenaltyAge),
                      static_cast<double>(h.defaultPenaltyRate));
    out << printfText("%-18s%d\n", "Events", s.liveEventCount);
    out << printfText("%-18s%d (next id %d)\n", "Accounts", s.accounts.accountCount,
                      s.accounts.nextAccountId);
}

void printTotals(std::ostream& out, const ScenarioHeader& h) {
    struct Row {
        AccountKind kind;
        float amount;
        float rate;
    };
    const std::array<Row, kAccountKindCount> rows = {{
        {AccountKind::InvestmentSavings, h.initialInvestmentSavings, h.avgInvestmentRate},
        {AccountKind::TaxFreeSavings, h.initialTaxFreeSavings, h.avgTaxFreeRate},
        {AccountKind::RetirementSavings, h.initialRetirementSavings, h.avgRetirementRate},
        {AccountKind::Equity, h.initialEquity, h.avgEquityRate},
        {AccountKind::Asset, h.initialAssets, h.avgAssetRate},
    }};
    out << printfText("%-18s  %14s  %8s\n", "Initial totals", "Amount", "Avg rate");
    double total = 0.0;
    for (const Row& row : rows) {
        out << printfText("%-18s  %14.2f  %8.2f\n", kindText(static_cast<int>(row.kind)).c_str(),
                          static_cast<double>(row.amount), static_cast<double>(row.rate));
        total += static_cast<double>(row.amount);
    }
    out << printfText("%-18s  %14.2f\n", "Total", total);
}

void printAccounts(std::ostream& out, const Scenario& s) {
    out << printfText("%4s  %-29s  %-18s  %14s  %8s  %-5s  %4s\n", "Id", "Account", "Kind",
                      "Amount", "Rate", "Order", "Slot");
    const int count = s.accounts.usedCount();
    for (int i = 0; i < count; ++i) {
        const AccountRecord& a = s.accounts.accounts[static_cast<std::size_t>(i)];
        out << printfText("%4d  %-29s  %-18s  %14.2f  %8.2f  %-5s  %4d\n", a.accountId,
                          std::string(fieldText(a.name)).c_str(), kindText(a.kind).c_str(),
                          static_cast<double>(a.initialAmount), static_cast<double>(a.rate),
                          std::string(fieldText(a.accessOrder)).c_str(), a.slot);
    }
}

void printEvents(std::ostream& out, const Scenario& s) {
    out << printfText("%4s  %-17s  %6s  %6s  %s\n", "#", "Event", "Start", "End", "Name");
    const int count = s.usedEventCount();
    for (int i = 0; i < count; ++i) {
        const EventRecord& e = s.events[static_cast<std::size_t>(i)];
        out << printfText("%4d  %-17s  %6.2f  %6.2f  %s\n", i, eventTypeText(e).c_str(),
                          static_cast<double>(e.startAge), static_cast<double>(e.endAge),
                          std::string(fieldText(e.name)).c_str());
    }
}

} // namespace

ExitCode runInfo(const CliContext& context, const std::string& path) {
    CliPlanner planner(context, ".", std::nullopt);
    if (!planner->load(path)) {
        return ExitCode::ReadFailed;
    }
    const Scenario& scenario = planner->scenario();
    printHeader(context.out, scenario, path);
    context.out << '\n';
    printTotals(context.out, scenario.header);
    context.out << '\n';
    printAccounts(context.out, scenario);
    context.out << '\n';
    printEvents(context.out, scenario);
    return ExitCode::Success;
}

} // namespace finplan::cli
