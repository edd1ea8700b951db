#include "cli_test_support.h"
#include "model/app_settings.h"
#include "model/scenario_file.h"
#include "model/scenario_image.h"
#include "model/text_field.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace finplan::test {
namespace {

namespace fs = std::filesystem;

fs::path dataDir() {
    return testData("calculators");
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        result.push_back(word);
    }
    return result;
}

std::string unescaped(std::string text) {
    for (std::size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at)) {
        text.replace(at, 2, "\n");
    }
    return text;
}

CliRun calc(std::vector<std::string> args) {
    args.insert(args.begin(), "calc");
    return runCliWith(args);
}

TEST(CalcCommand, WorkedNumbers) {
    std::ifstream table(dataDir() / "worked_numbers.tsv");
    ASSERT_TRUE(table) << "FINPLAN_SOURCE_DIR must name the source tree";
    int rows = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        std::string command = line.substr(0, tab);
        for (auto at = command.find("@DATA"); at != std::string::npos; at = command.find("@DATA")) {
            command.replace(at, 5, dataDir().string());
        }
        const std::string expected = unescaped(line.substr(tab + 1));
        const CliRun run = calc(words(command));
        if (expected.front() == '!') {
            EXPECT_EQ(run.code, 4) << command;
            EXPECT_EQ(run.err, expected.substr(1) + "\n") << command;
            EXPECT_EQ(run.out, "") << command;
        } else {
            EXPECT_EQ(run.code, 0) << command << "\n" << run.err;
            EXPECT_NE(("\n" + run.out).find("\n" + expected + "\n"), std::string::npos)
                << command << "\n"
                << run.out;
        }
        ++rows;
    }
    EXPECT_EQ(rows, 33);
}

TEST(CalcCommand, LinesComeInTheirOrderAndEmptyFieldsEndAtTheColon) {
    const CliRun run = calc({"tradeoff", (dataDir() / "tradeoff" / "tradeinf.dat").string()});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "name-1: Buy\n"
                       "end-amount-1: 1000.00\n"
                       "name-2: Nothing\n"
                       "end-amount-2: 0.00\n"
                       "name-3:\n"
                       "end-amount-3: 0.00\n"
                       "difference-1-2: 1000.00\n"
                       "difference-2-3: 0.00\n"
                       "difference-1-3: 1000.00\n");
    EXPECT_EQ(run.err, "");

    const CliRun refinance =
        calc({"refinance", "--start-age",     "40",  "--amount",        "100000", "--rate",
              "6",         "--years",         "30",  "--refinance-age", "45",     "--new-rate",
              "6",         "--new-years",     "30",  "--tax-rate",      "25",     "--savings-rate",
              "0",         "--closing-costs", "3000"});
    ASSERT_EQ(refinance.code, 0) << refinance.err;
    // The closing costs kept by the existing course are never caught up with.
    EXPECT_EQ(refinance.out, "existing-payment: $599.55\n"
                             "refinanced-amount: 93054.34\n"
                             "refinanced-payment: $557.91\n"
                             "refinanced-amount-after-costs: $93,054.34\n"
                             "total-mortgage-costs: $3,000.00\n"
                             "months-to-break-even: Never\n"
                             "months-compared: 360\n");
}

TEST(CalcCommand, MisuseExitsOne) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"abacus"},
        {"inflation", "--start-age", "40", "--end-age", "50", "--rate", "3"},
        {"inflation", "--start-age", "40", "--end-age", "50", "--rate", "3", "--amount", "1",
         "--down", "5"},
        {"mortgage", "--amount", "1000", "--rate", "6", "--years", "5", "--sell-age", "50"},
        {"mortgage", "--amount", "1000", "--rate", "6", "--years", "5", "--schedule", "x",
         "--extra-mode", "3"},
        {"mortgage", "--amount", "1000", "--rate", "6", "--years", "5", "--event", "0"},
        {"card-payoff", "--balance", "1", "--rate", "1", "--payment", "1", "extra.txt"},
        {"tradeoff", "a.dat", "b.dat"},
        {"tradeoff", "--use-tax-rate", "--no-tax-rate"},
        {"tradeoff", "--periods", "ten"},
        {"refinance", "--create", "out.RET"},
    };
    for (const auto& args : cases) {
        const CliRun run = calc(args);
        EXPECT_EQ(run.code, 1) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(run.err.rfind("finplan-cli: ", 0), 0u) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(CalcCommand, FilesAreWrittenExactlyAndReplacedOnlyWithYes) {
    const TempDir dir;
    const std::string plot = (dir / "trade.tmp").string();
    const std::string save = (dir / "saved.dat").string();
    const std::string input = (dataDir() / "tradeoff" / "tradeinf.dat").string();
    const CliRun run = calc({"tradeoff", input, "--periods", "3", "--plot", plot, "--save", save});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(readText(plot), "1\nDummy\nDummy\nDummy\n5.000000\n2\nBuy\nNothing\n"
                              "0.0\n0.0\n0.000000 -1000.000000 0.000000 \n"
                              "0.0\n0.0\n1.000000 -800.000000 0.000000 \n"
                              "0.0\n0.0\n2.000000 -600.000000 0.000000 \n"
                              "0.0\n0.0\n3.000000 -400.000000 0.000000 \n"
                              "0.0\n0.0\n4.000000 -200.000000 0.000000 \n"
                              "Done\nDone\n");
    std::string saved = readText(input);
    saved.replace(saved.find("10.000000"), 9, "3.000000"); // the periods given
    EXPECT_EQ(readText(save), saved);

    // Again: both exist now.
    const CliRun refused = calc({"tradeoff", input, "--plot", plot});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err,
              "finplan-cli: " + plot + " was not overwritten (add --yes to replace it)\n");
    EXPECT_EQ(refused.out, "");
    const CliRun replaced = runCliWith({"--yes", "calc", "tradeoff", input, "--plot", plot});
    EXPECT_EQ(replaced.code, 0) << replaced.err;
    EXPECT_EQ(readText(plot).substr(20, 10), "12.000000\n");

    // "-" puts the file alone on standard output.
    const CliRun toOutput = calc({"tradeoff", input, "--save", "-"});
    EXPECT_EQ(toOutput.code, 0);
    EXPECT_EQ(toOutput.out, readText(input));
}

TEST(CalcCommand, UnreadableInputExitsTwoUnwritableOutputThree) {
    const TempDir dir;
    const CliRun missing = calc({"tradeoff", (dir / "none.dat").string()});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.out, "");
    // Without a file the work directory's is read, and a missing one gives the three options.
    const CliRun fresh = calc({"tradeoff", "--workdir", dir.path().string()});
    EXPECT_EQ(fresh.code, 0);
    EXPECT_NE(fresh.out.find("name-3: Option 3\n"), std::string::npos);
    const CliRun scenario = calc({"accelerated", "--amount", "1000", "--years", "1", "--rate", "12",
                                  "--scenario", (dir / "none.RET").string()});
    EXPECT_EQ(scenario.code, 2);
    const CliRun unwritable = calc({"tradeoff", "--workdir", dir.path().string(), "--save",
                                    (dir / "no" / "such" / "folder.dat").string()});
    EXPECT_EQ(unwritable.code, 3);
    EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos);
}

// A scenario starting at 43 with one mortgage bought at 40.
class CalcWithScenario : public ::testing::Test {
protected:
    void SetUp() override {
        writeAll(m_file, encodeScenarioImage(makeScenario(
                             "header start=43 inflation=3\n"
                             "mortgage name=House start=40 payoff=0 sell=46 amount=150000 "
                             "down=30000 rate=5.5 years=30 appreciation=3 extra=100 extra-mode=2 "
                             "selling=6")));
    }

    TempDir m_dir;
    std::string m_file = (m_dir / "house.RET").string();
};

TEST_F(CalcWithScenario, ScheduleOfTheEventIsTheKnownFile) {
    const std::string schedule = (m_dir / "psched.tmp").string();
    const CliRun run =
        calc({"mortgage", "--scenario", m_file, "--event", "0", "--schedule", schedule});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "monthly-payment: 681.35\n");
    EXPECT_EQ(readAll(schedule), readAll(dataDir() / "psched" / "psched.tmp"));

    const CliRun notMortgage = calc({"mortgage", "--scenario", m_file, "--event", "1"});
    EXPECT_EQ(notMortgage.code, 1);
}

TEST_F(CalcWithScenario, CreateSavesTheRefinancedScenario) {
    const std::string out = (m_dir / "refinanced.RET").string();
    const CliRun run = calc({"refinance", "--scenario", m_file, "--event", "0", "--refinance-age",
                             "45", "--new-rate", "4", "--new-years", "20", "--tax-rate", "25",
                             "--savings-rate", "2", "--closing-costs", "3000", "--create", out});
    ASSERT_EQ(run.code, 0) << run.err;
    Scenario read;
    AppSettings settings;
    ScriptedDialogs dialogs;
    read.fileName = out;
    ASSERT_TRUE(readScenario(read, settings, dialogs));
    ASSERT_EQ(read.liveEventCount, 2);
    EXPECT_EQ(fieldText(read.events[0].name), "House");
    EXPECT_EQ(read.events[0].adjustRate, 45.0f);
    EXPECT_EQ(read.events[0].sellingExpenses, 0.0f);
    EXPECT_EQ(fieldText(read.events[1].name), "RF-House");
    EXPECT_EQ(read.events[1].startAge, 45.0f);
    EXPECT_EQ(read.events[1].closingCosts, 3000.0f);

    // A refinance at the mortgage's own start age is refused, and nothing is written.
    const std::string again = (m_dir / "again.RET").string();
    const CliRun refused = calc({"refinance", "--scenario", m_file, "--event", "0",
                                 "--refinance-age", "40", "--new-rate", "4", "--new-years", "20",
                                 "--tax-rate", "25", "--savings-rate", "2", "--create", again});
    EXPECT_EQ(refused.code, 4);
    EXPECT_EQ(refused.err, "Age Error!: The age at refinancing must be greater the the age of "
                           "the orginal mortgage.\n");
    EXPECT_FALSE(fs::exists(again));
}

} // namespace
} // namespace finplan::test
