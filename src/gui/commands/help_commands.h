#pragma once

namespace finplan::gui {

class CommandDispatcher;
class WindowFrame;

// About and the Help menu: so far the about box; the help file, the quick tips, the manual and
// the mail link join it as they arrive.
class HelpCommands {
public:
    explicit HelpCommands(WindowFrame& frame)
        : m_frame(frame) {}
    void registerWith(CommandDispatcher& dispatcher);

private:
    void about();

    WindowFrame& m_frame;
};

} // namespace finplan::gui
