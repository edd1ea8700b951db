#pragma once

#include "gui/platform/file_chooser.h"
#include "platform/user_dialogs.h"

#include <iosfwd>

namespace finplan::gui {

// The answer that changes nothing: Ok for a message, No for a yes-or-no question, Cancel when
// cancelling is offered.
Answer carefulAnswer(MessageButtons buttons);

// Message boxes when nobody is there to answer them (a picture taken with --grab): each one
// prints "TITLE: text" on the error stream and takes the careful answer, so that the program
// goes on instead of waiting.
class UnattendedDialogs : public UserDialogs {
public:
    explicit UnattendedDialogs(std::ostream& err)
        : m_err(err) {}
    Answer show(const Message& message) override;
    // How many error boxes (the stop icon) have been shown so far.
    int errorsShown() const { return m_errorsShown; }

private:
    std::ostream& m_err;
    int m_errorsShown = 0;
};

// File dialogs when nobody is there: each prints "TITLE: no file chosen" and is cancelled.
class UnattendedFileChooser : public FileChooser {
public:
    explicit UnattendedFileChooser(std::ostream& err)
        : m_err(err) {}
    std::optional<std::string> choose(const FileRequest& request) override;
    bool isOpen() const override { return false; }

private:
    std::ostream& m_err;
};

} // namespace finplan::gui
