// Numbers keep their decimal point under a comma-decimal locale: the schedule, the plot file
// and a graph made under de_DE.UTF-8, with the graph's Qt application started under it, are
// byte for byte those made under "C". Qt adopts the environment's locale only when the first
// application object of a process starts, so this test has a program of its own.
#include "cli_test_support.h"
#include "support/case_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace finplan::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCommaLocale = "de_DE.UTF-8";

// Sets LC_ALL in the environment and the process; gives both back at the end.
class LocaleEnvironment {
public:
    LocaleEnvironment() {
        if (const char* value = std::getenv("LC_ALL")) {
            m_saved = value;
        }
    }
    ~LocaleEnvironment() {
        if (m_saved) {
            setenv("LC_ALL", m_saved->c_str(), 1);
        } else {
            unsetenv("LC_ALL");
        }
        std::setlocale(LC_ALL, "C");
    }
    LocaleEnvironment(const LocaleEnvironment&) = delete;
    LocaleEnvironment& operator=(const LocaleEnvironment&) = delete;

    // False when the locale is not installed.
    static bool use(const char* name) {
        setenv("LC_ALL", name, 1);
        return std::setlocale(LC_ALL, "") != nullptr;
    }

private:
    std::optional<std::string> m_saved;
};

std::string printed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// The first line in which two texts differ, for a short failure message.
std::string firstDifference(const std::string& a, const std::string& b) {
    std::size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) {
        ++at;
    }
    const std::size_t start = a.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t from = start == std::string::npos ? 0 : start + 1;
    return a.substr(from, a.find('\n', at) - from) + " | " +
           b.substr(from, b.find('\n', at) - from);
}

struct Rendered {
    std::string schedule;
    std::string plotFile;
    std::string png;
};

// The sample's detailed schedule, its plot file and, where there is drawing, the breakdown of
// age 70, whose shares are printed with two decimals.
Rendered renderSample(const fs::path& sample, const fs::path& dir) {
    fs::create_directories(dir);
    const CliRun run = runCliWith(
        {"run", sample.string(), "--workdir", dir.string(), "--today", "2026-03-04", "--detailed"});
    EXPECT_EQ(run.code, 0) << run.err;
    Rendered rendered{run.out, readText(dir / "plotinf01.tmp"), {}};
#ifdef FINPLAN_CLI_GRAPHS
    const fs::path png = dir / "pie.png";
    const CliRun graph =
        runCliWith({"graph", sample.string(), "--workdir", dir.string(), "--today",
                    "2026-03-04T10:11:12", "--kind", "6", "--year", "70", "--png", png.string()});
    EXPECT_EQ(graph.code, 0) << graph.err;
    rendered.png = readText(png);
#endif
    return rendered;
}

TEST(NumericLocale, CommaLocaleChangesNoScheduleLinePlotFileOrGraph) {
    const fs::path sample = testData("../../examples/sample.RET");
    TempDir dir;
    const LocaleEnvironment restore;

    ASSERT_TRUE(LocaleEnvironment::use(kCommaLocale))
        << "the " << kCommaLocale << " locale is not installed; scripts/install-deps generates "
        << "it (locale-gen or localedef -i de_DE -f UTF-8 de_DE.UTF-8)";
    // Without a comma here the comparison below would prove nothing.
    ASSERT_EQ(printed(45.0), "45,0");
    const Rendered german = renderSample(sample, dir / "de");

    ASSERT_TRUE(LocaleEnvironment::use("C"));
    const Rendered plain = renderSample(sample, dir / "c");
    ASSERT_NE(plain.schedule.find("\n45.0 \t"), std::string::npos) << plain.schedule;

    EXPECT_TRUE(german.schedule == plain.schedule)
        << "de_DE | C: " << firstDifference(german.schedule, plain.schedule);
    EXPECT_TRUE(german.plotFile == plain.plotFile)
        << "de_DE | C: " << firstDifference(german.plotFile, plain.plotFile);
    EXPECT_TRUE(german.png == plain.png) << "the graphs differ";
#ifdef FINPLAN_CLI_GRAPHS
    EXPECT_FALSE(plain.png.empty());
#endif
}

} // namespace
} // namespace finplan::test
