#include "results/schedule_text.h"

#include "model/text_field.h"
#include "results/money_text.h"
#include "results/text_format.h"

#include <cmath>
#include <cstddef>

namespace finplan {
namespace {

// A label followed by a money text, as the formats "<label>%s" of the Summary lines give.
std::string labelledMoney(std::string_view label, float amount) {
    std::string line(label);
    line += moneyText(amount);
    return line;
}

void addWhenPositive(std::vector<std::string>& lines, std::string_view label, float amount) {
    if (amount > 0.0f) {
        lines.push_back(labelledMoney(label, amount));
    }
}

void addFlag(std::vector<std::string>& lines, const RedFlag& flag, const char* text) {
    if (flag.set) {
        lines.push_back(formatText(" %-5.1f  %s", static_cast<double>(flag.age), text));
    }
}

} // namespace

std::string hyphenLine(int count) {
    return count > 0 ? std::string(static_cast<std::size_t>(count), '-') : std::string();
}

std::string totalsLine(float age, const RunTotals& totals) {
    return formatText("%-5.1f\t%15s\t%15s\t%15s\t%15s\t%15s\t%15s\t%15s", static_cast<double>(age),
                      moneyText(totals.investmentTotal).c_str(),
                      moneyText(totals.taxFreeTotal).c_str(),
                      moneyText(totals.retirementTotal).c_str(),
                      moneyText(totals.assetTotal).c_str(), moneyText(totals.equityTotal).c_str(),
                      moneyText(totals.liabilities).c_str(), moneyText(totals.netWorth).c_str());
}

std::vector<ScheduleLine> initialRatesBlock(const Scenario& scenario, float taxRate,
                                            float inflationRate, float avgEquityRate) {
    std::vector<ScheduleLine> lines;
    lines.push_back({"Initial Rates:", kPlainLine});
    const AccountTable& table = scenario.accounts;
    for (int i = 0; i < table.usedCount(); ++i) {
        const AccountRecord& account = table.accounts[static_cast<std::size_t>(i)];
        const std::string name(fieldText(account.name));
        lines.push_back(
            {formatRateLine(formatText(" %s = ", name.c_str()), account.rate), kAccountRateLine});
    }
    lines.push_back({formatRateLine(" Tax = ", taxRate), kScenarioRateLine});
    lines.push_back({formatRateLine(" Inflation = ", inflationRate), kScenarioRateLine});
    lines.push_back({formatRateLine(" Appreciation = ", avgEquityRate), kScenarioRateLine});
    return lines;
}

std::string inEffectLine(bool randomAccounts, int distribution) {
    static constexpr const char* kAccountLines[] = {
        "  Gaussian range distribution random account rates in effect.",
        "  Uniform random account rates in effect.",
        "  Gaussian Standard Distribution random account rates in effect.",
    };
    static constexpr const char* kGroupLines[] = {
        "  Gaussian range distribution random group rates in effect.",
        "  Uniform random group rates in effect.",
        "  Gaussian Standard Distribution random group rates in effect.",
    };
    if (distribution < 0 || distribution > 2) {
        return {};
    }
    const auto index = static_cast<std::size_t>(distribution);
    return randomAccounts ? kAccountLines[index] : kGroupLines[index];
}

std::string rateDetailLine(std::string_view name, float rate) {
    const std::string nameText(name);
    return formatRateLine(formatText("      %s%s", nameText.c_str(), " rate="), rate);
}

std::string savingsInterestTaxLine(float amount) {
    return formatText("  Pay %s Tax On Savings Interest", moneyText(amount).c_str());
}

std::string withdrawalTaxesLine(float amount) {
    return formatText("  Withdrawal Taxes = %s", moneyText(amount).c_str());
}

std::string penaltiesPaidLine(float amount) {
    return formatText("  Penalties Paid = %s", moneyText(amount).c_str());
}

std::string depositTaxesLine(float amount) {
    return formatText("  Deposit Taxes = %s", moneyText(amount).c_str());
}

float totalOutgoing(const YearFlows& flows) {
    float total = flows.withdrawals;
    total += flows.savingsInterestTax;
    total += flows.interestPaid;
    total += flows.penalties;
    total += flows.propertyTaxes;
    total += flows.withdrawalTaxes;
    total += flows.closingCosts;
    total += std::fabs(flows.depreciation);
    return total;
}

std::vector<std::string> summaryBlock(const YearFlows& flows) {
    std::vector<std::string> lines;
    lines.emplace_back("Summary:");
    lines.push_back(labelledMoney("    Total Incoming=", flows.incomingTotal));
    addWhenPositive(lines, "       Deposits=", flows.deposits);
    addWhenPositive(lines, "       Taxable Income=", flows.taxableIncome);
    addWhenPositive(lines, "       Non Taxable Income=", flows.nonTaxableIncome);
    addWhenPositive(lines, "       Loans=", flows.loans);
    addWhenPositive(lines, "       Selling Assets/Property=", flows.sales);
    addWhenPositive(lines, "       Appreciation=", flows.appreciation);
    lines.push_back(labelledMoney("    Total Outgoing=", totalOutgoing(flows)));
    addWhenPositive(lines, "       Withdrawals=", flows.withdrawals);
    addWhenPositive(lines, "       Interest Paid=", flows.interestPaid);
    addWhenPositive(lines, "       Taxes on withdrawals=", flows.withdrawalTaxes);
    addWhenPositive(lines, "       Taxes on savings interest=", flows.savingsInterestTax);
    addWhenPositive(lines, "       Property taxes=", flows.propertyTaxes);
    addWhenPositive(lines, "       Closing costs=", flows.closingCosts);
    addWhenPositive(lines, "       Penalties Paid=", flows.penalties);
    addWhenPositive(lines, "       Depreciation=", std::fabs(flows.depreciation));
    return lines;
}

std::vector<std::string> accountSummaryBlock(const AccountTable& accounts) {
    std::vector<std::string> lines;
    lines.emplace_back("End Of Year Account Summary:");
    for (int i = 0; i < accounts.usedCount(); ++i) {
        const AccountRecord& account = accounts.accounts[static_cast<std::size_t>(i)];
        // "  %s=%-20s", put together directly: a schedule can hold thousands of these.
        std::string line = "  ";
        line += fieldText(account.name);
        line += '=';
        const std::string money = moneyText(account.balance);
        line += money;
        if (money.size() < 20) {
            line.append(20 - money.size(), ' ');
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<ScheduleLine> rateStatisticsBlock(const Scenario& scenario, bool randomAccountRates,
                                              const GroupRateStatsTable& groupStats) {
    std::vector<ScheduleLine> lines;
    lines.push_back({"Rate Statistics:", kAccountRateLine});
    if (randomAccountRates) {
        const AccountTable& table = scenario.accounts;
        for (int i = 0; i < table.usedCount(); ++i) {
            const AccountRecord& account = table.accounts[static_cast<std::size_t>(i)];
            // A slot read from a damaged file may lie outside the arrays; such an account has
            // no statistics to show.
            if (account.slot >= scenario.slots.rateStatCount.size()) {
                continue;
            }
            const float count = scenario.slots.rateStatCount[account.slot];
            if (!(count > 0.0f)) {
                continue;
            }
            const std::string name(fieldText(account.name));
            const float average = account.rateStatSum / count;
            lines.push_back(
                {formatText("Average %s Rate = %-6.2f Number = %-6.2f Min = %-6.2f Max = %-6.2f",
                            name.c_str(), static_cast<double>(average), static_cast<double>(count),
                            static_cast<double>(account.rateStatMin),
                            static_cast<double>(account.rateStatMax)),
                 kAccountRateLine});
        }
        return lines;
    }
    for (std::size_t g = 0; g < groupStats.size(); ++g) {
        const GroupRateStats& stats = groupStats[g];
        if (stats.count <= 0) {
            continue;
        }
        const std::string name(fieldText(scenario.groups.groupNames[g]));
        const float average = stats.sum / static_cast<float>(stats.count);
        lines.push_back(
            {formatText("Average %s Rate    = %-6.2f Number = %-3d Min = %-6.2f Max = %-6.2f",
                        name.c_str(), static_cast<double>(average), stats.count,
                        static_cast<double>(stats.min), static_cast<double>(stats.max)),
             kAccountRateLine});
    }
    return lines;
}

std::vector<std::string> redFlagLines(const RedFlags& flags) {
    std::vector<std::string> lines;
    addFlag(lines, flags.penalty, "A penalty was paid starting at this age.");
    addFlag(lines, flags.liquidDepleted, "Liquid accounts were depleted.");
    addFlag(lines, flags.withdrawalAccountDepleted, "A withdrawal account was depleted.");
    addFlag(lines, flags.rmdDepleted, "RMD accounts were depleted.");
    if (flags.failedTransferCount > 0) {
        lines.push_back(formatText(" %-5.1f  There were %d transfer(s) not completed due to "
                                   "insufficient funds starting at this age.",
                                   static_cast<double>(flags.failedTransferAge),
                                   flags.failedTransferCount));
    }
    addFlag(lines, flags.negativeNetWorth, "Your net worth went negative.");
    if (!lines.empty()) {
        lines.insert(lines.begin(), "Red flags at age(s):");
    }
    return lines;
}

} // namespace finplan
