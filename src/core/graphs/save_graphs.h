#pragma once

#include "model/byte_io.h"
#include "platform/user_dialogs.h"

#include <filesystem>
#include <span>
#include <string>

namespace finplan {

// The graph file made from a plot file's bytes: the header, the plotted years and the trailer
// copied line by line, ending with "Done" also when the plot file ends early. Incomplete when
// the plotted-years line holds no year count a graph file can hold; the text then ends with
// that line.
struct GraphFileText {
    std::string text;
    bool complete = false;
};

GraphFileText graphFileText(std::span<const Byte> plot);

// Writes graphFileText of the work directory's plot file to the graph file `target` (a ".tvp"
// the user chose; a relative name counts from the current directory). An existing target is
// overwritten only after the user agrees, and never when its name starts with "plotinf".
// It is written whole or not at all. Every refusal and failure is told through `dialogs`;
// gives whether a graph file was completed.
bool saveGraphs(const std::filesystem::path& workDir, const std::string& target,
                UserDialogs& dialogs);

} // namespace finplan
