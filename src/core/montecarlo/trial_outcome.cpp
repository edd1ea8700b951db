#include "montecarlo/trial_outcome.h"

namespace finplan {

std::string_view flagLabel(FlagKind kind) {
    switch (kind) {
    case FlagKind::Penalty:
        return "Penalty paid";
    case FlagKind::LiquidDepleted:
        return "Liquid accounts depleted";
    case FlagKind::WithdrawalAccountDepleted:
        return "Withdrawal account depleted";
    case FlagKind::RmdDepleted:
        return "RMD accounts depleted";
    case FlagKind::TransfersFailed:
        return "Transfers not completed";
    case FlagKind::NegativeNetWorth:
        return "Net worth negative";
    }
    return {};
}

TrialOutcome outcomeOf(const RedFlags& flags) {
    const auto age = [](const RedFlag& flag) { return flag.set ? flag.age : -1; };
    return {{age(flags.penalty), age(flags.liquidDepleted), age(flags.withdrawalAccountDepleted),
             age(flags.rmdDepleted), flags.failedTransferCount > 0 ? flags.failedTransferAge : -1,
             age(flags.negativeNetWorth)}};
}

} // namespace finplan
