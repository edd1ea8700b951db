#pragma once

#include <optional>
#include <string>
#include <vector>

namespace finplan::gui {

// What a file dialog asks for: its title, filters ("Scenario Files (*.RET)"), the extension a
// typed name gets when it has none, and whether it opens or saves.
struct FileRequest {
    enum class Mode { Open, Save };
    std::string title;
    std::vector<std::string> filters;
    std::string defaultExtension;
    Mode mode = Mode::Open;
    // Whether the dialog itself asks before a chosen file is replaced; commands that ask on
    // their own turn it off.
    bool confirmOverwrite = false;
    std::string startDirectory;
    bool operator==(const FileRequest&) const = default;
};

// The file dialogs of the commands. The desktop program shows real ones, tests script them.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file, or empty when the user cancelled.
    virtual std::optional<std::string> choose(const FileRequest& request) = 0;
    // Whether a file dialog is open right now (commands wait for it).
    virtual bool isOpen() const = 0;
};

} // namespace finplan::gui
