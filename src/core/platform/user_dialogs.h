#pragma once

#include <string>

namespace finplan {

enum class MessageIcon { Stop, Question, Exclamation, Information };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Stop;
    MessageButtons buttons = MessageButtons::Ok;
};

// How the core shows a message box or asks a question. The GUI shows real boxes, the command
// line prints to stderr and answers from its flags, tests script the answers.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    virtual Answer show(const Message& message) = 0;

    void error(std::string text, std::string title) {
        show({std::move(text), std::move(title), MessageIcon::Stop, MessageButtons::Ok});
    }
    Answer ask(std::string text, std::string title, MessageIcon icon,
               MessageButtons buttons = MessageButtons::YesNo) {
        return show({std::move(text), std::move(title), icon, buttons});
    }
};

} // namespace finplan
