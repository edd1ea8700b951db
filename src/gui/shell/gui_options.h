#pragma once

#include "model/app_settings.h"

#include <optional>
#include <string>
#include <vector>

namespace finplan::gui {

// The sides of a picture --size may ask for, as the command line's graph pictures.
inline constexpr int kSmallestGrabSide = 200;
inline constexpr int kLargestGrabSide = 8000;

// What the command line of finplan asks for.
struct GuiOptions {
    std::optional<std::string> workDir;
    std::optional<std::string> scenarioFile;
    // --grab FILE.png: render the window offscreen with folder grabTab shown, and exit.
    std::optional<std::string> grabFile;
    int grabTab = 0;
    std::optional<int> grabWidth;
    std::optional<int> grabHeight;
    // --command ID: the picture is of that command's dialog instead of the window; --event N:
    // of the editor of event N, numbered from 0 as finplan-cli info lists them.
    std::optional<int> grabCommand;
    std::optional<int> grabEvent;
    // --button KEY with --event: the picture is of what that button of the editor opens
    // ("schedule", "refinance", "accelerated" for a mortgage); with a folder: of the page once
    // the work that button of the page starts is done ("run" on the Monte Carlo page).
    std::optional<std::string> grabButton;
    CommandLineSwitches switches;
    bool help = false;
    // Set when the command line cannot be used; says why.
    std::string error;
};

inline constexpr const char* kGuiUsage =
    "Usage: finplan [--workdir DIR] [SWITCHES] [SCENARIO.RET]\n"
    "       finplan --grab FILE.png [--tab N [--button KEY]] [--size WxH] [--workdir DIR]\n"
    "               [SCENARIO.RET]\n"
    "       finplan --grab FILE.png (--command ID | --event N [--button KEY]) [--workdir DIR]\n"
    "               [SCENARIO.RET]\n"
    "\n"
    "  --workdir DIR   where the settings and temporary files live (default: the user's\n"
    "                  data folder)\n"
    "  --grab FILE     draw the window offscreen into a PNG file and exit\n"
    "  --tab N         the folder shown in the picture, 0 for the first (default 0)\n"
    "  --size WxH      the window size of the picture, each side from 200 to 8000\n"
    "  --command ID    picture the dialog that command ID opens, then close it unchanged\n"
    "  --event N       picture the editor of event N (numbered as finplan-cli info lists\n"
    "                  them, from 0), then close it unchanged\n"
    "  --button KEY    with --event: press that button of the editor and picture what it\n"
    "                  opens (schedule, refinance, accelerated); with --tab: press that\n"
    "                  button of the folder's page and picture the page when its work is\n"
    "                  done (run on the Monte Carlo page)\n"
    "\n"
    "SWITCHES are the words IDON, QUIL, LIGHTER, DARKER, SUMMARY, GRAY and DARKYELLOW.\n";

// The arguments without the program name. Qt's own options ("-style fusion") are passed over.
GuiOptions parseGuiOptions(const std::vector<std::string>& args);

} // namespace finplan::gui
