#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_context.h"

#include <array>
#include <string_view>

namespace finplan::cli {

inline constexpr std::array<std::string_view, 5> kReportFlags = {
    "--screen", "--outgoing", "--detailed", "--accounts", "--summary"};
inline constexpr std::array<std::string_view, 4> kReportValued = {"--workdir", "--today", "--seed",
                                                                  "--age"};
inline constexpr OptionSpec kReportOptions{kReportFlags, kReportValued};

inline constexpr std::array<std::string_view, 5> kPrintScheduleFlags = {
    "--detailed", "--accounts", "--summary", "--random-accounts", "--random-groups"};
inline constexpr std::array<std::string_view, 3> kPrintScheduleValued = {"--workdir", "--today",
                                                                         "--seed"};
inline constexpr OptionSpec kPrintScheduleOptions{kPrintScheduleFlags, kPrintScheduleValued};

// `report SCENARIO.RET KIND`: runs the scenario, writes the report's page files into the work
// directory and prints their names, one per line. Nothing to report exits 4.
ExitCode runReport(const CliContext& context, const CliArguments& arguments);

// `print-schedule SCENARIO.RET`: the print run into "ptmpsch.dat", then its page files.
ExitCode runPrintSchedule(const CliContext& context, const CliArguments& arguments);

} // namespace finplan::cli
