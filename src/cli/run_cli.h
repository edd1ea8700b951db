#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace finplan::cli {

// The whole command line program without its process: `args` are the words after the
// program name. Returns the exit status (see ExitCode).
int runCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

} // namespace finplan::cli
