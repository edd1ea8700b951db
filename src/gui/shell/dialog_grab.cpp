#include "gui/shell/dialog_grab.h"

#include "render/picture_file.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

namespace finplan::gui {

DialogRunner DialogGrab::runner() {
    return [this](QDialog& dialog) {
        if (!m_button.empty() && !m_pressed) {
            m_pressed = true;
            auto* button = dialog.findChild<QPushButton*>(QString::fromStdString(m_button));
            if (button != nullptr && button->isEnabled()) {
                dialog.show();
                button->click();
            }
            if (dialog.isVisible()) {
                dialog.reject();
            }
            return;
        }
        take(dialog);
        dialog.reject();
    };
}

bool DialogGrab::takeLeftOpen(const QWidget& mainWindow) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog != nullptr && dialog != &mainWindow && dialog->isVisible()) {
            take(*dialog);
            dialog->reject();
            return true;
        }
    }
    return false;
}

void DialogGrab::take(QWidget& dialog) {
    // Only the first dialog counts: an editor the picture's dialog would open is not wanted.
    if (m_taken) {
        return;
    }
    dialog.show();
    QApplication::processEvents();
    m_taken = true;
    if (const WriteResult written = render::writePngFile(m_file, dialog.grab().toImage());
        !written) {
        m_failure = writeFailureText(m_file, written);
    }
}

} // namespace finplan::gui
