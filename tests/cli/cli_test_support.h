#pragma once

#include "cli/run_cli.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace finplan::test {

// One in-process run of finplan-cli with what it printed.
struct CliRun {
    int code = -1;
    std::string out;
    std::string err;
};

inline CliRun runCliWith(const std::vector<std::string>& words) {
    const std::vector<std::string_view> args(words.begin(), words.end());
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.code = cli::runCli(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

} // namespace finplan::test
