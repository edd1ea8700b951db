#include "cli/cli_dialogs.h"

#include <ostream>

namespace finplan::cli {

Answer CliDialogs::show(const Message& message) {
    m_err << message.text;
    if (message.buttons == MessageButtons::Ok) {
        m_err << '\n';
        return Answer::Ok;
    }
    const Answer answer = m_answerYes ? Answer::Yes : Answer::No;
    m_err << (answer == Answer::Yes ? " Yes\n" : " No\n");
    return answer;
}

} // namespace finplan::cli
