#pragma once

#include "platform/user_dialogs.h"

#include <iosfwd>

namespace finplan::cli {

// Exit statuses of finplan-cli; --help lists them, scripts rely on them.
enum class ExitCode : int {
    Success = 0,
    Usage = 1,
    ReadFailed = 2,
    WriteFailed = 3,
    Refused = 4, // a value was refused by a check, as a dialog refuses it
};

// What a command works with: where its output and messages go and how questions are answered.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
    UserDialogs& dialogs;
    bool answerYes = false; // --yes: every question is answered Yes
};

} // namespace finplan::cli
