#include "montecarlo/random_mode.h"

namespace finplan {

namespace {

bool accountRanges(const Scenario& s) {
    for (int i = 0; i < s.accounts.usedCount(); ++i) {
        const AccountRecord& account = s.accounts.accounts[static_cast<std::size_t>(i)];
        if (account.randomMinRate != account.randomMaxRate) {
            return true;
        }
    }
    return false;
}

bool groupRanges(const Scenario& s) {
    if (s.groups.randomDistribution == static_cast<int>(RandomDistribution::GaussianStandard)) {
        for (int i = 0; i < s.accounts.usedCount(); ++i) {
            const AccountRecord& account = s.accounts.accounts[static_cast<std::size_t>(i)];
            if (account.slot < kMaxAccounts && s.slots.randomStdDev[account.slot] != 0.0f) {
                return true;
            }
        }
        return false;
    }
    for (int g = 0; g < kGroupCount; ++g) {
        const auto i = static_cast<std::size_t>(g);
        if (s.groups.groupRandomMin[i] != s.groups.groupRandomMax[i]) {
            return true;
        }
    }
    return false;
}

} // namespace

bool hasRandomRanges(const Scenario& scenario, RandomMode mode) {
    return mode == RandomMode::Groups ? groupRanges(scenario) : accountRanges(scenario);
}

std::optional<RandomMode> defaultRandomMode(const Scenario& scenario) {
    for (const RandomMode mode : {RandomMode::Groups, RandomMode::Accounts}) {
        if (hasRandomRanges(scenario, mode)) {
            return mode;
        }
    }
    return std::nullopt;
}

RunSwitches randomRunSwitches(RandomMode mode) {
    RunSwitches switches;
    switches.randomAccountRates = mode == RandomMode::Accounts;
    switches.randomGroupRates = mode == RandomMode::Groups;
    return switches;
}

} // namespace finplan
