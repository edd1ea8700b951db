#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_context.h"

#include <array>
#include <string_view>

namespace finplan::cli {

inline constexpr std::array<std::string_view, 3> kImportFlags = {"--tab", "--comma", "--no-new"};
inline constexpr std::array<std::string_view, 1> kImportValued = {"--workdir"};
inline constexpr OptionSpec kImportOptions{kImportFlags, kImportValued};

// `import-accounts FILE OUT.RET`: a new scenario whose accounts are read from a tab- or
// comma-delimited statement, written to OUT.
ExitCode runImportAccounts(const CliContext& context, const CliArguments& arguments);

// `update-accounts SCENARIO.RET FILE OUT.RET`: the scenario with the initial amounts the
// statement gives (and the accounts it adds), written to OUT.
ExitCode runUpdateAccounts(const CliContext& context, const CliArguments& arguments);

} // namespace finplan::cli
