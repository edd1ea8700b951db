#include "gui/platform/program_launcher.h"

#include <QProcess>

namespace finplan::gui {

bool DetachedLauncher::startDetached(const QString& program, const QStringList& arguments,
                                     const QString& workDir) {
    return QProcess::startDetached(program, arguments, workDir);
}

} // namespace finplan::gui
