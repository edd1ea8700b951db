#pragma once

#include "app/planner.h"
#include "cli/cli_arguments.h"
#include "cli/cli_context.h"

#include <optional>
#include <string_view>

namespace finplan::cli {

// Whether an edit target is one of the accounts': --new-account, --account, --delete-account.
bool isAccountTarget(std::string_view option);

// The account targets of `edit` on a loaded scenario: the Account Information dialog opened
// (new or on the named account), each --set typed into it and OK pressed, or Delete. Prints
// "added", "updated" or "deleted" with the account's id, name and amount. Empty when the
// scenario is to be written; otherwise the exit status (a refusal was told).
std::optional<ExitCode> editAccountTarget(const CliContext& context, const CliArguments& arguments,
                                          Planner& planner, std::string_view target);

} // namespace finplan::cli
