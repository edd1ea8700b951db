#include "cli/cli_planner.h"

#include "cli/run_command.h"

#include <ostream>

namespace finplan::cli {

std::unique_ptr<CliPlanner> CliPlanner::create(const CliContext& context,
                                               const CliArguments& arguments) {
    std::optional<LocalDateTime> today;
    if (const auto text = arguments.value("--today")) {
        today = parseToday(*text);
        if (!today) {
            context.err << "finplan-cli: --today takes YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS, got \""
                        << *text << "\"\n";
            return nullptr;
        }
    }
    return std::make_unique<CliPlanner>(context, arguments.value("--workdir").value_or("."), today);
}

CliPlanner::CliPlanner(const CliContext& context, std::filesystem::path workDir,
                       std::optional<LocalDateTime> today)
    : m_fixedClock(today.value_or(LocalDateTime{}))
    , m_planner(std::move(workDir), context.dialogs,
                today ? static_cast<const Clock&>(m_fixedClock)
                      : static_cast<const Clock&>(m_systemClock)) {}

} // namespace finplan::cli
