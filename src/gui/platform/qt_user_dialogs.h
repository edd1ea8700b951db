#pragma once

#include "platform/user_dialogs.h"

#include <QPointer>
#include <QWidget>

namespace finplan::gui {

// Message boxes and questions of the core as QMessageBoxes over the main window.
class QtUserDialogs : public UserDialogs {
public:
    void setParentWidget(QWidget* parent) { m_parent = parent; }
    Answer show(const Message& message) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace finplan::gui
