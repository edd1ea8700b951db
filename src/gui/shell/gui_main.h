#pragma once

namespace finplan::gui {

// The whole desktop program: command line, start-up, main window and message loop (or one
// picture with --grab). Returns the exit status.
int runGui(int argc, char** argv);

// What every run of the desktop program sets on the application object once it exists: the
// numeric locale, names, style and icon.
void setUpApplication();

} // namespace finplan::gui
