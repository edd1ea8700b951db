#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_context.h"
#include "cli/print_options.h"

#include <array>
#include <string_view>

namespace finplan::cli {

inline constexpr auto kReportFlags =
    withPrintOptions(std::array<std::string_view, 5>{"--screen", "--outgoing", "--detailed",
                                                     "--accounts", "--summary"},
                     kPrintFlags);
inline constexpr auto kReportValued = withPrintOptions(
    std::array<std::string_view, 4>{"--workdir", "--today", "--seed", "--age"}, kPrintValued);
inline constexpr OptionSpec kReportOptions{kReportFlags, kReportValued};

inline constexpr auto kPrintScheduleFlags =
    withPrintOptions(std::array<std::string_view, 5>{"--detailed", "--accounts", "--summary",
                                                     "--random-accounts", "--random-groups"},
                     kPrintFlags);
inline constexpr auto kPrintScheduleValued = withPrintOptions(
    std::array<std::string_view, 3>{"--workdir", "--today", "--seed"}, kPrintValued);
inline constexpr OptionSpec kPrintScheduleOptions{kPrintScheduleFlags, kPrintScheduleValued};

// `report SCENARIO.RET KIND`: runs the scenario, writes the report's page files into the work
// directory and prints their names, one per line. Nothing to report exits 4. With --pdf the
// pages are printed into a PDF as well; KIND "all" prints every report into it.
ExitCode runReport(const CliContext& context, const CliArguments& arguments);

// `print-schedule SCENARIO.RET`: the print run into "ptmpsch.dat", then its page files and,
// with --pdf, their print.
ExitCode runPrintSchedule(const CliContext& context, const CliArguments& arguments);

} // namespace finplan::cli
