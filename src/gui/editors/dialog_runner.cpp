#include "gui/editors/dialog_runner.h"

#include <QDialog>

namespace finplan::gui {

void execDialog(QDialog& dialog) {
    dialog.exec();
}

} // namespace finplan::gui
