#pragma once

#include "platform/user_dialogs.h"

#include <filesystem>
#include <string>

namespace finplan {

// Copies the plot file of the work directory to the graph file `target` (a ".tvp" the user
// chose; a relative name counts from the current directory). An existing target is
// overwritten only after the user agrees, and never when its name starts with "plotinf".
// The copy takes the header, the plotted years and the trailer line by line, and ends with
// "Done" also when the plot file ends early. It is written whole or not at all. Every refusal
// and failure is told through `dialogs`; gives whether a graph file was completed.
bool saveGraphs(const std::filesystem::path& workDir, const std::string& target,
                UserDialogs& dialogs);

} // namespace finplan
