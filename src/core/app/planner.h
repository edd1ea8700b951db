#pragma once

#include "editing/account_sort_state.h"
#include "editing/event_editor.h"
#include "engine/random_source.h"
#include "engine/run_context.h"
#include "engine/run_switches.h"
#include "model/app_settings.h"
#include "model/scenario.h"
#include "montecarlo/monte_carlo.h"
#include "platform/clock.h"
#include "platform/user_dialogs.h"
#include "results/results_export.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// The pages of the main window a command may ask to be shown, by tab index.
enum class Page { Summary = 0, Accounts = 1, Scenario = 2, Results = 3 };

// Where the schedule list stands after a run: its last line, its first line, or the totals
// line of a chosen age.
enum class ScrollMode { Last = 0, First = 1, ChosenAge = 2 };

// What a double-click on a schedule line asks for.
struct LineChoice {
    enum class Kind { Nothing, TotalsLine, EventLine };
    Kind kind = Kind::Nothing;
    int value = 0; // the age of a totals line, the event index of an event line
};

// One use of the program without its windows: the scenario, the settings in force, the last
// run's results and switches, the random generator, and the logic of the scenario commands,
// the results page and start and end. The desktop program is a thin layer over it.
class Planner {
public:
    Planner(std::filesystem::path workDir, UserDialogs& dialogs, const Clock& clock);

    // Start-up before the main window exists: reset, switches and preferences (with the
    // window placement).
    void prepare(const CommandLineSwitches& switches);
    // Start-up once the window is there: the settings file, then the scenario given on the
    // command line or else the last one, read, run and sorted.
    void openAtStart(const std::optional<std::string>& scenarioFile = std::nullopt);
    // Both steps.
    void start(const CommandLineSwitches& switches,
               const std::optional<std::string>& scenarioFile = std::nullopt) {
        prepare(switches);
        openAtStart(scenarioFile);
    }

    // The main window's placement, kept for the preferences file and for saving.
    void setWindowPlacement(int x, int y, int width, int height);

    // End of the program: preferences, settings file and, unless the session is ending, the
    // temporary files of the work directory.
    void finish(bool deleteTemporaryFiles);
    // The settings file alone (Exit writes it before the window closes).
    bool writeSettings();

    // The save prompt. Ok when there is nothing to save; Yes after saving; Cancel also when
    // the save failed, so that no change is lost by going on.
    Answer askToSave();
    // askToSave for commands that replace the scenario: false when they must stop.
    bool mayReplaceScenario() { return askToSave() != Answer::Cancel; }

    // Open (after the save prompt and the dialog). Empty when the file cannot be opened for
    // reading and writing (the scenario in memory stays); otherwise the page to show.
    std::optional<Page> openScenario(const std::string& path);
    // A recent-file entry, 0 to 5; empty as for openScenario, also for an empty entry.
    std::optional<Page> openRecentFile(int index);
    bool save();
    // Save As under `path`; on failure the previous file name stays in force.
    bool saveAs(const std::string& path);
    // New, "By Hand": a fresh scenario in the temporary file of New.
    bool newScenarioByHand();
    bool saveAccounts(const std::string& path);
    // The page to show after a successful read or re-index.
    std::optional<Page> readAccounts(const std::string& path);
    std::optional<Page> reindexAccounts();

    // Reads a scenario without the window's checks: the command line's open. False (after the
    // message) when the file cannot be read.
    bool load(const std::string& path);
    // Writes the scenario to `path`, creating the file when it is missing: the command line's
    // save. False after the message.
    bool saveTo(const std::string& path);

    // The results page's run: the list, the run files and the plot file, on fresh kind sums.
    // False when the run could not start.
    bool run();
    // A run that writes what `outputs` asks for besides the result tables and keeps its
    // schedule list, if any, to the caller.
    bool runWith(const RunOutputs& outputs);
    // Runs when the scenario changed since the last run.
    bool runIfStale();
    bool runAgain();
    bool runWithRandomAccountRates();
    bool runWithRandomGroupRates();
    bool toggleDetailedResults();
    bool toggleAccountSummary();
    // Shift+F11: takes effect at the next run.
    void toggleSummarySwitch() { m_switches.summary = !m_switches.summary; }
    // The graph's zoom and kind as the plot file of the next run must carry them.
    void setPlotZoom(const PlotZoom& zoom) { m_switches.plotZoom = zoom; }
    void setGraphKind(int kind) { m_output.graphKind = kind; }
    // The results page's Save: the schedule file, then the print work file emptied.
    bool saveResults(const std::string& path);
    // The scenario description and the schedule of a fresh run into `path`.
    bool writeSchedule(const std::string& path);
    // The yearly balances of a fresh run as a tab- or comma-delimited file; an existing file is
    // replaced only after the question.
    bool exportResults(const std::string& path, ExportKind kind);
    // A copy of the plot file of the last run as a graph file (runs first when results are
    // stale).
    bool saveGraphs(const std::string& path);
    // The print work file, emptied.
    void emptyPrintWorkFile();
    // The print run: the scenario description and the schedule of a fresh run into the print
    // work file, for the schedule pages.
    bool writePrintWorkFile();

    // Every run starts its random generator from this seed, so that every file of one command
    // describes the same run; without it the generator runs on from run to run.
    void setFixedSeed(std::uint32_t seed) { m_fixedSeed = seed; }
    // Many trials of the scenario as it is now, to run on any thread.
    MonteCarloJob monteCarloJob(const MonteCarloSettings& settings) const {
        return {m_scenario, settings, m_clock.now()};
    }
    // The switches of the next runs as a command line sets them.
    void setSwitches(const RunSwitches& switches) { m_switches = switches; }

    // Schedule positioning of the results page.
    void showFirstLine() { m_scrollMode = ScrollMode::First; }
    void showLastLine() { m_scrollMode = ScrollMode::Last; }
    // Go To with the text of the age field; false (after the message) when it is no age.
    bool goToAge(std::string_view field);
    LineChoice chooseLine(int line);
    // The line the list shows after a run or a move; -1 for an empty list.
    int lineToShow() const;
    ScrollMode scrollMode() const { return m_scrollMode; }
    int chosenAge() const { return m_chosenAge; }

    // The scenario description list (sorts the events, as the list always has).
    std::vector<std::string> scenarioList();

    // Event editing. Each editor works on this planner's scenario and must be closed (or
    // destroyed) before the next opens; an editor left without OK leaves the scenario as it
    // was. An empty result means nothing opened (a refusal was shown where one applies).

    // False after "Maximum number of events reached!" when the table has no room for one
    // more event (Add, Copy, budgets and asset allocation ask this first).
    bool mayAddEvent();
    // False after "Maximum number of accounts reached!" when 50 accounts are in use.
    bool mayAddAccount();
    // A new event of an addable kind.
    std::unique_ptr<EventEditor> addEvent(EditorKind kind);
    // The editor of the event at `index` (its kind from editorForEvent); empty for an event
    // edited elsewhere (asset allocation, RMD, budget) or no event.
    std::unique_ptr<EventEditor> editEvent(int index);
    // A line of the description list as a double-click opens it: line 0 the Initial Values.
    std::unique_ptr<EventEditor> editListLine(int line);
    std::unique_ptr<EventEditor> editInitialValues();
    // Copy: the event is duplicated and its editor opened; cancelling takes the copy away.
    // Empty (nothing happens) for events that are not copied.
    std::unique_ptr<EventEditor> copyEvent(int index);
    std::unique_ptr<EventEditor> copyListLine(int line);
    // Delete: false when nothing was deleted (the header line, a line no event owns, an RMD
    // distribution); otherwise the scenario is modified and stale and the list rebuilt.
    bool deleteEvent(int index);
    bool deleteListLine(int line);
    // The event that owns a line of the description list; -1 for none (also line 0).
    int eventForLine(int line) const;

    Scenario& scenario() { return m_scenario; }
    const Scenario& scenario() const { return m_scenario; }
    // The order the account list keeps while the program runs; the update from a bank file
    // sorts by it too.
    AccountSortState& accountSort() { return m_accountSort; }
    AppSettings& settings() { return m_settings; }
    // Today's date and time as this use of the program tells it.
    const Clock& clock() const { return m_clock; }
    const AppSettings& settings() const { return m_settings; }
    const RunOutput& output() const { return m_output; }
    // Money into and out of each account by age and position in the last run that did not
    // collect them itself: what the account-flow reports show.
    const AccountFlows& accountFlows() const { return *m_accountFlows; }
    const RunSwitches& switches() const { return m_switches; }
    const std::filesystem::path& workDir() const { return m_workDir; }
    const std::string& title() const { return m_title; }
    // A scenario was read or created: the scenario commands are available.
    bool scenarioLoaded() const { return m_scenarioLoaded; }
    // At least one run completed since start.
    bool hasResults() const { return m_hasResults; }
    std::vector<std::string> recentFileItems() const;

private:
    bool runWithRandomRates(bool accounts);
    void emptyList();
    void setLoadedTitle();

    std::filesystem::path m_workDir;
    UserDialogs& m_dialogs;
    const Clock& m_clock;
    Scenario m_scenario;
    AppSettings m_settings;
    AccountSortState m_accountSort;
    RunOutput m_output;
    std::unique_ptr<AccountFlows> m_accountFlows = std::make_unique<AccountFlows>();
    RunSwitches m_switches;
    RandomSource m_random;
    std::optional<std::uint32_t> m_fixedSeed;
    std::string m_title = "Tarvel Financial Planner";
    bool m_scenarioLoaded = false;
    bool m_hasResults = false;
    ScrollMode m_scrollMode = ScrollMode::Last;
    int m_chosenAge = 0;
};

// Seconds since 1970 of a local date and time taken as universal time: the seed of the
// random rates.
std::uint32_t clockSeed(const LocalDateTime& now);

} // namespace finplan
