#include "cli/cli_planner.h"

#include "cli/run_command.h"

#include <ostream>
#include <system_error>

namespace finplan::cli {

bool ensureWorkDir(const CliContext& context, const std::filesystem::path& workDir) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(workDir, ec)) {
        return true;
    }
    if (fs::create_directories(workDir, ec)) {
        fs::permissions(workDir, fs::perms::owner_all, ec);
    } else if (!ec) {
        ec = std::make_error_code(std::errc::not_a_directory);
    }
    if (ec) {
        context.err << "finplan-cli: cannot create the work directory " << workDir.string() << ": "
                    << ec.message() << '\n';
        return false;
    }
    return true;
}

std::unique_ptr<CliPlanner> CliPlanner::create(const CliContext& context,
                                               const CliArguments& arguments, ExitCode& status) {
    std::optional<LocalDateTime> today;
    if (const auto text = arguments.value("--today")) {
        today = parseToday(*text);
        if (!today) {
            context.err << "finplan-cli: --today takes YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS, got \""
                        << *text << "\"\n";
            status = ExitCode::Usage;
            return nullptr;
        }
    }
    const std::filesystem::path workDir = arguments.value("--workdir").value_or(".");
    if (!ensureWorkDir(context, workDir)) {
        status = ExitCode::WriteFailed;
        return nullptr;
    }
    status = ExitCode::Success;
    return std::make_unique<CliPlanner>(context, workDir, today);
}

std::unique_ptr<CliPlanner> CliPlanner::loaded(const CliContext& context,
                                               const CliArguments& arguments, ExitCode& status) {
    auto planner = create(context, arguments, status);
    if (planner && !planner->m_planner.load(arguments.files[0])) {
        status = ExitCode::ReadFailed;
        return nullptr;
    }
    return planner;
}

CliPlanner::CliPlanner(const CliContext& context, std::filesystem::path workDir,
                       std::optional<LocalDateTime> today)
    : m_fixedClock(today.value_or(LocalDateTime{}))
    , m_planner(std::move(workDir), context.dialogs,
                today ? static_cast<const Clock&>(m_fixedClock)
                      : static_cast<const Clock&>(m_systemClock)) {}

} // namespace finplan::cli
