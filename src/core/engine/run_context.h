#pragma once

#include "engine/random_source.h"
#include "engine/run_switches.h"
#include "finance/debt_math.h"
#include "model/scenario.h"
#include "model/text_field.h"
#include "platform/clock.h"
#include "platform/user_dialogs.h"
#include "results/account_flows.h"
#include "results/plot_file.h"
#include "results/results_export.h"
#include "results/run_logs.h"
#include "results/run_output.h"
#include "results/run_totals.h"
#include "results/schedule_sink.h"
#include "results/year_flows.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace finplan {

// What a run needs from outside: the work directory for its files, the message boxes and the
// clock.
struct RunEnvironment {
    std::filesystem::path workDir;
    UserDialogs& dialogs;
    const Clock& clock;
    // The generator of random rates; it runs on from run to run. Needed only by random runs.
    RandomSource* random = nullptr;
};

// What a run writes besides its result tables, each only when its caller asks for it.
struct RunOutputs {
    // The lines the results page shows (shown years, without rules and paragraph marks).
    ScheduleList* list = nullptr;
    // Saved results or the print work file: the lines of the shown years as text; ignored
    // when a list is given. The caller writes what comes before them.
    std::ostream* scheduleFile = nullptr;
    // "bigfile.tmp", "infile.tmp" and "outfile.tmp" in the work directory, for the reports.
    bool runFiles = false;
    // "plotinf01.tmp" in the work directory, for the graph viewer.
    bool plotFile = false;
    // The yearly account balances as an export table.
    ResultsExport* exportTo = nullptr;
    // Money into and out of every account by age and account position, for the account-flow
    // reports (the run files name accounts, and names may repeat).
    AccountFlows* accountFlows = nullptr;

    // Everything the results page's run leaves: the list and every file of the work directory.
    static RunOutputs display(ScheduleList& schedule) { return {&schedule, nullptr, true, true}; }
};

// The rates a run works with; rate changes replace them during the run.
struct WorkingRates {
    float taxRate = 0.0f;
    float inflationRate = 0.0f;
    float avgInvestmentRate = 0.0f;
    float avgTaxFreeRate = 0.0f;
    float avgRetirementRate = 0.0f;
    float avgEquityRate = 0.0f;
    float avgAssetRate = 0.0f;
    float defaultPenaltyRate = 0.0f;
};

// The whole working state of one run. Nothing of it outlives the run except what it writes
// into the scenario's run-time fields and the run output, so many runs can go side by side.
struct RunContext {
    RunContext(Scenario& s, RunOutput& o, const RunSwitches& sw, RunEnvironment& env,
               const RunOutputs& outs)
        : scenario(s)
        , output(o)
        , switches(sw)
        , environment(env)
        , outputs(outs)
        , sink(outs.list, outs.scheduleFile) {
        indexAccounts();
    }

    Scenario& scenario;
    RunOutput& output;
    const RunSwitches& switches;
    RunEnvironment& environment;
    const RunOutputs& outputs;
    ScheduleSink sink;
    std::optional<RunLogs> logs;
    PlotFileWriter plot;

    RunTotals totals;
    YearFlows flows;
    WorkingRates rates;
    float simStartAge = 0.0f;
    float displayStartAge = 0.0f;
    float endAge = 0.0f;
    float age = 0.0f;
    int yearIndex = -1;
    float yearFraction = 1.0f;
    std::array<float, kMaxAccounts> allocationShare{};
    std::array<float, kGroupCount> groupRates{};
    std::array<bool, kGroupCount> groupRateShown{};
    // Each account id's table index, -1 for none: the run looks accounts up by id all the
    // time, and the table keeps its order from the run's sort to its end.
    std::vector<std::int16_t> indexOfId;
    int indexedAccounts = 0;
    // Where each debt's schedule replay stopped last year.
    std::array<AmortizationCursor, kEventCapacity> amortization{};

    RedFlags& flags() { return output.redFlags; }
    // Takes the ids in the table's present order; of two equal ids the first counts.
    void indexAccounts() {
        indexedAccounts = scenario.accounts.usedCount();
        int topId = -1;
        for (int i = 0; i < indexedAccounts; ++i) {
            topId = std::max<int>(
                topId, scenario.accounts.accounts[static_cast<std::size_t>(i)].accountId);
        }
        indexOfId.assign(static_cast<std::size_t>(topId + 1), -1);
        for (int i = indexedAccounts - 1; i >= 0; --i) {
            const int id = scenario.accounts.accounts[static_cast<std::size_t>(i)].accountId;
            if (id >= 0) {
                indexOfId[static_cast<std::size_t>(id)] = static_cast<std::int16_t>(i);
            }
        }
    }
    // The table index of an account id, -1 for none.
    int accountIndex(int accountId) {
        if (indexedAccounts != scenario.accounts.usedCount()) {
            indexAccounts();
        }
        if (accountId < 0 || static_cast<std::size_t>(accountId) >= indexOfId.size()) {
            return -1;
        }
        return indexOfId[static_cast<std::size_t>(accountId)];
    }
    bool shownYear() const { return age >= displayStartAge; }
    bool rateDetails() const { return switches.detailedResults; }
    // Whether schedule lines go anywhere: a run for its tables alone builds none.
    bool writesText() const { return sink.active(); }
    bool randomRates() const {
        return environment.random != nullptr &&
               (switches.randomAccountRates || switches.randomGroupRates);
    }
    int distribution() const { return scenario.groups.randomDistribution; }

    void line(std::string_view text, int kind = kPlainLine) {
        sink.add(text, kind, age, shownYear());
    }
    // A line whose text takes work to build: built only when lines go somewhere.
    template <typename Make>
    requires std::is_invocable_r_v<std::string, Make>
    void line(Make&& make, int kind = kPlainLine) {
        if (writesText()) {
            sink.add(make(), kind, age, shownYear());
        }
    }
    // Money into (`in`) or out of an account: the run files and the flows by position.
    void logAccountFlow(bool in, float atAge, const AccountRecord& account, float amount) {
        if (logs) {
            if (in) {
                logs->incomingLine(atAge, fieldText(account.name), amount);
            } else {
                logs->outgoingLine(atAge, fieldText(account.name), amount);
            }
        }
        if (outputs.accountFlows != nullptr) {
            outputs.accountFlows->add(in, atAge, accountIndex(account.accountId), asLogged(amount));
        }
    }
    // Lines of the run's opening block, shown whatever the ages.
    void openingLine(std::string_view text, int kind) { sink.add(text, kind, age, true); }
};

} // namespace finplan
