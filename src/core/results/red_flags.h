#pragma once

namespace finplan {

// A warning raised once per run, at the first age it happened.
struct RedFlag {
    bool set = false;
    int age = 0;

    void raise(int atAge) {
        if (!set) {
            set = true;
            age = atAge;
        }
    }
};

// The red flags of one run, listed at the end of the schedule.
struct RedFlags {
    RedFlag penalty;
    RedFlag liquidDepleted;
    RedFlag withdrawalAccountDepleted;
    RedFlag rmdDepleted;
    int failedTransferCount = 0;
    int failedTransferAge = 0;
    RedFlag negativeNetWorth;

    void addFailedTransfer(int atAge) {
        if (failedTransferCount == 0) {
            failedTransferAge = atAge;
        }
        ++failedTransferCount;
    }
};

} // namespace finplan
