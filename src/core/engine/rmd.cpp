#include "engine/rmd.h"

#include "model/account_lookup.h"
#include "model/text_field.h"
#include "results/money_text.h"
#include "results/text_format.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace finplan {

namespace {

struct LifeTable {
    std::int32_t startAge = 0;
    const std::array<float, kLifeTableLength>* divisors = nullptr;
    std::string_view title;
};

// The table numbered 1..3; no divisors for any other number.
LifeTable lifeTable(const AccountSlotArrays& slots, int table) {
    switch (table) {
    case 1:
        return {slots.lifeTable1StartAge, &slots.lifeTable1, fieldText(slots.lifeTable1Name)};
    case 2:
        return {slots.lifeTable2StartAge, &slots.lifeTable2, fieldText(slots.lifeTable2Name)};
    case 3:
        return {slots.lifeTable3StartAge, &slots.lifeTable3, fieldText(slots.lifeTable3Name)};
    default:
        return {};
    }
}

// An account whose slot lies outside the per-slot arrays (a damaged file) is in no table.
bool inTable(const RunContext& run, const AccountRecord& account, int table) {
    return account.slot < kMaxAccounts && run.scenario.slots.rmdTable[account.slot] / 10 == table;
}

std::string problemLine(std::string_view what) {
    return "  Required Minimum Distribution - Detected a possible problem with " +
           std::string(what);
}

std::string tableLine(const LifeTable& t, int table, std::string_view rest) {
    return "  " + std::string(t.title) + " (using RMD Table " + std::to_string(table) + ") - " +
           std::string(rest);
}

// Moves distributions of one year and one table into the transfer account.
class RmdTransfer {
public:
    RmdTransfer(RunContext& run, AccountRecord& destination, int age, int eventIndex)
        : m_run(run)
        , m_destination(destination)
        , m_age(age)
        , m_eventIndex(eventIndex) {}

    // A distribution is taxed as a Retirement withdrawal but bears no early-withdrawal
    // penalty: it is required, not chosen.
    void move(AccountRecord& from, float amount) {
        from.balance -= amount;
        m_destination.balance += amount;
        m_run.totals.retirementTotal -= amount;
        m_run.totals.addToKind(m_destination.kind, amount);
        const float tax = m_run.rates.taxRate * 0.01f * amount;
        m_run.flows.taxes += tax;
        m_run.flows.withdrawalTaxes += tax;
        if (m_run.switches.detailedResults) {
            m_run.line(
                [&] {
                    return "      " + moneyText(amount) + " from " +
                           std::string(fieldText(from.name));
                },
                m_eventIndex);
        }
        m_run.logAccountFlow(false, static_cast<float>(m_age), from, amount);
    }

private:
    RunContext& m_run;
    AccountRecord& m_destination;
    int m_age;
    int m_eventIndex;
};

void distributeInAccountOrder(RunContext& run, RmdTransfer& transfer, int table, float required) {
    AccountTable& accounts = run.scenario.accounts;
    for (int i = 0; i < accounts.usedCount() && required > 0.0f; ++i) {
        AccountRecord& account = accounts.accounts[static_cast<std::size_t>(i)];
        if (!inTable(run, account, table) || account.balance <= 0.0f) {
            continue;
        }
        const float amount = std::min(account.balance, required);
        transfer.move(account, amount);
        required -= amount;
    }
}

// First each account gives its share, what one cannot give passing to the next; what the last
// ones still could not give is then taken in table order from whatever is left.
void distributeByShares(RunContext& run, RmdTransfer& transfer, int table, float required) {
    AccountTable& accounts = run.scenario.accounts;
    float carry = 0.0f;
    for (int i = 0; i < accounts.usedCount(); ++i) {
        AccountRecord& account = accounts.accounts[static_cast<std::size_t>(i)];
        if (!inTable(run, account, table) || account.balance <= 0.0f) {
            continue;
        }
        const float share = run.allocationShare[static_cast<std::size_t>(i)];
        float want = required * share + carry;
        if (want <= account.balance) {
            carry = 0.0f;
        } else {
            carry = want - account.balance;
            want = account.balance;
        }
        if (want > 0.0f && share > 0.0f && account.isKind(AccountKind::RetirementSavings)) {
            transfer.move(account, want);
        }
    }
    float left = carry;
    for (int i = 0; i < accounts.usedCount() && left > 0.0f; ++i) {
        AccountRecord& account = accounts.accounts[static_cast<std::size_t>(i)];
        if (!inTable(run, account, table) || account.balance <= 0.0f ||
            run.allocationShare[static_cast<std::size_t>(i)] <= 0.0f ||
            !account.isKind(AccountKind::RetirementSavings)) {
            continue;
        }
        const float amount = std::min(account.balance, left);
        transfer.move(account, amount);
        left -= amount;
    }
}

} // namespace

float computeRmdShares(RunContext& run, int table) {
    const AccountTable& accounts = run.scenario.accounts;
    float total = 0.0f;
    int count = 0;
    if (table >= 1 && table <= kLifeTableCount) {
        for (int i = 0; i < accounts.usedCount(); ++i) {
            const AccountRecord& account = accounts.accounts[static_cast<std::size_t>(i)];
            if (inTable(run, account, table) && account.balance > 0.0f) {
                total += account.balance;
                ++count;
            }
        }
    }
    if (total <= 0.0f) {
        run.allocationShare.fill(0.0f);
        return 0.0f;
    }
    for (int i = 0; i < accounts.usedCount(); ++i) {
        const AccountRecord& account = accounts.accounts[static_cast<std::size_t>(i)];
        float& share = run.allocationShare[static_cast<std::size_t>(i)];
        if (!inTable(run, account, table)) {
            continue;
        }
        if (account.balance <= 0.0f) {
            share = 0.0f;
        } else if (accounts.rmdDistribution == 1) {
            share = account.balance / total;
        } else if (accounts.rmdDistribution == 2) {
            share = 100.0f / static_cast<float>(count) * 0.01f;
        }
    }
    return total;
}

void distributeRmd(RunContext& run, int age, int eventIndex, int table) {
    const LifeTable t = lifeTable(run.scenario.slots, table);
    if (t.divisors == nullptr) {
        run.line([&] { return problemLine(formatText("the table number %d.", table)); },
                 eventIndex);
        return;
    }
    // In 64 bits, so that no start age read from a file can overflow the difference.
    long long k = static_cast<long long>(age) - t.startAge;
    if (k < 0) {
        run.line(
            [&] {
                return problemLine(
                    formatText("the start age of the distributions %d %d %d.", age, t.startAge, 0));
            },
            eventIndex);
        return;
    }
    if (k > kLifeTableLength - 1) {
        k = kLifeTableLength - 1;
        run.line(
            [&] {
                return problemLine(formatText("the end age of the distributions %d %d %d.", age,
                                              t.startAge, kLifeTableLength - 1));
            },
            eventIndex);
    }
    const float divisor = (*t.divisors)[static_cast<std::size_t>(k)];
    if (!(divisor > 0.0f)) {
        std::string text =
            problemLine("the Life Expectancy Values in Table " + std::to_string(table) + ".");
        if (table == 2) {
            text += formatText("-%d,%f", static_cast<int>(k), static_cast<double>(divisor));
        }
        run.line(text, eventIndex);
        return;
    }
    const float required = computeRmdShares(run, table) / divisor;
    if (required <= 0.0f) {
        run.line([&] { return tableLine(t, table, "selected RMD accounts were depleted."); },
                 eventIndex);
        run.flags().rmdDepleted.raise(age);
        return;
    }

    // Without the transfer account the money has nowhere to go: taking it out anyway would
    // make it vanish from the net worth, so nothing moves and the schedule says why.
    AccountTable& accounts = run.scenario.accounts;
    const int destination = run.accountIndex(run.scenario.slots.rmdTargetAccountId);
    if (destination < 0) {
        run.line(
            [&] {
                return tableLine(t, table,
                                 " " + moneyText(required) +
                                     " not transferred: the RMD transfer account does not exist.");
            },
            eventIndex);
        return;
    }
    AccountRecord& target = accounts.accounts[static_cast<std::size_t>(destination)];
    run.line(
        [&] {
            return tableLine(t, table,
                             " " + moneyText(required) + " Transferred to the " +
                                 std::string(fieldText(target.name)) + " account.");
        },
        eventIndex);

    RmdTransfer transfer(run, target, age, eventIndex);
    // Only 1 and 2 spread by shares; any other mode is shown to the user as account order.
    if (accounts.rmdDistribution == 1 || accounts.rmdDistribution == 2) {
        distributeByShares(run, transfer, table, required);
    } else {
        distributeInAccountOrder(run, transfer, table, required);
    }
}

} // namespace finplan
