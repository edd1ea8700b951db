#include "cli_test_support.h"
#include "model/app_settings.h"
#include "model/scenario_file.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace finplan::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kToday = "2026-12-06";

fs::path sourceDir() {
    const char* source = std::getenv("FINPLAN_SOURCE_DIR");
    return fs::path(source != nullptr ? source : ".");
}

std::string samplePath() {
    return (sourceDir() / "examples" / "sample.RET").string();
}

std::vector<std::string> splitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

std::string withTabs(std::string text) {
    for (std::size_t at = text.find("\\t"); at != std::string::npos; at = text.find("\\t", at)) {
        text.replace(at, 2, "\t");
    }
    return text;
}

// The data lines of a known-answer file, split at "|".
std::vector<std::vector<std::string>> knownRows(const std::string& name) {
    std::ifstream in(sourceDir() / "tests" / "data" / "reports" / "sample" / name);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() != '#') {
            auto parts = splitAt(line, '|');
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
    return splitAt(readText(path), '\n');
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
        for (const auto& file : splitAt(run.out, '\n')) {
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
        const auto parts = splitAt(line, '\t');
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
    const auto header = splitAt(fileLines(dir / "rpage1")[0], '\t');
    for (const char* age : {" 45.0", " 50.0", " 68.0"}) {
        const auto sums = outgoingAt(dir / "outfile.tmp", age);
        std::string row;
        for (const auto& line : fileLines(dir / "rpage1")) {
            if (line.starts_with(std::string(age) + "-O")) {
                row = line;
            }
        }
        const auto cells = splitAt(row, '\t');
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
    const CliRun out =
        report(dir.path(), samplePath(), {"selected-age", "--age", "45", "--outgoing"});
    ASSERT_EQ(out.code, 0) << out.err;
    EXPECT_EQ(out.out, "rpage1\nrpage2\n");
    const auto byKind = fileLines(dir / "rpage1");
    EXPECT_EQ(byKind[0], "Accounts\tOutgoing");
    EXPECT_EQ(byKind[2], "Car\t      1800.00");
    EXPECT_NE(readText(dir / "rpage1")
                  .find("\tSub Total -- Investment Savings Accounts\t     73085.63\n"),
              std::string::npos);
    EXPECT_TRUE(readText(dir / "rpage1").ends_with("\tTotal\t     74885.63\nDooone\n"));
    EXPECT_TRUE(readText(dir / "rpage2").ends_with("\tTotal\t     74885.63\nDooone\n"));

    const CliRun screen = report(dir.path(), samplePath(), {"networth", "--screen"});
    ASSERT_EQ(screen.code, 0) << screen.err;
    EXPECT_EQ(screen.out, "spage1\n");
    EXPECT_EQ(fileLines(dir / "spage1")[1].substr(0, 5), " 45.0");
}

TEST(CliReport, ExitStatusesOfBadWordsMissingFilesAndNothingToReport) {
    TempDir dir;
    struct Case {
        std::vector<std::string> words;
        int code;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"payroll"}, 1, "finplan-cli: unknown report \"payroll\"\n"},
        {{"9"}, 1, "finplan-cli: unknown report \"9\"\n"},
        {{"selected-age"}, 1, "finplan-cli: selected-age needs --age\n"},
        {{"networth", "--age", "50"},
         1,
         "finplan-cli: --age and --outgoing belong to selected-age\n"},
        {{"selected-age", "--age", "old"}, 1, "finplan-cli: --age takes an age from 0 to 119\n"},
        {{"selected-age", "--age", "30"}, 4, "finplan-cli: nothing to report\n"},
        {{"selected-age", "--age", "30", "--screen"},
         1,
         "finplan-cli: selected-age has print pages only\n"},
    };
    for (const Case& c : cases) {
        const CliRun run = report(dir.path(), samplePath(), c.words);
        EXPECT_EQ(run.code, c.code) << c.words[0];
        EXPECT_EQ(run.err, c.err) << c.words[0];
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(report(dir.path(), (dir / "none.RET").string(), {"networth"}).code, 2);
    writeText(dir / "plain", "a file, not a folder");
    EXPECT_EQ(report(dir / "plain" / "work", samplePath(), {"networth"}).code, 3);
    const CliRun usage = runCliWith({"report", samplePath()});
    EXPECT_EQ(usage.code, 1);
}

TEST(CliReport, AccountsOfOneNameKeepTheirOwnFlows) {
    TempDir dir;
    Scenario scenario = makeScenario(R"(
        header start=60 end=63 tax=0 inflation=0
        account name=Twin kind=taxfree amount=1000 rate=10 order=A
        account name=Twin kind=investment amount=2000 rate=10 order=B
    )");
    const std::string path = (dir / "twins.RET").string();
    writeText(path, "");
    scenario.saveName = path;
    ScriptedDialogs dialogs;
    ASSERT_TRUE(writeScenario(scenario, AppSettings{}, dialogs));
    const CliRun run = report(dir.path(), path, {"account-flow"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = fileLines(dir / "rpage1");
    EXPECT_EQ(lines[0], "Age\tTwin\tTwin\tTotal");
    EXPECT_EQ(lines[3], " 60.0-I\t       100.00\t       200.00\t       300.00");
    const CliRun age = report(dir.path(), path, {"selected-age", "--age", "60"});
    ASSERT_EQ(age.code, 0) << age.err;
    EXPECT_EQ(readText(dir / "rpage1"),
              "Accounts\tIncoming\n------------------------------\n"
              "Twin\t       200.00\n\tSub Total -- Investment Savings Accounts\t       200.00\n"
              "Twin\t       100.00\n\tSub Total -- Tax Free Savings Accounts\t       100.00\n"
              "\tTotal\t       300.00\nDooone\n");
}

// 50 accounts in 10 named groups and 149 events: deposits into and withdrawals from each.
Scenario largeScenario() {
    std::string lines = "header start=40 end=95 tax=20 inflation=2\n";
    for (int g = 0; g < 10; ++g) {
        lines += "group index=" + std::to_string(g) + " name=Group" + std::to_string(g) + "\n";
    }
    const char* kinds[] = {"investment", "taxfree", "retirement", "asset", "equity"};
    for (int a = 0; a < 50; ++a) {
        lines += "account name=Account" + std::to_string(a) + " kind=" + kinds[a % 5] +
                 " amount=" + std::to_string(10000 + 100 * a) +
                 " rate=4 order=" + std::to_string(10 + a) + " group=" + std::to_string(a % 10) +
                 "\n";
    }
    for (int e = 0; e < 149; ++e) {
        const std::string account = "Account" + std::to_string((e * 7) % 50);
        const std::string start = std::to_string(40 + e % 50);
        lines += e % 2 == 0 ? "deposit name=Deposit" + std::to_string(e) + " start=" + start +
                                  " end=90 amount=1000 to=" + account + "\n"
                            : "withdrawal name=Withdrawal" + std::to_string(e) + " start=" + start +
                                  " end=90 amount=500 from=" + account + "\n";
    }
    return makeScenario(lines);
}

TEST(CliReport, AFiftyAccountPlanWritesEveryReport) {
    TempDir dir;
    Scenario scenario = largeScenario();
    ASSERT_EQ(scenario.usedEventCount(), 149);
    ASSERT_EQ(scenario.accounts.usedCount(), 50);
    const std::string path = (dir / "large.RET").string();
    writeText(path, "");
    scenario.saveName = path;
    ScriptedDialogs dialogs;
    ASSERT_TRUE(writeScenario(scenario, AppSettings{}, dialogs));
    struct Case {
        std::vector<std::string> words;
        int pages;
    };
    // 55 years: 54 rows, two pages for each section of accounts and groups.
    const std::vector<Case> cases = {
        {{"networth"}, 2},      {{"incoming"}, 2},
        {{"outgoing"}, 2},      {{"accounts"}, 10},
        {{"groups"}, 2},        {{"accounts", "--screen"}, 1},
        {{"account-flow"}, 15}, {{"selected-age", "--age", "60"}, 2},
    };
    for (const Case& c : cases) {
        const CliRun run = report(dir.path(), path, c.words);
        ASSERT_EQ(run.code, 0) << c.words[0] << ": " << run.err;
        EXPECT_EQ(splitAt(run.out, '\n').size(), static_cast<std::size_t>(c.pages)) << c.words[0];
    }
    // The events reports: sections of seven of the columns the work file names, two pages
    // each; the columns counted here from the run's event log as written.
    for (const auto& [kind, code] : {std::pair{"incoming-events", "2"}, {"outgoing-events", "6"}}) {
        const CliRun run = report(dir.path(), path, {kind});
        ASSERT_EQ(run.code, 0) << run.err;
        std::vector<std::pair<std::string, std::string>> seen;
        for (const auto& line : fileLines(dir / "tmpfile.tmp")) {
            const auto parts = splitAt(line, '\t');
            if (parts.size() == 4 &&
                std::find(seen.begin(), seen.end(), std::pair{parts[1], parts[2]}) == seen.end() &&
                seen.size() < 50) {
                seen.emplace_back(parts[1], parts[2]);
            }
        }
        const auto columns = std::count_if(
            seen.begin(), seen.end(), [&](const auto& column) { return column.second == code; });
        EXPECT_EQ(static_cast<long>(splitAt(run.out, '\n').size()), 2 * ((columns + 6) / 7))
            << kind;
    }
    const CliRun schedule = runCliWith(
        {"print-schedule", path, "--workdir", dir.path().string(), "--today", kToday, "--summary"});
    ASSERT_EQ(schedule.code, 0) << schedule.err;
    EXPECT_TRUE(splitAt(schedule.out, '\n').size() > 49);
    EXPECT_TRUE(readText(dir / "page1").starts_with("          Financial Scenario:\n"));
}

TEST(CliPrintSchedule, WritesThePrintWorkFileAndItsPages) {
    TempDir dir;
    const CliRun run = runCliWith(
        {"print-schedule", samplePath(), "--workdir", dir.path().string(), "--today", kToday});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("page1\npage2\n"));
    const std::string work = readText(dir / "ptmpsch.dat");
    EXPECT_NE(work.find(std::string(184, '-') + "\n45.0 \t"), std::string::npos);
    const std::string page2 = readText(dir / "page2");
    EXPECT_TRUE(page2.starts_with("?BO\n"));
    EXPECT_NE(page2.find("\n          45.0 \t     $85,000.00\t"), std::string::npos);
    EXPECT_TRUE(page2.ends_with("Dooooone\n"));
}

TEST(CliPrintTable, WritesTheTablesPagesOrSaysWhyNot) {
    TempDir dir;
    writeText(dir / "budget.txt", "1\nFood\n 60\n 62\nFood\t100.0\t1\t0\t0.0\nDooone");
    writeText(dir / "empty.txt", "31\nFood\n 60\n 62\nDooone");
    struct Case {
        std::vector<std::string> words;
        int code;
        std::string out;
    };
    const std::string work = dir.path().string();
    const std::vector<Case> cases = {
        {{"budget", (dir / "budget.txt").string(), "--title", "Food"}, 0, "rpage1\n"},
        {{"budget", (dir / "empty.txt").string()}, 4, ""},
        {{"mortgage", (dir / "none.txt").string()}, 2, ""},
        {{"ledger", (dir / "budget.txt").string()}, 1, ""},
        {{"budget", (dir / "budget.txt").string(), "--title", ""}, 1, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words = {"print-table"};
        words.insert(words.end(), c.words.begin(), c.words.end());
        words.insert(words.end(), {"--workdir", work});
        const CliRun run = runCliWith(words);
        EXPECT_EQ(run.code, c.code) << c.words[0] << " " << run.err;
        EXPECT_EQ(run.out, c.out);
    }
    EXPECT_EQ(readText(dir / "rpage1"), "Age\tFood\tTotal\t\n-----------------------\n"
                                        " 60.0\t      1200.00\t      1200.00\t\n"
                                        " 61.0\t      1200.00\t      1200.00\t\n"
                                        " 62.0\t      1200.00\t      1200.00\t\nDooone\n");
}

} // namespace
} // namespace finplan::test
