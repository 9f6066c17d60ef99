#pragma once

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <signal.h>
#include <sys/resource.h>

namespace lumidex::test {

// The ways a save meets a disk that has no room for it.
enum class DiskFault {
    // A small file system of its own, filled to the last byte. Mounting it needs
    // the superuser (as the test runs in CI); elsewhere the row is skipped.
    NoRoomLeft,
    // The same with one page free: a file longer than that is cut at 4096 bytes.
    OnePageLeft,
    // No file of the process may grow past a few bytes: any user can set it off,
    // on any file system.
    FileSizeLimit,
    // Every write is taken, but the disk refuses the final sync of a file in the
    // program folder, as a network share that learns of a failure only then
    // does: with EIO, or with ENOSPC for a full disk. Needs the fault shim
    // preloaded (a test added with FAULT_SHIM); elsewhere the row is skipped.
    SyncRefused,
    SyncRefusedNoRoom,
};

QList<DiskFault> allDiskFaults();
// "no room left", "one page left", "file size limit", "sync refused",
// "sync refused, no room".
const char* diskFaultName(DiskFault fault);
// The column "fault" with a row for each of `faults`, named after it. A file that
// fits in one page is written whole with one page left: leave that row out.
void addDiskFaultRows(const QList<DiskFault>& faults = allDiskFaults());
// The reason the system gives when `fault` stops a write.
QString diskFaultReason(DiskFault fault);
// What the user is told of it.
QString diskFaultWords(DiskFault fault);

// A program folder where a disk fault can be set off once its files are in
// place, and that is given back whole (unmounted, the limit lifted) when it goes.
class FaultyDisk {
public:
    explicit FaultyDisk(DiskFault fault);
    ~FaultyDisk();
    FaultyDisk(const FaultyDisk&) = delete;
    FaultyDisk& operator=(const FaultyDisk&) = delete;

    // Why the folder could not be made ready (what the test's skip says); empty
    // when it is ready.
    const QString& unavailable() const { return m_unavailable; }
    // The program folder, empty at first.
    QString path() const;

    // Sets the fault off: fills the file system, lowers the file size limit, or
    // has the folder's syncs refused. False, with the reason in unavailable(),
    // when it could not.
    bool strike();
    // Lifts the file size limit or lets syncs through again (a file system
    // stays full): the test's own checks afterwards may need to write.
    void lift();

private:
    bool fill(qint64 leave);

    DiskFault m_fault;
    QTemporaryDir m_dir;
    QString m_mountPoint;
    QString m_unavailable;
    bool m_mounted = false;
    bool m_limited = false;
    bool m_syncsRefused = false;
    rlimit m_oldLimit {};
    struct sigaction m_oldAction { };
};

} // namespace lumidex::test

// Skips the test, saying why, when the fault cannot be set off here.
#define LUMIDEX_REQUIRE_DISK(disk)                                                                                     \
    do {                                                                                                               \
        if (!(disk).unavailable().isEmpty())                                                                           \
            QSKIP(qPrintable((disk).unavailable()));                                                                   \
    } while (false)
