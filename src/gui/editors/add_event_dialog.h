#pragma once

#include <QDialog>

namespace finplan::gui {

// "Add Event": a button per kind of event, each asking for that kind's editor on a new event,
// one after another. Modeless; whoever opens it keeps it to one at a time.
class AddEventDialog : public QDialog {
    Q_OBJECT
public:
    explicit AddEventDialog(QWidget* parent = nullptr);

    // Puts the dialog beside `frame`'s right edge, inside `screen`, or else at its left.
    void placeBeside(const QRect& frame, const QRect& screen);

Q_SIGNALS:
    // The command id of the editor a button asks for (Withdrawal 101, Deposit 106, ...).
    void editorRequested(int commandId);
};

} // namespace finplan::gui
