#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace finplan::plot {

// Tells when files change on disk. A run rewrites the plot file in pieces, so a change is
// reported once the file has been quiet for a moment; a file replaced by a new one (as safe
// writers do) stays followed.
class FileFollower : public QObject {
    Q_OBJECT
public:
    explicit FileFollower(QObject* parent = nullptr);

    void follow(const QString& path);
    static constexpr int kQuietMilliseconds = 150;

Q_SIGNALS:
    void changed(const QString& path);

private:
    void noteChange(const QString& path);
    void report();

    QFileSystemWatcher m_watcher;
    QTimer m_quiet;
    QStringList m_paths;
    QStringList m_pending;
};

} // namespace finplan::plot
