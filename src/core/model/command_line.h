#pragma once

#include "model/app_settings.h"

#include <string_view>

namespace finplan {

// Finds the switch words anywhere in the command line text, case-sensitively.
CommandLineSwitches scanCommandLine(std::string_view commandLine);

// The same over the program's arguments (the program name left out), joined with blanks.
CommandLineSwitches scanCommandLine(int argc, char** argv);

// The colour set used for the banding of lists and schedules.
enum class BandingVariant { Standard, Lighter, Gray, DarkYellow };

// GRAY and DARKYELLOW name a whole colour set and so override LIGHTER; DARKYELLOW wins over GRAY.
BandingVariant bandingVariant(const CommandLineSwitches& switches);

} // namespace finplan
