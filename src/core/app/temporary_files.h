#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace finplan {

// The names of the temporary files the program leaves in its work directory while it runs:
// run logs, the graph hand-off file, the report and print work files and their pages.
std::vector<std::string> temporaryFileNames();

// Deletes those files from the work directory, matching names in any letter case (they were
// named in upper and lower case over the years). Returns how many were deleted.
int deleteTemporaryFiles(const std::filesystem::path& workDir);

} // namespace finplan
