#pragma once

#include "model/app_settings.h"
#include "model/byte_io.h"
#include "model/safe_write.h"
#include "model/scenario.h"

#include <filesystem>
#include <span>

namespace finplan {

inline constexpr const char* kPrefFileName = "prefinf.dat";

// "prefinf.dat" in the work directory: the PrefInfo record alone, window placement and report
// style switches carried from one use of the program to the next.

// Sets the start-up defaults, reads the file into scenario.prefs (a short file overlays only
// the bytes it holds) and puts its placement and switches into force in settings. A missing
// file leaves the defaults.
void readPrefInfo(const std::filesystem::path& workDir, Scenario& scenario, AppSettings& settings);

// readPrefInfo on the bytes of a present file; fewer than a record's bytes overlay only the
// fields they reach.
void decodePrefInfo(std::span<const Byte> bytes, Scenario& scenario, AppSettings& settings);

// The window placement and switches in force, as writePrefInfo records them.
void storeSettingsInPrefs(PrefInfo& prefs, const AppSettings& settings);

// Copies the window placement and switches in force into scenario.prefs and writes the
// record; margins, print option and font fields go out as held. False when it cannot be
// written.
WriteResult writePrefInfo(const std::filesystem::path& workDir, Scenario& scenario,
                          const AppSettings& settings);

} // namespace finplan
