#pragma once

#include "platform/user_dialogs.h"

#include <iosfwd>

namespace finplan::cli {

// Message boxes on the command line: the text goes to the error stream, and questions are
// answered Yes only when the user said so with --yes.
class CliDialogs : public UserDialogs {
public:
    CliDialogs(std::ostream& err, bool answerYes)
        : m_err(err)
        , m_answerYes(answerYes) {}
    Answer show(const Message& message) override;

private:
    std::ostream& m_err;
    bool m_answerYes;
};

} // namespace finplan::cli
