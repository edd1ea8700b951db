#pragma once

#include <QIcon>

namespace finplan::gui {

// The toolbar picture of a command, drawn in code so that it scales and needs no files.
QIcon toolbarIcon(int commandId);

} // namespace finplan::gui
