#include "engine/funding.h"

#include "model/account_lookup.h"
#include "model/text_field.h"
#include "results/money_text.h"

#include <cmath>

namespace finplan {

namespace {

bool inAllocation(const RunContext& run, const AccountRecord& account) {
    return account.slot < kMaxAccounts && run.scenario.slots.inAssetAllocation[account.slot] == 1;
}

float wholeAge(float age) {
    return std::floor(age);
}

void chargePenalty(RunContext& run, const AccountRecord& account, float drawn, float age) {
    const AccountSlotArrays& slots = run.scenario.slots;
    if (account.penaltyApplies != 0 && account.slot < kMaxAccounts &&
        age < slots.penaltyAge[account.slot]) {
        run.flows.penalties += drawn * slots.penaltyRate[account.slot] * 0.01f;
    }
}

// Takes `want` from one liquid account, or its whole balance when that does not cover it;
// books the kind total, the taxes and penalties the purpose calls for, and writes the detail
// and log lines. Returns what was drawn.
float drawFromAccount(RunContext& run, AccountRecord& account, float want, float age, int purpose,
                      int lineKind) {
    const bool covered = account.balance - want > 0.0f;
    const float drawn = covered ? want : account.balance;
    account.balance = covered ? account.balance - want : 0.0f;
    const bool penalised = purpose < kPenaltyPayment;
    if (account.isKind(AccountKind::InvestmentSavings)) {
        run.totals.investmentTotal -= drawn;
    } else if (account.isKind(AccountKind::TaxFreeSavings)) {
        run.totals.taxFreeTotal -= drawn;
        if (penalised) {
            chargePenalty(run, account, drawn, age);
        }
    } else {
        run.totals.retirementTotal -= drawn;
        if (penalised && purpose != kTaxPayment) {
            const float tax = run.rates.taxRate * 0.01f * drawn;
            run.flows.taxes += tax;
            run.flows.withdrawalTaxes += tax;
        }
        if (penalised) {
            chargePenalty(run, account, drawn, age);
        }
        auto& first = run.scenario.slots.firstWithdrawalAge;
        if (covered && account.penaltyApplies == 1 && account.slot < kMaxAccounts &&
            first[account.slot] == 0) {
            first[account.slot] = static_cast<std::uint16_t>(wholeAge(age));
        }
    }
    if (run.switches.detailedResults) {
        run.line(
            [&] {
                return "      " + moneyText(drawn) + " from " +
                       std::string(fieldText(account.name));
            },
            lineKind);
    }
    run.logAccountFlow(false, age, account, drawn);
    return drawn;
}

bool allocationApplies(const RunContext& run, const AccountRecord& account, float amount,
                       float age) {
    const AccountTable& table = run.scenario.accounts;
    return table.assetAllocationMode >= 1 && table.assetAllocationMode <= 3 &&
           age >= table.aaStartAge && amount >= table.aaMinimumWithdrawal &&
           inAllocation(run, account);
}

// What no liquid account could cover goes to the first Investment account, which may go
// below zero.
void chargeDepletion(RunContext& run, float amount, float age, int lineKind) {
    run.flags().liquidDepleted.raise(static_cast<int>(wholeAge(age)));
    AccountTable& table = run.scenario.accounts;
    for (int i = 0; i < table.usedCount(); ++i) {
        AccountRecord& account = table.accounts[static_cast<std::size_t>(i)];
        if (!account.isKind(AccountKind::InvestmentSavings)) {
            continue;
        }
        account.balance -= amount;
        run.totals.investmentTotal -= amount;
        if (run.switches.detailedResults) {
            run.line(
                [&] {
                    return "      Savings depleted -- " + moneyText(amount) + " withdrawn from " +
                           std::string(fieldText(account.name)) + ".";
                },
                lineKind);
        }
        run.logAccountFlow(false, age, account, amount);
        return;
    }
}

} // namespace

float withdrawFromAccount(RunContext& run, float amount, int eventIndex, int accountId) {
    AccountTable& table = run.scenario.accounts;
    const int index = run.accountIndex(accountId);
    if (index < 0) {
        return amount;
    }
    AccountRecord& account = table.accounts[static_cast<std::size_t>(index)];
    float rest = amount;
    if (account.isLiquid() && account.balance > 0.0f) {
        const float balance = account.balance;
        drawFromAccount(run, account, amount, run.age, kOrdinaryWithdrawal, eventIndex);
        rest = amount - balance;
    }
    if (rest <= 0.0f) {
        return 0.0f;
    }
    if (wholeAge(run.age) > wholeAge(run.scenario.header.startAge)) {
        run.flags().withdrawalAccountDepleted.raise(static_cast<int>(wholeAge(run.age)));
    }
    run.line(
        [&] {
            return "      Withdrawal account " + std::string(fieldText(account.name)) +
                   " depleted " + moneyText(rest) + " withdrawn from other accounts!";
        },
        eventIndex);
    return rest;
}

void computeAllocationShares(RunContext& run) {
    const AccountTable& table = run.scenario.accounts;
    float total = 0.0f;
    int members = 0;
    for (int i = 0; i < table.usedCount(); ++i) {
        const AccountRecord& account = table.accounts[static_cast<std::size_t>(i)];
        if (inAllocation(run, account) && account.balance > 0.0f) {
            total += account.balance;
            ++members;
        }
    }
    for (int i = 0; i < table.usedCount(); ++i) {
        const AccountRecord& account = table.accounts[static_cast<std::size_t>(i)];
        float& share = run.allocationShare[static_cast<std::size_t>(i)];
        if (total <= 0.0f) {
            share = 0.0f;
            continue;
        }
        if (!inAllocation(run, account)) {
            continue;
        }
        if (account.balance <= 0.0f) {
            share = 0.0f;
        } else if (table.assetAllocationMode == 1) {
            share = account.balance / total;
        } else if (table.assetAllocationMode == 2) {
            share = 100.0f / static_cast<float>(members) * 0.01f;
        } else {
            share = 1.0f - account.balance / total;
        }
    }
}

float fundByAllocation(RunContext& run, float amount, float age, int purpose, int lineKind) {
    computeAllocationShares(run);
    AccountTable& table = run.scenario.accounts;
    float taken = 0.0f;
    float carry = 0.0f;
    for (int i = 0; i < table.usedCount(); ++i) {
        AccountRecord& account = table.accounts[static_cast<std::size_t>(i)];
        const float share = run.allocationShare[static_cast<std::size_t>(i)];
        if (!inAllocation(run, account) || share <= 0.0f) {
            continue;
        }
        const float want = amount * share + carry;
        if (!account.isLiquid() || account.balance <= 0.0f) {
            continue; // an Asset or Equity member is never drawn, and its part not carried
        }
        const float drawn = drawFromAccount(run, account, want, age, purpose, lineKind);
        carry = want - drawn;
        taken += drawn;
        if (taken >= amount) {
            return 0.0f;
        }
    }
    const float rest = amount - taken;
    return rest > 1.0f ? rest : 0.0f;
}

void fundWithdrawal(RunContext& run, float amount, float age, int purpose, int lineKind) {
    if (age < run.displayStartAge) {
        return;
    }
    AccountTable& table = run.scenario.accounts;
    for (int i = 0; i < table.usedCount() && amount > 0.0f; ++i) {
        AccountRecord& account = table.accounts[static_cast<std::size_t>(i)];
        if (!account.isLiquid() || account.balance <= 0.0f) {
            continue;
        }
        if (allocationApplies(run, account, amount, age)) {
            amount = fundByAllocation(run, amount, age, purpose, lineKind);
            if (amount <= 0.0f || account.balance <= 0.0f) {
                continue; // done, or the allocation emptied this account
            }
        }
        amount -= drawFromAccount(run, account, amount, age, purpose, lineKind);
    }
    if (amount > 0.0f) {
        chargeDepletion(run, amount, age, lineKind);
    }
}

void payFromAccountOrFunding(RunContext& run, float amount, int eventIndex, int accountId) {
    if (accountId >= 0) {
        amount = withdrawFromAccount(run, amount, eventIndex, accountId);
    }
    if (amount > 0.0f) {
        fundWithdrawal(run, amount, run.age, kOrdinaryWithdrawal, eventIndex);
    }
}

} // namespace finplan
