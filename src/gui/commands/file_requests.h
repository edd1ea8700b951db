#pragma once

#include "gui/platform/file_chooser.h"

namespace finplan {
class Planner;
}

namespace finplan::gui {

// The file dialogs of the scenario and account commands.
FileRequest scenarioRequest(const Planner& planner, const char* title, FileRequest::Mode mode);
FileRequest accountsRequest(const Planner& planner, const char* title, FileRequest::Mode mode);

} // namespace finplan::gui
