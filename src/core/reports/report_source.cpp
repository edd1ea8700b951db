#include "reports/report_source.h"

#include "model/scenario.h"
#include "model/text_field.h"
#include "results/run_output.h"

namespace finplan {

ReportSource reportSource(const Scenario& scenario, const RunOutput& output,
                          const AccountFlows* flows) {
    ReportSource source{output.tables, {}, {}, flows};
    const AccountTable& table = scenario.accounts;
    for (std::size_t i = 0; i < output.accountNames.size(); ++i) {
        ReportAccount account{output.accountNames[i], -1, -1};
        if (static_cast<int>(i) < table.usedCount()) {
            const AccountRecord& record = table.accounts[i];
            // An account edited away since the run is not the one the run's numbers are of.
            if (fieldText(record.name).substr(0, account.name.size()) == account.name) {
                account.kind = record.kind < kAccountKindCount ? record.kind : -1;
                account.group = record.group < kGroupCount ? record.group : -1;
            }
        }
        source.accounts.push_back(std::move(account));
    }
    for (std::size_t g = 0; g < source.groupNames.size(); ++g) {
        source.groupNames[g] = std::string(fieldText(scenario.groups.groupNames[g]));
    }
    return source;
}

} // namespace finplan
