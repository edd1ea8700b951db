#include "engine/random_draws.h"
#include "engine_fixture.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

namespace finplan {
namespace {

namespace fs = std::filesystem;

// How a case runs, from the words of its run.txt: detailed, accounts, summary, save,
// random-accounts, random-groups, seed=N, today=YYYY-MM-DDTHH:MM:SS, zoom=FIRST..LAST.
struct CaseRun {
    RunSwitches switches;
    std::optional<std::uint32_t> seed;
    LocalDateTime today{2026, 12, 6, 9, 30, 5};
};

CaseRun readRun(const std::string& text) {
    CaseRun how;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        const std::size_t eq = word.find('=');
        const std::string key = word.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : word.substr(eq + 1);
        RunSwitches& s = how.switches;
        if (key == "detailed" || key == "accounts" || key == "summary" || key == "save" ||
            key == "random-accounts" || key == "random-groups") {
            bool& flag = key == "detailed"          ? s.detailedResults
                         : key == "accounts"        ? s.accountSummary
                         : key == "summary"         ? s.summary
                         : key == "save"            ? s.saveRunInProgress
                         : key == "random-accounts" ? s.randomAccountRates
                                                    : s.randomGroupRates;
            flag = true;
        } else if (key == "seed") {
            how.seed = static_cast<std::uint32_t>(std::stoul(value));
        } else if (key == "today") {
            LocalDateTime& t = how.today;
            EXPECT_EQ(std::sscanf(value.c_str(), "%d-%d-%dT%d:%d:%d", &t.year, &t.month, &t.day,
                                  &t.hour, &t.minute, &t.second),
                      6)
                << word;
        } else if (key == "zoom") {
            s.plotZoom = {true, std::stoi(value), std::stoi(value.substr(value.find("..") + 2))};
        } else {
            ADD_FAILURE() << "unknown run word " << word;
        }
    }
    return how;
}

// The first line where the expected text and the program's differ.
void expectSameLines(const fs::path& expectedFile, const std::string& actual) {
    const std::vector<std::string> want = test::linesOf(test::readText(expectedFile));
    const std::vector<std::string> got = test::linesOf(actual);
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
        if (i >= want.size() || i >= got.size() || want[i] != got[i]) {
            ADD_FAILURE() << expectedFile.filename().string() << " line " << i + 1
                          << "\n  expected: " << (i < want.size() ? want[i] : "(no more lines)")
                          << "\n  actual:   " << (i < got.size() ? got[i] : "(no more lines)");
            return;
        }
    }
    if (actual != test::readText(expectedFile)) {
        ADD_FAILURE() << expectedFile.filename().string() << ": same lines, other line ends";
    }
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + '\n';
    }
    return text;
}

// Runs one case directory as the results page runs it (list, run files, plot file, and the
// export the case holds), and once more as saved results when the case holds those.
void runCase(const fs::path& dir) {
    const CaseRun how = readRun(test::readText(dir / "run.txt"));
    const std::string scenarioText = test::readText(dir / "scenario.txt");
    test::EngineFixture r;
    r.add(scenarioText);
    r.switches = how.switches;
    r.clock = FixedClock(how.today);
    RandomSource random(how.seed.value_or(1));
    r.environment.random = how.seed ? &random : nullptr;
    if (how.switches.randomAccountRates) {
        resetAccountRateStats(r.scenario);
    }
    std::ostringstream exported;
    std::optional<ResultsExport> table;
    if (fs::exists(dir / "export.tab")) {
        table.emplace(exported, ExportKind::Tab);
    } else if (fs::exists(dir / "export.csv")) {
        table.emplace(exported, ExportKind::Comma);
    }
    RunOutputs outputs = RunOutputs::display(r.output.schedule);
    outputs.exportTo = table ? &*table : nullptr;
    deriveTotals(r.scenario);
    ASSERT_EQ(runSimulation(r.scenario, r.output, r.switches, r.environment, outputs), 1);

    expectSameLines(dir / "schedule.txt", joined(r.shownLines()));
    // The run files keep their names with .txt for .tmp.
    for (const std::string name : {"infile", "outfile", "bigfile", "plotinf01"}) {
        if (fs::exists(dir / (name + ".txt"))) {
            expectSameLines(dir / (name + ".txt"), test::readText(r.dir / (name + ".tmp")));
        }
    }
    for (const char* name : {"export.tab", "export.csv"}) {
        if (fs::exists(dir / name)) {
            expectSameLines(dir / name, exported.str());
        }
    }
    if (fs::exists(dir / "saved.txt")) {
        test::EngineFixture again;
        again.add(scenarioText);
        again.switches = how.switches;
        again.switches.saveRunInProgress = true;
        std::ostringstream file;
        ASSERT_EQ(again.deriveAndRunTo(file), 1);
        expectSameLines(dir / "saved.txt", file.str());
    }
}

// Every directory under tests/data/engine is a case: scenario.txt in the lines of the
// scenario builder, run.txt, and the texts the run must give, compared line by line. The
// expected texts are worked out independently by derive_expected.py beside them.
TEST(KnownAnswers, EveryCaseGivesItsExpectedTexts) {
    const char* source = std::getenv("FINPLAN_SOURCE_DIR");
    ASSERT_NE(source, nullptr) << "FINPLAN_SOURCE_DIR must name the source tree";
    std::vector<fs::path> cases;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(fs::path(source) / "tests" / "data" / "engine")) {
        if (entry.is_directory()) {
            cases.push_back(entry.path());
        }
    }
    std::sort(cases.begin(), cases.end());
    for (const fs::path& dir : cases) {
        SCOPED_TRACE(dir.filename().string());
        runCase(dir);
    }
    EXPECT_GE(cases.size(), 12u);
}

} // namespace
} // namespace finplan
