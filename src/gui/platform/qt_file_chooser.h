#pragma once

#include "gui/platform/file_chooser.h"

#include <QPointer>
#include <QWidget>

namespace finplan::gui {

// File dialogs as QFileDialogs over the main window.
class QtFileChooser : public FileChooser {
public:
    void setParentWidget(QWidget* parent) { m_parent = parent; }
    std::optional<std::string> choose(const FileRequest& request) override;
    bool isOpen() const override { return m_open; }

private:
    QPointer<QWidget> m_parent;
    bool m_open = false;
};

} // namespace finplan::gui
