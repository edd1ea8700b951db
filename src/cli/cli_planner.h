#pragma once

#include "app/planner.h"
#include "cli/cli_arguments.h"
#include "cli/cli_context.h"
#include "platform/clock.h"

#include <memory>
#include <optional>

namespace finplan::cli {

// Makes a missing work directory for the user alone (its files list the user's scenarios);
// false after the message naming it when that fails.
bool ensureWorkDir(const CliContext& context, const std::filesystem::path& workDir);

// The planner of one command: its work directory (--workdir, default the current one), its
// clock (--today, default the system's) and the command line's dialogs.
class CliPlanner {
public:
    // Empty after the message when --today is not a date (`status` Usage) or the work
    // directory is missing and cannot be created (WriteFailed). A missing work directory is
    // created for the user alone.
    static std::unique_ptr<CliPlanner> create(const CliContext& context,
                                              const CliArguments& arguments, ExitCode& status);
    // As create, with the scenario of the first file argument loaded; empty after the message
    // when it cannot be read (`status` ReadFailed).
    static std::unique_ptr<CliPlanner> loaded(const CliContext& context,
                                              const CliArguments& arguments, ExitCode& status);

    CliPlanner(const CliContext& context, std::filesystem::path workDir,
               std::optional<LocalDateTime> today);
    CliPlanner(const CliPlanner&) = delete;
    CliPlanner& operator=(const CliPlanner&) = delete;

    Planner& operator*() { return m_planner; }
    Planner* operator->() { return &m_planner; }

private:
    SystemClock m_systemClock;
    FixedClock m_fixedClock;
    Planner m_planner;
};

} // namespace finplan::cli
