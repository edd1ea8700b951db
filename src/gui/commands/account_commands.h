#pragma once

namespace finplan {
class Planner;
}

namespace finplan::gui {

class CommandDispatcher;
class FileChooser;
class WindowFrame;

// The account commands: writing and reading account files and re-indexing the accounts. The
// account editors join them as they arrive.
class AccountCommands {
public:
    AccountCommands(Planner& planner, FileChooser& files, WindowFrame& frame);
    void registerWith(CommandDispatcher& dispatcher);

private:
    void saveAccounts();
    void readAccounts();
    void reindexAccounts();

    Planner& m_planner;
    FileChooser& m_files;
    WindowFrame& m_frame;
};

} // namespace finplan::gui
