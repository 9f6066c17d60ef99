#pragma once

#include <QObject>
#include <QString>

namespace lumidex {

// Tells whoever listens that an archive was just used without its record lock,
// because the file system under it cannot lock (some network shares). The
// operation went ahead all the same; the listener decides how to tell the user,
// and when: the signal comes from inside the archive operation, so a listener
// that shows a message queues its connection.
class LockNotice : public QObject {
    Q_OBJECT
public:
    static LockNotice& instance();

signals:
    void archiveUsedWithoutLock(const QString& archivePath);

private:
    LockNotice() = default;
};

} // namespace lumidex
