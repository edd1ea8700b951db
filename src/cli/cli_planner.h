#pragma once

#include "app/planner.h"
#include "cli/cli_arguments.h"
#include "cli/cli_context.h"
#include "platform/clock.h"

#include <memory>
#include <optional>

namespace finplan::cli {

// The planner of one command: its work directory (--workdir, default the current one), its
// clock (--today, default the system's) and the command line's dialogs.
class CliPlanner {
public:
    // Empty after a usage message when --today is not a date.
    static std::unique_ptr<CliPlanner> create(const CliContext& context,
                                              const CliArguments& arguments);

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
