#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_context.h"

#include <array>
#include <string_view>

namespace finplan::cli {

inline constexpr std::array<std::string_view, 5> kCalcFlags = {
    "--cash-out-as-savings", "--include-closing-costs", "--include-points", "--use-tax-rate",
    "--no-tax-rate"};
inline constexpr std::array<std::string_view, 38> kCalcValued = {"--amount",
                                                                 "--rate",
                                                                 "--years",
                                                                 "--down",
                                                                 "--schedule",
                                                                 "--start-age",
                                                                 "--payoff-age",
                                                                 "--sell-age",
                                                                 "--appreciation",
                                                                 "--extra",
                                                                 "--extra-mode",
                                                                 "--scenario",
                                                                 "--event",
                                                                 "--refinance-age",
                                                                 "--new-rate",
                                                                 "--new-years",
                                                                 "--tax-rate",
                                                                 "--savings-rate",
                                                                 "--refinanced-amount",
                                                                 "--cash-out",
                                                                 "--closing-costs",
                                                                 "--points",
                                                                 "--report",
                                                                 "--graph-file",
                                                                 "--create",
                                                                 "--years-left",
                                                                 "--investment-rate",
                                                                 "--inflation",
                                                                 "--end-age",
                                                                 "--compounding",
                                                                 "--return",
                                                                 "--balance",
                                                                 "--payment",
                                                                 "--purchases",
                                                                 "--periods",
                                                                 "--plot",
                                                                 "--save",
                                                                 "--workdir"};
inline constexpr OptionSpec kCalcOptions{kCalcFlags, kCalcValued};

// `calc KIND ...`: one calculator, its output fields as "key: value" lines and its files.
// The word count is checked here: KIND, and for the trade-off one optional file.
ExitCode runCalc(const CliContext& context, const CliArguments& arguments);

} // namespace finplan::cli
