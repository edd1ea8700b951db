#pragma once

#include <optional>

class QWidget;

namespace finplan {
enum class Page;
}

namespace finplan::gui {

// What the command areas may ask of the main window's frame, and no more.
class WindowFrame {
public:
    virtual ~WindowFrame() = default;

    // After a command changed the scenario or its file: title, recent files, tabs, and the page
    // made anew (the named one, else the current one).
    virtual void refreshViews(std::optional<Page> page) = 0;
    virtual void updateTitle() = 0;
    // The window the commands' dialogs belong to; closing it ends the program.
    virtual QWidget& frameWidget() = 0;
    // Brings the open editors, calculators and list windows to the front; true when there is
    // one, and then a guarded command must do nothing.
    virtual bool anyDialogOpen() = 0;
    // A modeless window that commands wait for while it is open.
    virtual void addModelessWindow(QWidget* window) = 0;
};

} // namespace finplan::gui
