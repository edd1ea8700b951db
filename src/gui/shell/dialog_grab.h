#pragma once

#include "gui/editors/dialog_runner.h"

#include <filesystem>
#include <string>

class QWidget;

namespace finplan::gui {

// The picture of the dialog a command opens (--grab with --command or --event): the dialog is
// shown, drawn into the PNG file and closed without OK, so the scenario stays as it was.
class DialogGrab {
public:
    explicit DialogGrab(std::filesystem::path file)
        : m_file(std::move(file)) {}

    // The first dialog's button of this object name is pressed instead of taking its picture;
    // the picture is then of the dialog the button opens.
    void pressFirst(std::string button) { m_button = std::move(button); }
    // The runner for modal dialogs.
    DialogRunner runner();
    // A modeless dialog the command left open (not `mainWindow`) is taken and closed; false
    // when there is none.
    bool takeLeftOpen(const QWidget& mainWindow);

    bool taken() const { return m_taken; }
    // Empty, or why the file could not be written.
    const std::string& failure() const { return m_failure; }

private:
    void take(QWidget& dialog);

    std::filesystem::path m_file;
    std::string m_button;
    bool m_pressed = false;
    bool m_taken = false;
    std::string m_failure;
};

} // namespace finplan::gui
