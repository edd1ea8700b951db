#include "app/planner.h"

#include "app/temporary_files.h"
#include "editing/event_table_edits.h"
#include "editing/scenario_list.h"
#include "engine/run_preparation.h"
#include "engine/run_simulation.h"
#include "graphs/save_graphs.h"
#include "model/accounts_file.h"
#include "model/event_order.h"
#include "model/file_io.h"
#include "model/finance_dat.h"
#include "model/pref_file.h"
#include "model/scenario_file.h"
#include "model/scenario_reset.h"
#include "model/text_field.h"

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <utility>

namespace finplan {

namespace {

constexpr const char* kTitlePrefix = "Financial Planner - ";
constexpr int kPreferenceWidth = 600;
constexpr int kPreferenceHeight = 500;
constexpr float kLowestGoToAge = 1.0f;
constexpr float kHighestGoToAge = 120.0f;
constexpr std::size_t kAgeFieldLength = 5;
constexpr int kNetWorthGraph = 1;
constexpr const char* kPrintWorkFile = "ptmpsch.dat";

// Writes a whole output file; false after the message when it could not be written.
bool writeOutputFile(const std::string& path, std::string_view content, const std::string& failure,
                     UserDialogs& dialogs) {
    const WriteResult written = writeFileReplacing(path, content);
    if (!written) {
        dialogs.error(failure + "\n" + writeFailureText(path, written), "FILE ERROR");
    }
    return static_cast<bool>(written);
}

// Days from 1970-01-01 to a civil date of the proleptic Gregorian calendar.
long long daysFromCivil(int year, int month, int day) {
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<long long>(era) * 146097 + dayOfEra - 719468;
}

bool canOpenForReadingAndWriting(const std::string& path) {
    return fileExists(path) && readFileBytes(path, 0).has_value() && canOpenForWriting(path);
}

// The number at the start of a text, as C's atof reads it; 0 when there is none.
float leadingNumber(std::string_view text) {
    const std::string copy(text);
    return std::strtof(copy.c_str(), nullptr);
}

} // namespace

std::uint32_t clockSeed(const LocalDateTime& now) {
    const long long seconds = daysFromCivil(now.year, now.month, now.day) * 86400LL +
                              now.hour * 3600LL + now.minute * 60LL + now.second;
    return static_cast<std::uint32_t>(seconds);
}

Planner::Planner(std::filesystem::path workDir, UserDialogs& dialogs, const Clock& clock)
    : m_workDir(std::move(workDir))
    , m_dialogs(dialogs)
    , m_clock(clock)
    , m_random(clockSeed(clock.now())) {}

void Planner::prepare(const CommandLineSwitches& switches) {
    resetScenario(m_scenario);
    m_settings.recentFiles = {};
    m_settings.switches = switches;
    m_switches.summary = switches.summary;
    m_scenario.fonts = PrintFonts{};
    m_settings.windowWidth = kPreferenceWidth;
    m_settings.windowHeight = kPreferenceHeight;
    readPrefInfo(m_workDir, m_scenario, m_settings);
}

void Planner::openAtStart(const std::optional<std::string>& scenarioFile) {
    const bool openLast = readFinanceDat(m_workDir, m_scenario, m_settings);
    if (scenarioFile) {
        m_scenario.fileName = *scenarioFile;
        // A file the user named that is no readable file (a folder, a FIFO) is told, not
        // passed over in silence.
        if (!readFileBytes(*scenarioFile, 0)) {
            m_dialogs.error("Cannot open " + *scenarioFile, "FILE ERROR");
        }
    }
    if ((openLast || scenarioFile) && readScenario(m_scenario, m_settings, m_dialogs)) {
        run();
        sortEvents(m_scenario);
        m_scenarioLoaded = true;
        setLoadedTitle();
        return;
    }
    m_scenarioLoaded = false;
    m_title = std::string(kTitlePrefix) + kFailedReadName;
}

void Planner::setWindowPlacement(int x, int y, int width, int height) {
    m_settings.windowX = x;
    m_settings.windowY = y;
    m_settings.windowWidth = width;
    m_settings.windowHeight = height;
    m_settings.mainWindowWidth = width;
}

void Planner::finish(bool deleteTemporaryFilesToo) {
    if (const WriteResult written = writePrefInfo(m_workDir, m_scenario, m_settings); !written) {
        m_dialogs.error("Cannot save the preferences.\n" +
                            writeFailureText(m_workDir / kPrefFileName, written),
                        "FILE ERROR");
    }
    writeSettings();
    if (deleteTemporaryFilesToo) {
        deleteTemporaryFiles(m_workDir);
    }
}

bool Planner::writeSettings() {
    const WriteResult written = writeFinanceDat(m_workDir, m_scenario, m_settings);
    if (!written) {
        m_dialogs.error("Cannot save the recent files.\n" +
                            writeFailureText(m_workDir / kFinanceDatName, written),
                        "FILE ERROR");
    }
    return static_cast<bool>(written);
}

Answer Planner::askToSave() {
    // Only a change the user made sets the switch, so there is something to lose whenever it
    // is set, whatever file the scenario came from.
    if (!m_scenario.modified) {
        return Answer::Ok;
    }
    const Answer answer = m_dialogs.ask("Do you wish to save the file " + m_scenario.saveName + "?",
                                        "Tarvel Financial Planner", MessageIcon::Question,
                                        MessageButtons::YesNoCancel);
    if (answer == Answer::Yes && !save()) {
        return Answer::Cancel;
    }
    return answer;
}

std::optional<Page> Planner::openScenario(const std::string& path) {
    // Whatever comes of it, the views show a fresh run of what is then in memory.
    m_scenario.resultsStale = true;
    if (!canOpenForReadingAndWriting(path)) {
        m_title = "Financial Planner";
        return std::nullopt;
    }
    const std::string previous = m_scenario.fileName;
    m_scenario.fileName = path;
    if (!readScenario(m_scenario, m_settings, m_dialogs)) {
        m_scenarioLoaded = false;
        m_title = std::string(kTitlePrefix) + kFailedReadName;
        return Page::Summary;
    }
    m_scenarioLoaded = true;
    m_scenario.modified = false;
    setLoadedTitle();
    addRecentFile(m_settings.recentFiles, previous);
    return m_scenario.usedEventCount() == 0 ? Page::Summary : Page::Scenario;
}

std::optional<Page> Planner::openRecentFile(int index) {
    if (index < 0 || index >= kRecentFileCount) {
        return std::nullopt;
    }
    const std::string name = m_settings.recentFiles[static_cast<std::size_t>(index)];
    if (name.empty()) {
        return std::nullopt;
    }
    return openScenario(name);
}

bool Planner::load(const std::string& path) {
    // The reader fails silently on a file it cannot open, so that case is told here.
    if (!fileExists(path) || !readFileBytes(path, 0)) {
        m_dialogs.error("Cannot open " + path, "FILE ERROR");
        return false;
    }
    m_scenario.fileName = path;
    if (!readScenario(m_scenario, m_settings, m_dialogs)) {
        return false;
    }
    m_scenarioLoaded = true;
    m_scenario.resultsStale = true;
    setLoadedTitle();
    return true;
}

bool Planner::saveTo(const std::string& path) {
    m_scenario.fileName = path;
    m_scenario.saveName = path;
    if (!fileExists(path) && !createNewFile(path)) {
        m_dialogs.error("Cannot create " + path, "FILE ERROR");
        return false;
    }
    if (!writeScenario(m_scenario, m_settings, m_dialogs)) {
        m_dialogs.error("Cannot write " + path, "FILE ERROR");
        return false;
    }
    return true;
}

bool Planner::save() {
    if (!writeScenario(m_scenario, m_settings, m_dialogs)) {
        return false;
    }
    setLoadedTitle();
    return true;
}

bool Planner::saveAs(const std::string& path) {
    const std::string previous = m_scenario.fileName;
    m_scenario.fileName = path;
    if (!saveAsScenario(m_scenario, m_settings, m_dialogs)) {
        // Nothing was written under the new name, so the title and the next Save keep to the
        // file the scenario really is in.
        m_scenario.fileName = previous;
        return false;
    }
    m_scenarioLoaded = true;
    setLoadedTitle();
    addRecentFile(m_settings.recentFiles, previous);
    // The run's captions name the file.
    m_scenario.resultsStale = true;
    return true;
}

bool Planner::newScenarioByHand() {
    m_scenario.modified = false;
    m_scenario.liveEventCount = 0;
    resetScenario(m_scenario);
    emptyList();
    if (!writeShortScenario(m_scenario, m_settings, m_workDir, m_dialogs)) {
        return false;
    }
    m_scenarioLoaded = true;
    setLoadedTitle();

    clearAccountDependents(m_scenario);
    m_scenario.modified = true;
    m_scenario.resultsStale = true;
    return true;
}

bool Planner::saveAccounts(const std::string& path) {
    return writeAccountsFile(m_scenario, path, m_dialogs);
}

std::optional<Page> Planner::readAccounts(const std::string& path) {
    if (!readAccountsFile(m_scenario, path, m_dialogs)) {
        return std::nullopt;
    }
    m_scenario.resultsStale = true;
    return Page::Accounts;
}

std::optional<Page> Planner::reindexAccounts() {
    if (!finplan::reindexAccounts(m_scenario, m_dialogs)) {
        return std::nullopt;
    }
    m_scenario.resultsStale = true;
    return Page::Scenario;
}

bool Planner::run() {
    return runWith(RunOutputs::display(m_output.schedule));
}

bool Planner::runWith(const RunOutputs& outputs) {
    prepareRun(m_scenario, m_switches);
    if (m_fixedSeed) {
        m_random = RandomSource(*m_fixedSeed);
    }
    RunEnvironment environment{m_workDir, m_dialogs, m_clock, &m_random};
    RunOutputs withFlows = outputs;
    if (withFlows.accountFlows == nullptr) {
        withFlows.accountFlows = m_accountFlows.get();
    }
    if (runSimulation(m_scenario, m_output, m_switches, environment, withFlows) != 1) {
        return false;
    }
    m_hasResults = true;
    return true;
}

bool Planner::runIfStale() {
    return m_scenario.resultsStale ? run() : true;
}

bool Planner::runAgain() {
    m_output.graphKind = kNetWorthGraph;
    emptyPrintWorkFile();
    return run();
}

bool Planner::runWithRandomRates(bool accounts) {
    m_switches.randomAccountRates = accounts;
    m_switches.randomGroupRates = !accounts;
    emptyList();
    emptyPrintWorkFile();
    const bool ran = run();
    m_switches.randomAccountRates = false;
    m_switches.randomGroupRates = false;
    return ran;
}

bool Planner::runWithRandomAccountRates() {
    return runWithRandomRates(true);
}

bool Planner::runWithRandomGroupRates() {
    return runWithRandomRates(false);
}

bool Planner::toggleDetailedResults() {
    m_switches.detailedResults = !m_switches.detailedResults;
    emptyList();
    return run();
}

bool Planner::toggleAccountSummary() {
    m_switches.accountSummary = !m_switches.accountSummary;
    emptyList();
    return run();
}

bool Planner::saveResults(const std::string& path) {
    const bool saved = writeSchedule(path);
    emptyPrintWorkFile();
    return saved;
}

bool Planner::writeSchedule(const std::string& path) {
    std::ostringstream text;
    for (const std::string& line : buildScenarioList(m_scenario)) {
        text << line << '\n';
    }
    const bool saving = m_switches.saveRunInProgress;
    m_switches.saveRunInProgress = true;
    const bool ran = runWith({.scheduleFile = &text});
    m_switches.saveRunInProgress = saving;
    return ran && writeOutputFile(path, text.str(), "Cannot open " + path, m_dialogs);
}

bool Planner::exportResults(const std::string& path, ExportKind kind) {
    if (fileExists(path) && m_dialogs.ask(path + " exits - Overwrite anyway?", "FILE WARNING",
                                          MessageIcon::Stop) != Answer::Yes) {
        return false;
    }
    std::ostringstream text;
    ResultsExport table(text, kind);
    RunOutputs outputs = RunOutputs::display(m_output.schedule);
    outputs.exportTo = &table;
    return runWith(outputs) &&
           writeOutputFile(path, text.str(), "Cannot open export file", m_dialogs);
}

bool Planner::saveGraphs(const std::string& path) {
    return runIfStale() && finplan::saveGraphs(m_workDir, path, m_dialogs);
}

bool Planner::goToAge(std::string_view field) {
    const float age = leadingNumber(field.substr(0, kAgeFieldLength));
    if (!(age >= kLowestGoToAge && age <= kHighestGoToAge)) {
        m_dialogs.error("This age must be between 1.0 and 120.0.", "AGE ERROR");
        return false;
    }
    m_scrollMode = ScrollMode::ChosenAge;
    m_chosenAge = static_cast<int>(age);
    return true;
}

LineChoice Planner::chooseLine(int line) {
    const auto& lines = m_output.schedule.lines;
    if (line < 0 || line >= static_cast<int>(lines.size())) {
        return {};
    }
    const ScheduleLine& chosen = lines[static_cast<std::size_t>(line)];
    const std::string& text = chosen.text;
    if (!text.empty() && text[0] >= '0' && text[0] <= '9') {
        const int age = std::atoi(text.c_str());
        const int first = static_cast<int>(std::floor(m_scenario.header.startAge));
        const int last = static_cast<int>(std::floor(m_scenario.header.endAge));
        if (age >= first && age <= last) {
            m_scrollMode = ScrollMode::ChosenAge;
            m_chosenAge = age;
            return {LineChoice::Kind::TotalsLine, age};
        }
    }
    if (line < kMaxLineKinds && chosen.kind >= 0 && chosen.kind < kEventCapacity) {
        return {LineChoice::Kind::EventLine, chosen.kind};
    }
    return {};
}

int Planner::lineToShow() const {
    const int count = static_cast<int>(m_output.schedule.lines.size());
    if (count == 0) {
        return -1;
    }
    switch (m_scrollMode) {
    case ScrollMode::First:
        return 0;
    case ScrollMode::Last:
        return count - 1;
    case ScrollMode::ChosenAge:
        break;
    }
    if (m_chosenAge < static_cast<int>(std::floor(m_scenario.header.startAge))) {
        return 0;
    }
    if (m_chosenAge > static_cast<int>(std::floor(m_scenario.header.endAge)) ||
        m_chosenAge >= kAgeSlots) {
        return count - 1;
    }
    const int line = m_output.schedule.ageToLine[static_cast<std::size_t>(m_chosenAge)];
    return line < count ? line : count - 1;
}

std::vector<std::string> Planner::scenarioList() {
    return buildScenarioList(m_scenario);
}

bool Planner::mayAddEvent() {
    if (m_scenario.usedEventCount() < kMaxEvents) {
        return true;
    }
    m_dialogs.show({"Maximum number of events reached!", "Event Warning", MessageIcon::Exclamation,
                    MessageButtons::Ok});
    return false;
}

bool Planner::mayAddAccount() {
    if (m_scenario.accounts.usedCount() < kMaxAccounts) {
        return true;
    }
    m_dialogs.show({"Maximum number of accounts reached!", "Account Warning",
                    MessageIcon::Exclamation, MessageButtons::Ok});
    return false;
}

std::unique_ptr<EventEditor> Planner::addEvent(EditorKind kind) {
    if (!isAddable(kind) || !mayAddEvent()) {
        return nullptr;
    }
    return std::make_unique<EventEditor>(m_scenario, kind, EditTarget{}, m_clock, m_dialogs);
}

std::unique_ptr<EventEditor> Planner::editEvent(int index) {
    const auto kind = editorForEvent(m_scenario, index);
    if (!kind || !hasForm(*kind)) {
        return nullptr;
    }
    return std::make_unique<EventEditor>(m_scenario, *kind, EditTarget{index, false}, m_clock,
                                         m_dialogs);
}

std::unique_ptr<EventEditor> Planner::editListLine(int line) {
    if (line == 0) {
        return editInitialValues();
    }
    return editEvent(eventForLine(line));
}

std::unique_ptr<EventEditor> Planner::editInitialValues() {
    return std::make_unique<EventEditor>(m_scenario, EditorKind::InitialValues, EditTarget{},
                                         m_clock, m_dialogs);
}

std::unique_ptr<EventEditor> Planner::copyEvent(int index) {
    const auto kind = editorForEvent(m_scenario, index);
    if (!kind || !hasForm(*kind) || !mayCopyEvent(m_scenario, index) || !mayAddEvent()) {
        return nullptr;
    }
    return std::make_unique<EventEditor>(m_scenario, *kind, EditTarget{index, true}, m_clock,
                                         m_dialogs);
}

std::unique_ptr<EventEditor> Planner::copyListLine(int line) {
    return line == 0 ? nullptr : copyEvent(eventForLine(line));
}

bool Planner::deleteEvent(int index) {
    EditSession session(m_scenario);
    if (!deleteEventAt(m_scenario, index)) {
        return false;
    }
    session.commit("Delete Event");
    return true;
}

bool Planner::deleteListLine(int line) {
    const bool deleted = line != 0 && deleteEvent(eventForLine(line));
    if (!deleted) {
        // The list is rebuilt whatever was chosen.
        buildScenarioList(m_scenario);
    }
    return deleted;
}

int Planner::eventForLine(int line) const {
    return eventForListLine(m_scenario, line);
}

std::vector<std::string> Planner::recentFileItems() const {
    return recentFileMenuItems(m_settings.recentFiles);
}

void Planner::emptyList() {
    m_output.schedule.lines.clear();
    m_output.schedule.ageToLine.fill(0);
}

void Planner::emptyPrintWorkFile() {
    writeFileReplacing(m_workDir / kPrintWorkFile, std::string_view(), NewFileMode::OwnerOnly);
}

bool Planner::writePrintWorkFile() {
    std::ostringstream text;
    for (const std::string& line : buildScenarioList(m_scenario)) {
        text << line << '\n';
    }
    if (!runWith({.scheduleFile = &text})) {
        return false;
    }
    const std::filesystem::path path = m_workDir / kPrintWorkFile;
    const WriteResult written = writeFileReplacing(path, text.str(), NewFileMode::OwnerOnly);
    if (!written) {
        m_dialogs.error("Cannot open temporary print file\n" + writeFailureText(path, written),
                        "FILE ERROR");
    }
    return static_cast<bool>(written);
}

void Planner::setLoadedTitle() {
    m_title = kTitlePrefix + m_scenario.fileName;
}

} // namespace finplan
