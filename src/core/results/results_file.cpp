#include "results/results_file.h"

#include "model/file_io.h"

namespace finplan {

std::optional<std::ofstream> openExportFile(const std::string& name, UserDialogs& dialogs) {
    if (fileExists(name) && dialogs.ask(name + " exits - Overwrite anyway?", "FILE WARNING",
                                        MessageIcon::Stop) != Answer::Yes) {
        return std::nullopt;
    }
    std::ofstream file(name, std::ios::trunc);
    if (!file) {
        dialogs.error("Cannot open export file", "FILE ERROR");
        return std::nullopt;
    }
    return file;
}

std::optional<std::ofstream> openResultsFile(const std::string& name, UserDialogs& dialogs) {
    std::ofstream file(name, std::ios::trunc);
    if (!file) {
        dialogs.error("Cannot open " + name, "FILE ERROR");
        return std::nullopt;
    }
    return file;
}

} // namespace finplan
