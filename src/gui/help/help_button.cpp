#include "gui/help/help_button.h"

#include "gui/help/help_window.h"

#include <QAbstractButton>

namespace finplan::gui {

void connectHelpButton(QAbstractButton& button, const std::optional<HelpTopic>& topic) {
    button.setEnabled(topic.has_value());
    if (!topic) {
        return;
    }
    QObject::connect(&button, &QAbstractButton::clicked, &button,
                     [&button, place = *topic] { HelpWindow::showTopic(button, place); });
}

} // namespace finplan::gui
