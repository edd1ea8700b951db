#pragma once

#include "platform/user_dialogs.h"

#include <ostream>

namespace finplan::cli {

// Message boxes of an editor run from the command line: each as "TITLE: text" on the error
// stream; questions are answered Yes only with --yes.
class TitledDialogs : public UserDialogs {
public:
    TitledDialogs(std::ostream& err, bool answerYes)
        : m_err(err)
        , m_answerYes(answerYes) {}

    Answer show(const Message& message) override {
        m_err << message.title << ": " << message.text;
        if (message.buttons == MessageButtons::Ok) {
            m_err << '\n';
            return Answer::Ok;
        }
        m_err << (m_answerYes ? " Yes\n" : " No\n");
        return m_answerYes ? Answer::Yes : Answer::No;
    }

private:
    std::ostream& m_err;
    bool m_answerYes;
};

} // namespace finplan::cli
