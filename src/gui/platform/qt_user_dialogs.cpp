#include "gui/platform/qt_user_dialogs.h"

#include "gui/platform/unattended_dialogs.h"

#include <QMessageBox>

namespace finplan::gui {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

Answer QtUserDialogs::show(const Message& message) {
    QMessageBox box(boxIcon(message.icon), QString::fromStdString(message.title),
                    QString::fromStdString(message.text), boxButtons(message.buttons), m_parent);
    box.setObjectName(QStringLiteral("messageBox"));
    // Escape answers the way that changes nothing.
    const Answer careful = carefulAnswer(message.buttons);
    if (careful == Answer::No) {
        box.setEscapeButton(QMessageBox::No);
    } else if (careful == Answer::Cancel) {
        box.setEscapeButton(QMessageBox::Cancel);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return careful;
    }
}

} // namespace finplan::gui
