#include "engine/random_draws.h"

#include "model/text_field.h"
#include "results/schedule_text.h"

namespace finplan {

namespace {

constexpr float kMinInflation = 0.0f;
constexpr float kMaxInflation = 8.0f;

bool ranged(int distribution) {
    return distribution == static_cast<int>(RandomDistribution::GaussianRange) ||
           distribution == static_cast<int>(RandomDistribution::Uniform);
}

float rangeRate(RunContext& run, float low, float high) {
    const GroupTable& g = run.scenario.groups;
    if (run.distribution() == static_cast<int>(RandomDistribution::Uniform)) {
        return run.environment.random->uniformRate(low, high);
    }
    return run.environment.random->gaussianRangeRate(low, high, run.distribution(),
                                                     g.rangeSpreadFactor, g.stdSpreadFactor);
}

} // namespace

float drawInflationRate(RunContext& run) {
    return rangeRate(run, kMinInflation, kMaxInflation);
}

void drawGroupRates(RunContext& run) {
    run.groupRateShown.fill(false);
    if (!ranged(run.distribution())) {
        return;
    }
    const GroupTable& g = run.scenario.groups;
    for (std::size_t i = 0; i < run.groupRates.size(); ++i) {
        run.groupRates[i] = rangeRate(run, g.groupRandomMin[i], g.groupRandomMax[i]);
    }
}

float accountGrowthRate(RunContext& run, const AccountRecord& account) {
    if (!run.randomRates()) {
        return account.currentRate;
    }
    RandomSource& random = *run.environment.random;
    if (run.switches.randomGroupRates) {
        if (ranged(run.distribution())) {
            return account.group < kGroupCount ? run.groupRates[account.group]
                                               : account.currentRate;
        }
        const float spread = 1.0f + 0.1f * static_cast<float>(run.scenario.groups.stdSpreadFactor);
        const float deviation =
            account.slot < kMaxAccounts ? run.scenario.slots.randomStdDev[account.slot] : 0.0f;
        return random.gaussianRate(account.currentRate, deviation * spread);
    }
    // Single accounts draw uniformly within their own range whatever the distribution.
    return random.uniformRate(account.randomMinRate, account.randomMaxRate);
}

void reportDrawnRate(RunContext& run, AccountRecord& account, float rate) {
    if (!run.rateDetails() || !run.randomRates()) {
        return;
    }
    if (!run.switches.randomGroupRates) {
        run.line([&] { return rateDetailLine(fieldText(account.name), rate); }, kAccountRateLine);
        if (account.slot < kMaxAccounts) {
            run.scenario.slots.rateStatCount[account.slot] += 1.0f;
        }
        account.rateStatSum += rate;
        account.rateStatMin = rate < account.rateStatMin ? rate : account.rateStatMin;
        account.rateStatMax = rate > account.rateStatMax ? rate : account.rateStatMax;
        return;
    }
    if (account.group >= kGroupCount || run.groupRateShown[account.group]) {
        return;
    }
    run.groupRateShown[account.group] = true;
    run.line(
        [&] {
            return rateDetailLine(fieldText(run.scenario.groups.groupNames[account.group]), rate);
        },
        kAccountRateLine);
    run.output.groupStats[account.group].take(rate);
}

void resetAccountRateStats(Scenario& scenario) {
    for (int i = 0; i < scenario.accounts.usedCount(); ++i) {
        AccountRecord& account = scenario.accounts.accounts[static_cast<std::size_t>(i)];
        if (account.slot < kMaxAccounts) {
            scenario.slots.rateStatCount[account.slot] = 0.0f;
        }
        account.rateStatSum = 0.0f;
        account.rateStatMin = account.randomMaxRate;
        account.rateStatMax = account.randomMinRate;
    }
}

} // namespace finplan
