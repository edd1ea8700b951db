#include "gui/platform/unattended_dialogs.h"

#include <ostream>

namespace finplan::gui {

namespace {

void printBox(std::ostream& err, const std::string& title, const std::string& text) {
    if (!title.empty()) {
        err << title << ": ";
    }
    err << text << '\n' << std::flush;
}

} // namespace

Answer carefulAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return Answer::Ok;
    case MessageButtons::YesNo:
        return Answer::No;
    case MessageButtons::YesNoCancel:
        return Answer::Cancel;
    }
    return Answer::Cancel;
}

Answer UnattendedDialogs::show(const Message& message) {
    printBox(m_err, message.title, message.text);
    if (message.icon == MessageIcon::Stop) {
        ++m_errorsShown;
    }
    return carefulAnswer(message.buttons);
}

std::optional<std::string> UnattendedFileChooser::choose(const FileRequest& request) {
    printBox(m_err, request.title, "no file chosen");
    return std::nullopt;
}

} // namespace finplan::gui
