#pragma once

#include <QString>
#include <QStringList>

namespace finplan::gui {

// Starts a program beside this one and lets it run on its own. Tests put a recorder here.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // False when the program could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments,
                               const QString& workDir) = 0;
};

class DetachedLauncher final : public ProgramLauncher {
public:
    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& workDir) override;
};

} // namespace finplan::gui
