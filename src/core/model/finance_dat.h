#pragma once

#include "model/app_settings.h"
#include "model/byte_io.h"
#include "model/safe_write.h"
#include "model/scenario.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace finplan {

inline constexpr const char* kFinanceDatName = "finance.dat";

// "finance.dat" in the work directory: the scenario to open at start, the start counter with
// the reserved values beside it, and the recently used scenario files.

// Reads the settings file at start and writes it back at once with the counter advanced.
// Puts line 1 into scenario.fileName and the counter, reserved values and recent files into
// settings. Returns whether the scenario named in line 1 should be opened.
bool readFinanceDat(const std::filesystem::path& workDir, Scenario& scenario,
                    AppSettings& settings);

// Takes line 1, the counter line and the recent files from the settings file's bytes; false for
// an empty file, which changes nothing.
bool decodeFinanceDat(std::span<const Byte> bytes, Scenario& scenario, AppSettings& settings);

// The settings file as written back at start: line 1, the counter advanced by one, the reserved
// values and recent files as read.
std::string financeDatAtStart(const Scenario& scenario, const AppSettings& settings);

// Writes the settings in force at the end of the program; false when the file cannot be
// written.
WriteResult writeFinanceDat(const std::filesystem::path& workDir, const Scenario& scenario,
                            const AppSettings& settings);

// Puts a name (more than 3 characters) at the top of the list; older entries move down and a
// name already listed, in any letter case, is removed from further down.
void addRecentFile(RecentFiles& recentFiles, std::string_view name);

// The File menu's recent items, "(1) name" onwards, up to the first empty entry.
std::vector<std::string> recentFileMenuItems(const RecentFiles& recentFiles);

} // namespace finplan
