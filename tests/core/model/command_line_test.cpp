#include "model/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace finplan {
namespace {

bool same(const CommandLineSwitches& a, const CommandLineSwitches& b) {
    return a.idOn == b.idOn && a.quil == b.quil && a.lighter == b.lighter && a.darker == b.darker &&
           a.summary == b.summary && a.gray == b.gray && a.darkYellow == b.darkYellow;
}

TEST(CommandLine, EachWordSetsItsOwnSwitchOnly) {
    struct Case {
        const char* word;
        bool CommandLineSwitches::*field;
    };
    const Case cases[] = {
        {"IDON", &CommandLineSwitches::idOn},
        {"QUIL", &CommandLineSwitches::quil},
        {"LIGHTER", &CommandLineSwitches::lighter},
        {"DARKER", &CommandLineSwitches::darker},
        {"SUMMARY", &CommandLineSwitches::summary},
        {"GRAY", &CommandLineSwitches::gray},
        {"DARKYELLOW", &CommandLineSwitches::darkYellow},
    };
    for (const Case& c : cases) {
        CommandLineSwitches expected;
        expected.*c.field = true;
        EXPECT_TRUE(same(scanCommandLine(c.word), expected)) << c.word;
    }
}

TEST(CommandLine, WordsAreFoundAnywhereButOnlyInCapitals) {
    const CommandLineSwitches found = scanCommandLine("plan.retSUMMARYx -GRAY,IDONT");
    EXPECT_TRUE(found.summary);
    EXPECT_TRUE(found.gray);
    EXPECT_TRUE(found.idOn);
    EXPECT_FALSE(found.quil);

    EXPECT_TRUE(same(scanCommandLine("idon quil lighter darker summary gray darkyellow Gray"),
                     CommandLineSwitches{}));
    EXPECT_TRUE(same(scanCommandLine(""), CommandLineSwitches{}));
}

TEST(CommandLine, ArgumentsAreJoinedWithBlanksWithoutTheProgramName) {
    std::vector<std::string> args = {"/opt/GRAY/finplan", "IDO", "N", "QUIL", "DARK", "ER"};
    std::vector<char*> argv;
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    const CommandLineSwitches found = scanCommandLine(static_cast<int>(args.size()), argv.data());

    CommandLineSwitches expected;
    expected.quil = true;
    EXPECT_TRUE(same(found, expected));
    EXPECT_TRUE(same(scanCommandLine(1, argv.data()), CommandLineSwitches{}));
}

TEST(CommandLine, BandingVariantPrecedence) {
    EXPECT_EQ(bandingVariant(scanCommandLine("")), BandingVariant::Standard);
    EXPECT_EQ(bandingVariant(scanCommandLine("LIGHTER")), BandingVariant::Lighter);
    EXPECT_EQ(bandingVariant(scanCommandLine("GRAY")), BandingVariant::Gray);
    EXPECT_EQ(bandingVariant(scanCommandLine("LIGHTER GRAY")), BandingVariant::Gray);
    EXPECT_EQ(bandingVariant(scanCommandLine("DARKYELLOW")), BandingVariant::DarkYellow);
    EXPECT_EQ(bandingVariant(scanCommandLine("DARKYELLOW GRAY LIGHTER")),
              BandingVariant::DarkYellow);
}

} // namespace
} // namespace finplan
