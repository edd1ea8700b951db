#pragma once

#include "model/app_settings.h"
#include "model/byte_io.h"
#include "model/scenario.h"
#include "platform/user_dialogs.h"

#include <filesystem>
#include <span>
#include <string>

namespace finplan {

// The name both file names get when a read fails.
inline constexpr const char* kFailedReadName = "tmp01.ret";

// Decodes a scenario file's bytes into the scenario, with the fallbacks for short files. False
// when the header, events or account table are cut short or hold impossible counts; the
// scenario is then partly read and must be reset.
bool decodeScenario(std::span<const Byte> bytes, Scenario& scenario, AppSettings& settings);

// Reads the file named by scenario.fileName into the scenario, with the fallbacks for short
// files. A file too short for its header, events or account table, or with impossible counts,
// is refused with a message; the scenario is then the reset one named "tmp01.ret".
bool readScenario(Scenario& scenario, AppSettings& settings, UserDialogs& dialogs);

// Writes the full scenario to scenario.saveName, which must already exist.
bool writeScenario(Scenario& scenario, const AppSettings& settings, UserDialogs& dialogs);

// Save As to scenario.fileName (the name the user chose): creates it or asks before
// overwriting, then writes the full scenario.
bool saveAsScenario(Scenario& scenario, const AppSettings& settings, UserDialogs& dialogs);

// New's short form "temp<counter>1.ret" in the work directory; both file names become it.
// The temporary file name of New: "temp<counter>1.ret" in the work directory.
std::string shortScenarioName(const AppSettings& settings, const std::filesystem::path& workDir);

bool writeShortScenario(Scenario& scenario, const AppSettings& settings,
                        const std::filesystem::path& workDir, UserDialogs& dialogs);

} // namespace finplan
