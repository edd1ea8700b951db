#pragma once

#include "platform/user_dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace finplan::test {

// Records every message box and answers questions from a script; an unscripted question is
// answered No, a plain message Ok.
class ScriptedDialogs : public UserDialogs {
public:
    std::vector<Message> shown;
    std::deque<Answer> answers;

    Answer show(const Message& message) override {
        shown.push_back(message);
        if (message.buttons == MessageButtons::Ok) {
            return Answer::Ok;
        }
        if (answers.empty()) {
            return Answer::No;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // Every message shown so far as "TITLE|text", one a line, for one exact comparison.
    std::string transcript() const {
        std::string all;
        for (const Message& message : shown) {
            all += (all.empty() ? "" : "\n") + message.title + "|" + message.text;
        }
        return all;
    }
};

} // namespace finplan::test
