#pragma once

namespace finplan::gui {

class CommandDispatcher;
class WindowFrame;

// About and the Help menu: the about box, the help window at its contents (F1, and the manual,
// F10), help on help (F4) and the quick tips; the mail link joins it when it arrives.
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
