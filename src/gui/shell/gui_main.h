#pragma once

namespace finplan::gui {

// The whole desktop program: command line, start-up, main window and message loop (or one
// picture with --grab). Returns the exit status.
int runGui(int argc, char** argv);

} // namespace finplan::gui
