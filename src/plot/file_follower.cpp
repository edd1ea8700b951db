#include "plot/file_follower.h"

#include <QFileInfo>

namespace finplan::plot {

FileFollower::FileFollower(QObject* parent)
    : QObject(parent) {
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kQuietMilliseconds);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FileFollower::noteChange);
    // A file written by replacement disappears from the watch; its folder tells of the new one.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString&) {
        for (const QString& path : m_paths) {
            if (!m_watcher.files().contains(path) && QFileInfo::exists(path)) {
                m_watcher.addPath(path);
                noteChange(path);
            }
        }
    });
    connect(&m_quiet, &QTimer::timeout, this, &FileFollower::report);
}

void FileFollower::follow(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (m_paths.contains(absolute)) {
        return;
    }
    m_paths.append(absolute);
    m_watcher.addPath(absolute);
    m_watcher.addPath(QFileInfo(absolute).absolutePath());
}

void FileFollower::noteChange(const QString& path) {
    if (!m_pending.contains(path)) {
        m_pending.append(path);
    }
    if (!m_watcher.files().contains(path) && QFileInfo::exists(path)) {
        m_watcher.addPath(path);
    }
    m_quiet.start();
}

void FileFollower::report() {
    const QStringList pending = std::exchange(m_pending, {});
    for (const QString& path : pending) {
        Q_EMIT changed(path);
    }
}

} // namespace finplan::plot
