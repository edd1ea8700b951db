#include "engine/run_simulation.h"

#include "engine/birthday.h"
#include "engine/event_step.h"
#include "engine/growth.h"
#include "engine/random_draws.h"
#include "engine/year_record.h"
#include "model/account_sort.h"
#include "model/derived_totals.h"
#include "model/scenario_check.h"
#include "model/text_field.h"
#include "results/schedule_text.h"
#include "results/text_format.h"

#include <cerrno>
#include <cmath>
#include <cstring>

namespace finplan {

namespace {

constexpr float kHighestAge = 120.0f;

std::string dateText(const LocalDateTime& now) {
    return formatText("%02d/%02d/%02d", now.month, now.day, now.year % 100);
}

std::string timeText(const LocalDateTime& now) {
    return formatText("%02d:%02d:%02d", now.hour, now.minute, now.second);
}

// The first age not below the end age: the run's final age.
float finalAge(float simStartAge, float endAge) {
    float age = simStartAge;
    while (age < endAge) {
        age += 1.0f;
    }
    return age;
}

bool validAge(float age) {
    return std::isfinite(age) && age >= 0.0f && age <= kHighestAge;
}

// A scenario read from a damaged or hand-made file may hold ages the result tables have no
// room for; such a run is refused instead of writing past them.
bool agesCanRun(const ScenarioHeader& header, UserDialogs& dialogs) {
    // A start at or after the end has no year to show.
    if (validAge(header.startAge) && validAge(header.endAge) && header.startAge < header.endAge) {
        const float first = std::floor(header.startAge);
        if (finalAge(first, header.endAge) - first + 1.0f <= static_cast<float>(kMaxShownYears)) {
            return true;
        }
    }
    dialogs.error("This scenario cannot be run: its start and end ages must lie between 0 and "
                  "120, less than 100 years apart.",
                  "START AGE ERROR");
    return false;
}

// Events that began before the scenario's start age are simulated from their own start.
float earliestStart(const Scenario& s) {
    float earliest = std::floor(s.header.endAge);
    for (int i = 0; i < s.usedEventCount(); ++i) {
        const float start = std::floor(s.events[static_cast<std::size_t>(i)].startAge);
        if (start >= 0.0f && start < earliest) {
            earliest = start;
        }
    }
    return earliest < s.header.startAge ? earliest : std::floor(s.header.startAge);
}

void takeWorkingRates(RunContext& run) {
    const ScenarioHeader& h = run.scenario.header;
    run.rates = {h.taxRate,           h.inflationRate, h.avgInvestmentRate, h.avgTaxFreeRate,
                 h.avgRetirementRate, h.avgEquityRate, h.avgAssetRate,      h.defaultPenaltyRate};
}

void prepareDebts(Scenario& s) {
    for (int i = 0; i < s.usedEventCount(); ++i) {
        EventRecord& event = s.events[static_cast<std::size_t>(i)];
        if (event.isCreditCard()) {
            event.currentAmount = event.amount;
        } else if (event.is(EventType::Loan) || event.is(EventType::Mortgage)) {
            event.oneTime = 0;
        }
    }
}

void writePlotHeader(RunContext& run) {
    Scenario& s = run.scenario;
    const float last = finalAge(run.simStartAge, run.endAge);
    run.plot.header(run.output.graphKind, run.output.captions,
                    plottedYears(last, s.header.startAge, run.switches.plotZoom), s.accounts);
    run.output.accountNames.clear();
    for (int i = 0; i < s.accounts.usedCount(); ++i) {
        run.output.accountNames.emplace_back(
            fieldText(s.accounts.accounts[static_cast<std::size_t>(i)].name).substr(0, 29));
    }
}

bool beginRun(RunContext& run) {
    Scenario& s = run.scenario;
    RunEnvironment& env = run.environment;
    run.totals = RunTotals{};
    run.flows.depositTaxes = 0.0f;
    takeWorkingRates(run);
    const LocalDateTime now = env.clock.now();
    run.output.captions = plotCaptions(s.fileName, dateText(now), timeText(now), s.titles);
    if (run.outputs.plotFile && !run.plot.open(env.workDir)) {
        run.output.fileFailure =
            (env.workDir / kPlotFileName).string() + ": " + std::strerror(errno);
        env.dialogs.error(std::string(kPlotFileOpenError) + "\n" + run.output.fileFailure,
                          "FILE ERROR");
        return false;
    }
    resetRunFields(s);
    if (run.rateDetails()) {
        const auto block = initialRatesBlock(s, run.rates.taxRate, run.rates.inflationRate,
                                             run.rates.avgEquityRate);
        for (const ScheduleLine& line : block) {
            run.openingLine(line.text, line.kind);
        }
    }
    run.simStartAge = earliestStart(s);
    run.endAge = s.header.endAge;
    prepareDebts(s);
    sortAccounts(s, AccountSortKey::AccessOrder, true);
    run.indexAccounts();
    writePlotHeader(run);
    if (run.outputs.exportTo != nullptr) {
        run.outputs.exportTo->header(s.accounts);
    }
    if (!run.switches.saveRunInProgress) {
        run.openingLine("??", kPlainLine);
    }
    return true;
}

void setStartAge(RunContext& run) {
    ScenarioHeader& h = run.scenario.header;
    const float whole = std::floor(h.startAge);
    const float sinceBirthday =
        yearsSinceBirthday(run.environment.clock.now(), h.birthMonth, h.birthDay);
    h.startAge = h.useBirthday == 1 ? whole + sinceBirthday : whole;
    run.displayStartAge = whole;
}

// The age the totals show: the fractional start age in the first year of a birthday scenario.
float shownAge(const RunContext& run) {
    const ScenarioHeader& h = run.scenario.header;
    return (h.useBirthday == 1 && run.age == run.displayStartAge) ? h.startAge : run.age;
}

void snapTotals(RunTotals& t) {
    for (float* total : {&t.investmentTotal, &t.taxFreeTotal, &t.retirementTotal, &t.assetTotal,
                         &t.equityTotal, &t.liabilities}) {
        if (*total > -1.0f && *total < 1.0f) {
            *total = 0.0f;
        }
    }
}

// The hyphen lines around the totals line. The net worth is taken from the snapped totals
// before the line, so the line shows the net worth of the totals beside it.
void writeTotals(RunContext& run, int hyphensBefore, int hyphensAfter) {
    run.line([&] { return hyphenLine(hyphensBefore); });
    snapTotals(run.totals);
    run.totals.netWorth = run.totals.computeNetWorth();
    run.line([&] { return totalsLine(shownAge(run), run.totals); });
    recordAgeTotals(run);
    run.line([&] { return hyphenLine(hyphensAfter); });
}

void openingBalances(RunContext& run) {
    Scenario& s = run.scenario;
    RunTotals& t = run.totals;
    t.investmentTotal = s.header.initialInvestmentSavings;
    t.taxFreeTotal = s.header.initialTaxFreeSavings;
    t.retirementTotal = s.header.initialRetirementSavings;
    t.equityTotal += s.header.initialEquity;
    t.assetTotal += s.header.initialAssets;
    for (int i = 0; i < s.accounts.usedCount(); ++i) {
        AccountRecord& account = s.accounts.accounts[static_cast<std::size_t>(i)];
        account.balance = account.initialAmount;
        account.currentRate = account.rate;
        if (account.slot < kMaxAccounts) {
            s.slots.firstWithdrawalAge[account.slot] = 0;
        }
    }
}

// A card's balance is owed from the year it starts; in run-in years too, since its payments
// there already reduce the liabilities.
void bookNewCardDebts(RunContext& run) {
    Scenario& s = run.scenario;
    for (int i = 0; i < s.usedEventCount(); ++i) {
        const EventRecord& event = s.events[static_cast<std::size_t>(i)];
        if (event.isCreditCard() && std::floor(event.startAge) == std::floor(run.age)) {
            run.totals.liabilities += event.currentAmount;
        }
    }
}

void startShownYear(RunContext& run) {
    ++run.yearIndex;
    recordOpeningSnapshot(run, shownAge(run));
}

void applyEvents(RunContext& run) {
    Scenario& s = run.scenario;
    for (int i = 0; i < s.usedEventCount(); ++i) {
        EventRecord& event = s.events[static_cast<std::size_t>(i)];
        // Most events of a long scenario are over or still to come: they have nothing to do.
        if (event.state != 1 && !(event.state == 0 && event.startAge <= run.age)) {
            continue;
        }
        applyEventForYear(run, i);
        if (event.state == 1 && event.endAge < run.age && !event.is(EventType::Loan) &&
            !event.is(EventType::Mortgage)) {
            event.state = 2;
        }
    }
}

void simulateYear(RunContext& run) {
    ScenarioHeader& h = run.scenario.header;
    if (run.randomRates()) {
        h.inflationRate = drawInflationRate(run);
    }
    run.rates.inflationRate = h.inflationRate;
    run.flows.depositTaxes = 0.0f;
    const float whole = std::floor(h.startAge);
    run.yearFraction = run.age == whole ? 1.0f - (h.startAge - whole) : 1.0f;
    clearYearFlows(run.flows);
    if (run.age == run.displayStartAge) {
        openingBalances(run);
    }
    bookNewCardDebts(run);
    if (run.shownYear()) {
        startShownYear(run);
    }
    writeTotals(run, 184, 185);
    if (run.totals.netWorth < 0.0f) {
        run.flags().negativeNetWorth.raise(static_cast<int>(std::floor(run.age)));
    }
    run.line("Financial Events:");
    applyEvents(run);
    applyYearGrowth(run);
    if (run.totals.liabilities < 1.0f) {
        run.totals.liabilities = 0.0f;
    }
}

void finishRun(RunContext& run, float savedInflation) {
    Scenario& s = run.scenario;
    s.header.inflationRate = savedInflation;
    ++run.yearIndex;
    // A scenario that ends where it starts simulates no year; its one shown age still opens
    // with the accounts' initial amounts.
    if (run.yearIndex == 0 && run.age == run.displayStartAge) {
        openingBalances(run);
    }
    if (run.shownYear()) {
        recordOpeningSnapshot(run, run.age);
        recordYearFlows(run);
    }
    writeTotals(run, 175, 175);
    clearYearFlows(run.flows);
    if (run.rateDetails() && run.randomRates()) {
        for (const ScheduleLine& line :
             rateStatisticsBlock(s, run.switches.randomAccountRates, run.output.groupStats)) {
            run.line(line.text, line.kind);
        }
    }
    // Built only when the lines go somewhere: runs of many trials show none.
    if (run.writesText()) {
        for (const std::string& text : redFlagLines(run.flags())) {
            run.line(text);
        }
    }
    std::string writeFailure;
    if (run.logs) {
        run.logs->finish();
        run.output.fileFailure = run.logs->failure();
        writeFailure = run.logs->writeFailure();
    }
    run.plot.trailer(s.groups, s.accounts);
    if (writeFailure.empty()) {
        writeFailure = run.plot.failure();
    }
    if (run.output.fileFailure.empty()) {
        run.output.fileFailure = writeFailure;
    }
    // A file that could not be created was told at once; one cut short is told now.
    if (!writeFailure.empty()) {
        run.environment.dialogs.error("Cannot write " + writeFailure, "FILE ERROR");
    }
    run.output.tables.shownYears = std::min(run.yearIndex + 1, kMaxShownYears);
    s.resultsStale = false;
}

} // namespace

int runSimulation(Scenario& scenario, RunOutput& output, const RunSwitches& switches,
                  RunEnvironment& environment, const RunOutputs& outputs) {
    if (const auto problem = firstInvalidValue(scenario)) {
        environment.dialogs.error(*problem, "VALUE ERROR");
        return 0;
    }
    if (!agesCanRun(scenario.header, environment.dialogs)) {
        return 0;
    }
    output.redFlags = RedFlags{};
    output.fileFailure.clear();
    RunContext run(scenario, output, switches, environment, outputs);
    if (!beginRun(run)) {
        return 0;
    }
    setStartAge(run);
    output.groupStats = GroupRateStatsTable{};
    if (outputs.runFiles) {
        run.logs.emplace(environment.workDir, environment.dialogs);
        run.logs->accountList(scenario.accounts);
    }
    if (outputs.accountFlows != nullptr) {
        *outputs.accountFlows = AccountFlows{};
        outputs.accountFlows->names = output.accountNames;
    }
    const float savedInflation = scenario.header.inflationRate;
    for (run.age = run.simStartAge; run.age < run.endAge; run.age += 1.0f) {
        simulateYear(run);
    }
    finishRun(run, savedInflation);
    return 1;
}

} // namespace finplan
