#pragma once

namespace finplan {
class UserDialogs;
}

namespace finplan::gui {

class CommandDispatcher;

// The Tools menu: calculators and the programs started beside this one. So far the platform's
// own calculator.
class ToolCommands {
public:
    explicit ToolCommands(UserDialogs& dialogs)
        : m_dialogs(dialogs) {}
    void registerWith(CommandDispatcher& dispatcher);

private:
    void startPlatformCalculator();

    UserDialogs& m_dialogs;
};

} // namespace finplan::gui
