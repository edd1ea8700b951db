#pragma once

#include "gui/help/help_topics.h"

#include <optional>

class QAbstractButton;

namespace finplan::gui {

// A Help button opens the manual at its topic, in the help window of the button's window; a
// button whose topic the manual lacks stays disabled.
void connectHelpButton(QAbstractButton& button, const std::optional<HelpTopic>& topic);

} // namespace finplan::gui
