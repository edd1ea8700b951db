#include "cli_cases.h"
#include "cli_test_support.h"
#include "model/scenario_image.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>

namespace finplan::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kToday = "2026-12-06";

std::string samplePath() {
    return testData("../../examples/sample.RET").string();
}

std::string withTabs(std::string text) {
    for (std::size_t at = text.find("\\t"); at != std::string::npos; at = text.find("\\t", at)) {
        text.replace(at, 2, "\t");
    }
    return text;
}

// The data lines of a known-answer file, split at "|".
std::vector<std::vector<std::string>> knownRows(const std::string& name) {
    std::ifstream in(testData("reports/sample/" + name));
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() != '#') {
            auto parts = partsOf(line, '|');
            // A line whose text is empty ends at its last "|".
            if (line.back() == '|') {
                parts.emplace_back();
            }
            rows.push_back(parts);
        }
    }
    return rows;
}

CliRun report(const fs::path& dir, const std::string& scenario, std::vector<std::string> more) {
    std::vector<std::string> words = {"report", scenario};
    words.insert(words.end(), more.begin(), more.end());
    for (const char* word : {"--workdir", "", "--today", kToday, "--seed", "7"}) {
        words.emplace_back(word);
    }
    words[words.size() - 5] = dir.string();
    return runCliWith(words);
}

std::vector<std::string> fileLines(const fs::path& path) {
    return partsOf(readText(path), '\n');
}

// The runs and answers of tests/data/cli/report_runs.txt.
void run(const std::string& word, const TempDir& dir) {
    runCliCases("cli/report_runs.txt", word, dir.path());
}

TEST(CliReport, TheSampleGivesTheWorkedLines) {
    const auto rows = knownRows("known_lines.txt");
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 4u);
        TempDir dir;
        const CliRun run = report(dir.path(), samplePath(), {row[0]});
        ASSERT_EQ(run.code, 0) << row[0] << ": " << run.err;
        const auto lines = fileLines(dir / row[1]);
        const std::size_t number = static_cast<std::size_t>(std::stoi(row[2]));
        ASSERT_GE(lines.size(), number) << row[0];
        EXPECT_EQ(lines[number - 1], withTabs(row[3])) << row[0] << " " << row[1] << ":" << row[2];
    }
}

TEST(CliReport, TheSamplesYearlyReportsListFortySevenYears) {
    for (const auto& row : knownRows("row_ages.txt")) {
        TempDir dir;
        const CliRun run = report(dir.path(), samplePath(), {row[0]});
        ASSERT_EQ(run.code, 0) << run.err;
        std::vector<std::string> ages;
        for (const auto& file : partsOf(run.out, '\n')) {
            for (const auto& line : fileLines(dir / file)) {
                if (!line.empty() && line[1] >= '0' && line[1] <= '9') {
                    ages.push_back(line.substr(0, line.find('\t')));
                }
            }
        }
        ASSERT_EQ(ages.size(), static_cast<std::size_t>(std::stoi(row[1]))) << row[0];
        EXPECT_EQ(ages.front(), " " + row[2]);
        EXPECT_EQ(ages.back(), " " + row[3]);
    }
}

// Sums per account of the run's outgoing file at one age, in single precision as read.
std::map<std::string, float> outgoingAt(const fs::path& file, const std::string& age) {
    std::map<std::string, float> sums;
    for (const auto& line : fileLines(file)) {
        const auto parts = partsOf(line, '\t');
        if (parts.size() == 3 && parts[0] == age) {
            sums[parts[1]] += std::strtof(parts[2].c_str(), nullptr);
        }
    }
    return sums;
}

TEST(CliReport, TheAccountFlowRowsAddWhatTheRunFilesShow) {
    TempDir dir;
    const CliRun run = report(dir.path(), samplePath(), {"8"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto header = partsOf(fileLines(dir / "rpage1")[0], '\t');
    for (const char* age : {" 45.0", " 50.0", " 68.0"}) {
        const auto sums = outgoingAt(dir / "outfile.tmp", age);
        std::string row;
        for (const auto& line : fileLines(dir / "rpage1")) {
            if (line.starts_with(std::string(age) + "-O")) {
                row = line;
            }
        }
        const auto cells = partsOf(row, '\t');
        ASSERT_EQ(cells.size(), header.size()) << age;
        float total = 0.0f;
        for (std::size_t c = 1; c + 1 < header.size(); ++c) {
            const float sum = sums.contains(header[c]) ? sums.at(header[c]) : 0.0f;
            char text[32];
            std::snprintf(text, sizeof text, "%13.2f", static_cast<double>(sum));
            EXPECT_EQ(cells[c], text) << age << " " << header[c];
            total += sum;
        }
        char text[32];
        std::snprintf(text, sizeof text, "%13.2f", static_cast<double>(total));
        EXPECT_EQ(cells.back(), text) << age;
    }
}

TEST(CliReport, TheSelectedAgeAndTheScreenPage) {
    TempDir dir;
    run("selected", dir);
    EXPECT_EQ(fileLines(dir / "spage1")[1].substr(0, 5), " 45.0");
}

TEST(CliReport, AccountsOfOneNameKeepTheirOwnFlows) {
    TempDir dir;
    const Scenario scenario = makeScenario(
        test::textBlock("cli/report_command_scenarios.txt", "AccountsOfOneNameKeepTheirOwnFlows"));
    const std::string path = (dir / "twins.RET").string();
    writeAll(path, encodeScenarioImage(scenario));
    const CliRun flow = report(dir.path(), path, {"account-flow"});
    ASSERT_EQ(flow.code, 0) << flow.err;
    const auto lines = fileLines(dir / "rpage1");
    EXPECT_EQ(lines[0], "Age\tTwin\tTwin\tTotal");
    EXPECT_EQ(lines[3], " 60.0-I\t       100.00\t       200.00\t       300.00");
    run("twins", dir);
}

TEST(CliReport, AFiftyAccountPlanWritesEveryReport) {
    TempDir dir;
    // 50 accounts in 10 named groups and 149 events: deposits into and withdrawals from each.
    const Scenario scenario = makeScenario(
        test::textBlock("cli/report_command_scenarios.txt", "AFiftyAccountPlanWritesEveryReport"));
    ASSERT_EQ(scenario.usedEventCount(), 149);
    ASSERT_EQ(scenario.accounts.usedCount(), 50);
    const std::string path = (dir / "large.RET").string();
    writeAll(path, encodeScenarioImage(scenario));
    run("large", dir);
    // The events reports: sections of seven of the columns the work file names, two pages
    // each; the columns counted here from the run's event log as written.
    for (const auto& [kind, code] : {std::pair{"incoming-events", "2"}, {"outgoing-events", "6"}}) {
        const CliRun run = report(dir.path(), path, {kind});
        ASSERT_EQ(run.code, 0) << run.err;
        std::vector<std::pair<std::string, std::string>> seen;
        for (const auto& line : fileLines(dir / "tmpfile.tmp")) {
            const auto parts = partsOf(line, '\t');
            if (parts.size() == 4 &&
                std::find(seen.begin(), seen.end(), std::pair{parts[1], parts[2]}) == seen.end() &&
                seen.size() < 50) {
                seen.emplace_back(parts[1], parts[2]);
            }
        }
        const auto columns = std::count_if(
            seen.begin(), seen.end(), [&](const auto& column) { return column.second == code; });
        EXPECT_EQ(static_cast<long>(partsOf(run.out, '\n').size()), 2 * ((columns + 6) / 7))
            << kind;
    }
    const CliRun schedule = runCliWith(
        {"print-schedule", path, "--workdir", dir.path().string(), "--today", kToday, "--summary"});
    ASSERT_EQ(schedule.code, 0) << schedule.err;
    EXPECT_TRUE(partsOf(schedule.out, '\n').size() > 49);
    EXPECT_TRUE(readText(dir / "page1").starts_with("          Financial Scenario:\n"));
}

// Each word in a fresh directory that holds a plain file and two budget sheets, one with an
// item and one without.
TEST(CliReport, ExitStatusesThePrintedScheduleAndTables) {
    for (const char* word : {"status", "schedule", "table"}) {
        TempDir dir;
        writeText(dir / "plain", "a file, not a folder");
        writeText(dir / "budget.txt", "1\nFood\n 60\n 62\nFood\t100.0\t1\t0\t0.0\nDooone");
        writeText(dir / "empty.txt", "31\nFood\n 60\n 62\nDooone");
        run(word, dir);
    }
}

} // namespace
} // namespace finplan::test
