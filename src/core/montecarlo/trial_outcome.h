#pragma once

#include "results/red_flags.h"

#include <array>
#include <string_view>

namespace finplan {

// The red flags of a run in the order the schedule lists them.
enum class FlagKind {
    Penalty,
    LiquidDepleted,
    WithdrawalAccountDepleted,
    RmdDepleted,
    TransfersFailed,
    NegativeNetWorth,
};
inline constexpr int kFlagKinds = 6;

// How a red flag is named in the summary of many trials.
std::string_view flagLabel(FlagKind kind);

// What a trial leaves besides its yearly values: the first age of each red flag, -1 when the
// flag was not raised.
struct TrialOutcome {
    std::array<int, kFlagKinds> flagAges{-1, -1, -1, -1, -1, -1};

    int flagAge(FlagKind kind) const { return flagAges[static_cast<std::size_t>(kind)]; }
    // A trial fails when the liquid accounts ran dry or the net worth went negative.
    bool succeeded() const {
        return flagAge(FlagKind::LiquidDepleted) < 0 && flagAge(FlagKind::NegativeNetWorth) < 0;
    }
};

TrialOutcome outcomeOf(const RedFlags& flags);

} // namespace finplan
