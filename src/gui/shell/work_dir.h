#pragma once

#include <filesystem>
#include <string>

namespace finplan::gui {

// Makes the work directory when it is missing: for the user alone, since its files list the
// user's recent scenarios (missing parents as the umask allows). One that is there is used as
// it is. Returns why the directory cannot be used, or an empty text when it can.
std::string makeWorkDir(const std::filesystem::path& dir);

} // namespace finplan::gui
