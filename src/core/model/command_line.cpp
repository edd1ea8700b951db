#include "model/command_line.h"

#include <string>

namespace finplan {

CommandLineSwitches scanCommandLine(std::string_view commandLine) {
    const auto has = [commandLine](std::string_view word) {
        return commandLine.find(word) != std::string_view::npos;
    };
    CommandLineSwitches switches;
    switches.idOn = has("IDON");
    switches.quil = has("QUIL");
    switches.lighter = has("LIGHTER");
    switches.darker = has("DARKER");
    switches.summary = has("SUMMARY");
    switches.gray = has("GRAY");
    switches.darkYellow = has("DARKYELLOW");
    return switches;
}

CommandLineSwitches scanCommandLine(int argc, char** argv) {
    // The program's own path is left out: a folder named like a switch must not set it.
    std::string joined;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            joined += ' ';
        }
        joined += argv[i];
    }
    return scanCommandLine(joined);
}

BandingVariant bandingVariant(const CommandLineSwitches& switches) {
    if (switches.darkYellow) {
        return BandingVariant::DarkYellow;
    }
    if (switches.gray) {
        return BandingVariant::Gray;
    }
    return switches.lighter ? BandingVariant::Lighter : BandingVariant::Standard;
}

} // namespace finplan
