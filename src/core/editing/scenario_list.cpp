#include "editing/scenario_list.h"

#include "model/account_lookup.h"
#include "model/event_order.h"
#include "model/text_field.h"
#include "results/money_text.h"
#include "results/text_format.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace finplan {
namespace {

using Lines = std::vector<std::string>;

constexpr std::string_view kIndent = "        ";

// A rate or age inside a sentence: "%5.2f", blanks and all, compacted.
std::string compactRate(float value) {
    std::string text = formatText("%5.2f", static_cast<double>(value));
    compactNumber(text);
    return text;
}

std::string nameOf(const EventRecord& event) {
    return std::string(fieldText(event.name));
}

std::string accountName(const Scenario& scenario, int accountId) {
    std::string name;
    appendAccountName(scenario.accounts, accountId, name);
    return name;
}

const AccountRecord* findAccount(const Scenario& scenario, int accountId) {
    const int index = findAccountIndex(scenario.accounts, accountId);
    return index < 0 ? nullptr : &scenario.accounts.accounts[static_cast<std::size_t>(index)];
}

// " 65.0 <name>" — every event's first line starts this way.
std::string lead(const EventRecord& event) {
    return formatText("%5.1f %s", static_cast<double>(event.startAge), nameOf(event).c_str());
}

std::string indented(std::string_view text) {
    std::string line(kIndent);
    line += text;
    return line;
}

bool accountChosen(int accountId, int marker) {
    return accountId >= 0 && marker == kAccountChosenMarker;
}

void appendPaymentsAccount(const Scenario& scenario, int accountId, Lines& lines) {
    lines.push_back(formatText("        The payments will be withdrawn from the %s account.",
                               accountName(scenario, accountId).c_str()));
}

// The yearly change of a recurring withdrawal, deposit or transfer.
void appendAdjustments(const EventRecord& event, std::string_view word, Lines& lines) {
    if (event.oneTime != 0) {
        return;
    }
    const std::string opening =
        indented("This " + std::string(word) + " will be adjusted each year by ");
    if (event.adjustRate != 0.0f) {
        lines.push_back(formatRateLine(opening, event.adjustRate));
    }
    if (event.inflationAdjust != 0) {
        lines.push_back(opening + "the current inflation rate.");
    }
}

// " until age 70.00." for a recurring event, "." for a one-time one.
std::string untilAge(const EventRecord& event) {
    return event.oneTime != 0 ? "." : " until age " + compactRate(event.endAge) + ".";
}

void appendWithdrawal(const Scenario& scenario, const EventRecord& event, Lines& lines) {
    const bool budget = event.budgetFlag == 1;
    const bool once = event.oneTime != 0;
    lines.push_back(
        formatText(budget ? "%5.1f Budget - %s - Withdraw %s%s%s" : "%5.1f %s - Withdraw %s%s%s",
                   static_cast<double>(event.startAge), nameOf(event).c_str(),
                   moneyText(event.amount).c_str(), once ? "" : "/yr.", untilAge(event).c_str()));
    appendAdjustments(event, "withdrawal", lines);
    if (accountChosen(event.accountId, event.fromAccountFlag())) {
        lines.push_back(formatText("        The funds will be withdrawn from the %s account.",
                                   accountName(scenario, event.accountId).c_str()));
    }
}

void appendDeposit(const Scenario& scenario, const EventRecord& event, Lines& lines) {
    std::string target = event.oneTime != 0 ? " " : "/yr. ";
    target += event.beforeTax() == 1 ? "before taxes to " : "after taxes to ";
    target += accountName(scenario, event.accountId);
    lines.push_back(lead(event) + " - Deposit " + moneyText(event.amount) + target +
                    untilAge(event));
    appendAdjustments(event, "deposit", lines);
}

void appendTransfer(const Scenario& scenario, const EventRecord& event, Lines& lines) {
    const std::string from = accountName(scenario, event.fromAccountId);
    const std::string to = accountName(scenario, event.accountId);
    if (event.allFunds == 1) {
        lines.push_back(formatText("%s - All of the funds from %s will be transferred to %s.",
                                   lead(event).c_str(), from.c_str(), to.c_str()));
        return;
    }
    const bool once = event.oneTime != 0;
    // Unlike the other kinds, the end age keeps its "%5.2f" padding here.
    const std::string until =
        once ? "." : formatText(" until age %5.2f.", static_cast<double>(event.endAge));
    lines.push_back(formatText("%s - Transfer %s%s from %s to %s%s", lead(event).c_str(),
                               moneyText(event.amount).c_str(), once ? "" : "/yr.", from.c_str(),
                               to.c_str(), until.c_str()));
    appendAdjustments(event, "transfer", lines);
}

// A rate change names only what differs from the rates in force before it: those of the
// latest earlier rate change, or the initial rates.
void appendRateChange(const Scenario& scenario, int index, Lines& lines) {
    const EventRecord& event = scenario.events[static_cast<std::size_t>(index)];
    float taxBefore = scenario.header.taxRate;
    float inflationBefore = scenario.header.inflationRate;
    for (int i = index - 1; i >= 0; --i) {
        const EventRecord& earlier = scenario.events[static_cast<std::size_t>(i)];
        if (earlier.is(EventType::Fundamentals)) {
            taxBefore = earlier.amount;
            inflationBefore = earlier.downPayment;
            break;
        }
    }
    std::string tax;
    if (event.amount != taxBefore) {
        tax = " Tax=" + compactRate(event.amount) + "%";
    }
    std::string inflation;
    if (event.downPayment != inflationBefore) {
        inflation = " Inf.=" + compactRate(event.downPayment) + "% ";
    }
    std::string account;
    if (event.accountId >= 0) {
        account = accountName(scenario, event.accountId) + "=" + compactRate(event.rate) + "%";
    }
    lines.push_back(formatText("%s - Rate Change: %s %s %s", lead(event).c_str(), tax.c_str(),
                               inflation.c_str(), account.c_str()));
}

// The sell age counts when it lies inside the scenario after the event starts.
bool sellsWithinScenario(const Scenario& scenario, const EventRecord& event) {
    const float sellAge = event.adjustRate;
    return sellAge > 0.0f && sellAge > event.startAge && sellAge <= scenario.header.endAge;
}

void appendLoan(const Scenario& scenario, const EventRecord& event, Lines& lines) {
    lines.push_back(formatText("%s - %s %s down at %s%% for %2d yrs. %s/Month.",
                               lead(event).c_str(), moneyText(event.amount).c_str(),
                               moneyText(event.downPayment).c_str(),
                               compactRate(event.rate).c_str(), static_cast<int>(event.years),
                               moneyText(event.payment).c_str()));
    lines.push_back(indented("Loan amount deposited to " + accountName(scenario, event.accountId)));
    if (accountChosen(event.payAccountId, event.payFromAccountFlag)) {
        appendPaymentsAccount(scenario, event.payAccountId, lines);
    }
    if (event.endAge > event.startAge) {
        lines.push_back(
            formatText("        Paying loan off at age %5.2f.", static_cast<double>(event.endAge)));
    }
    const AccountRecord* deposit = findAccount(scenario, event.accountId);
    if (deposit != nullptr && deposit->isKind(AccountKind::Asset) &&
        sellsWithinScenario(scenario, event)) {
        lines.push_back(formatText("        Selling asset at age %5.2f.",
                                   static_cast<double>(event.adjustRate)));
    }
}

void appendCreditCard(const Scenario& scenario, const EventRecord& event, Lines& lines) {
    const std::string company = nameOf(event);
    lines.push_back(formatText("%s - Paying off %s credit card debt with %s/month.",
                               lead(event).c_str(), moneyText(event.amount).c_str(),
                               moneyText(event.payment).c_str()));
    if (event.extraPurchases() > 0.0f) {
        lines.push_back(formatText("        Additional purchases of %s/month added to debt.",
                                   moneyText(event.extraPurchases()).c_str()));
    }
    if (accountChosen(event.accountId, event.years)) {
        appendPaymentsAccount(scenario, event.accountId, lines);
    }
    // appreciationRate holds the years the payoff takes.
    if (event.startAge + event.appreciationRate >= event.endAge) {
        lines.push_back(formatText("        Paying off %s at age %5.2f.", company.c_str(),
                                   static_cast<double>(event.endAge)));
    }
}

void appendMortgage(const Scenario& scenario, const EventRecord& event, Lines& lines) {
    std::string years = formatText("%2d", static_cast<int>(event.years));
    compactNumber(years);
    const std::string rate = compactRate(event.rate) + "%";
    const std::string payment = moneyText(event.payment);
    // accountId 1: the down payment is equity already held, so nothing is withdrawn for it.
    if (event.accountId == 1) {
        lines.push_back(formatText("%s - %s at %s for %s yrs. %s/Month.", lead(event).c_str(),
                                   moneyText(event.amount - event.downPayment).c_str(),
                                   rate.c_str(), years.c_str(), payment.c_str()));
        lines.push_back(indented(moneyText(event.downPayment) + " to equity -- no withdrawal."));
    } else {
        lines.push_back(formatText("%s - %s %s down at %s for %s yrs. %s/Month.",
                                   lead(event).c_str(), moneyText(event.amount).c_str(),
                                   moneyText(event.downPayment).c_str(), rate.c_str(),
                                   years.c_str(), payment.c_str()));
    }
    if (event.extraPrincipalMode() == 2) {
        lines.push_back(formatText("        An additional %s/Month will be applied to the "
                                   "principal starting at age %3d.",
                                   moneyText(event.extraPrincipal).c_str(),
                                   static_cast<int>(scenario.header.startAge)));
    } else if (event.extraPrincipalMode() == 1) {
        lines.push_back(formatText("        An Additional %s/Month is applied to the principal.",
                                   moneyText(event.extraPrincipal).c_str()));
    }
    lines.push_back(formatRateLine("        Appreciation rate = ", event.appreciationRate) + ".");
    if (event.propertyTax > 0.0f) {
        lines.push_back(
            formatText("        Property Taxes = %-11.2f", static_cast<double>(event.propertyTax)));
    }
    if (event.closingCosts > 0.0f) {
        lines.push_back(
            formatText("        Closing Costs = %-11.2f", static_cast<double>(event.closingCosts)));
    }
    const float sellAge = event.adjustRate;
    if (event.endAge > event.startAge &&
        event.startAge + static_cast<float>(event.years) >= event.endAge &&
        event.endAge <= sellAge) {
        lines.push_back(formatText("        Paying off property at age %5.2f.",
                                   static_cast<double>(event.endAge)));
    }
    if (accountChosen(event.payAccountId, event.payFromAccountFlag)) {
        appendPaymentsAccount(scenario, event.payAccountId, lines);
    }
    if (sellsWithinScenario(scenario, event)) {
        lines.push_back(
            formatText("        Selling property at age %5.2f.", static_cast<double>(sellAge)));
        lines.push_back(formatRateLine("        Selling expenses will be ", event.sellingExpenses) +
                        " of the selling price.");
    }
}

void appendAssetAllocation(const Scenario& scenario, const EventRecord& event, Lines& lines) {
    const int mode = scenario.accounts.assetAllocationMode;
    if (mode != 1 && mode != 2) {
        return;
    }
    lines.push_back(lead(event));
    lines.push_back(formatText("        Withdrawals over %s will be withdrawn each year from the "
                               "selected accounts %s",
                               moneyText(event.amount).c_str(),
                               mode == 1 ? "in proportional amounts." : "in equal amounts."));
}

void appendRmd(const Scenario& scenario, const EventRecord& event, Lines& lines) {
    const int distribution = scenario.accounts.rmdDistribution;
    const char* how = distribution == 1   ? "in proportional amounts."
                      : distribution == 2 ? "in equal amounts."
                                          : "in account order.";
    lines.push_back(lead(event));
    lines.push_back(
        formatText("        The funds will be transferred from the selected accounts %s", how));
    lines.push_back(
        formatText("        The funds will be transferred each year to the %s account. ",
                   accountName(scenario, scenario.slots.rmdTargetAccountId).c_str()));
}

void appendOlderBudget(const EventRecord& event, Lines& lines) {
    lines.push_back(formatText("%5.1f Budget - %s - %s will be withdrawn until age %s.",
                               static_cast<double>(event.startAge), nameOf(event).c_str(),
                               moneyText(event.amount).c_str(), compactRate(event.endAge).c_str()));
    lines.push_back("        This withdrawal will be adjusted each year by the individual budget "
                    "item's inflation rate.");
}

// The block of one event as the events stand now; empty for a kind that is not shown.
void appendEventLines(const Scenario& scenario, int index, Lines& lines) {
    const EventRecord& event = scenario.events[static_cast<std::size_t>(index)];
    switch (event.eventType()) {
    case EventType::Withdrawal:
        appendWithdrawal(scenario, event, lines);
        break;
    case EventType::Deposit:
        appendDeposit(scenario, event, lines);
        break;
    case EventType::Transfer:
        appendTransfer(scenario, event, lines);
        break;
    case EventType::Fundamentals:
        appendRateChange(scenario, index, lines);
        break;
    case EventType::Loan:
        if (event.isCreditCard()) {
            appendCreditCard(scenario, event, lines);
        } else {
            appendLoan(scenario, event, lines);
        }
        break;
    case EventType::Mortgage:
        appendMortgage(scenario, event, lines);
        break;
    case EventType::AssetAllocation:
        appendAssetAllocation(scenario, event, lines);
        break;
    case EventType::Rmd:
        appendRmd(scenario, event, lines);
        break;
    case EventType::Budget:
        appendOlderBudget(event, lines);
        break;
    case EventType::Empty:
        break;
    }
}

std::string headerLine(const ScenarioHeader& header) {
    return formatText("%5.1f Initial Rates %s%s", static_cast<double>(header.startAge),
                      (" Tax=" + compactRate(header.taxRate) + "%").c_str(),
                      (" Inflation=" + compactRate(header.inflationRate) + "%").c_str());
}

} // namespace

std::vector<std::string> buildScenarioList(Scenario& scenario) {
    sortEvents(scenario);
    const int count = scenario.usedEventCount();
    Lines lines;
    if (count == 0) {
        return lines;
    }
    for (int i = 0; i < count; ++i) {
        EventRecord& event = scenario.events[static_cast<std::size_t>(i)];
        event.listLine = kNoListLine;
        if (event.is(EventType::Rmd)) {
            auto& distribution = scenario.accounts.rmdDistribution;
            if (distribution != 1 && distribution != 2) {
                distribution = 3;
            }
        }
    }
    lines.push_back(headerLine(scenario.header));
    for (int i = 0; i < count; ++i) {
        const std::size_t first = lines.size();
        appendEventLines(scenario, i, lines);
        // A line past what listLine holds would wrap onto another event's line; such an
        // event is better left without one.
        if (lines.size() > first && first <= std::numeric_limits<std::int16_t>::max()) {
            scenario.events[static_cast<std::size_t>(i)].listLine =
                static_cast<std::int16_t>(first);
        }
    }
    return lines;
}

int eventForListLine(const Scenario& scenario, int line) {
    if (line <= 0) {
        return -1;
    }
    Lines block;
    for (int i = 0; i < scenario.usedEventCount(); ++i) {
        block.clear();
        appendEventLines(scenario, i, block);
        const EventRecord& event = scenario.events[static_cast<std::size_t>(i)];
        // An event without lines keeps kNoListLine, which must not claim a real line.
        if (block.empty()) {
            continue;
        }
        const int first = event.listLine;
        if (line >= first && line < first + static_cast<int>(block.size())) {
            return i;
        }
    }
    return -1;
}

} // namespace finplan
