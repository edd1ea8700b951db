#include "gui/commands/file_requests.h"

#include "app/planner.h"

#include <filesystem>

namespace finplan::gui {

namespace {

// The folder of the open scenario; account files start in the work directory with QUIL.
std::string startDirectory(const Planner& planner, bool accountFiles) {
    if (accountFiles && planner.settings().switches.quil) {
        return planner.workDir().string();
    }
    const std::filesystem::path current(planner.scenario().fileName);
    return current.has_parent_path() ? current.parent_path().string() : std::string();
}

} // namespace

FileRequest scenarioRequest(const Planner& planner, const char* title, FileRequest::Mode mode) {
    FileRequest request;
    request.title = title;
    request.filters = {"Scenario Files (*.RET)"};
    request.defaultExtension = "ret";
    request.mode = mode;
    request.startDirectory = startDirectory(planner, false);
    return request;
}

FileRequest accountsRequest(const Planner& planner, const char* title, FileRequest::Mode mode) {
    FileRequest request;
    request.title = title;
    request.filters = {"Account Files (*.ACC)", "All Files (*.*)"};
    request.defaultExtension = "acc";
    request.mode = mode;
    request.startDirectory = startDirectory(planner, true);
    return request;
}

} // namespace finplan::gui
