#include "support/DiskFaults.h"
#include "support/TestMetaTypes.h"

#include "support/CauseWords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <sys/mount.h>
#include <sys/statvfs.h>

namespace lumidex::test {

namespace {

// Room for a few small files (a store, a photo, a spreadsheet of ten rows).
constexpr auto tmpfsOptions = "size=256k,mode=0755";
constexpr qint64 page = 4096;
// Shorter than any file a test writes.
constexpr rlim_t sizeLimit = 10;

bool refusesSyncs(DiskFault fault)
{
    return fault == DiskFault::SyncRefused || fault == DiskFault::SyncRefusedNoRoom;
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QList<DiskFault> allDiskFaults()
{
    return { DiskFault::NoRoomLeft, DiskFault::OnePageLeft, DiskFault::FileSizeLimit, DiskFault::SyncRefused,
        DiskFault::SyncRefusedNoRoom };
}

const char* diskFaultName(DiskFault fault)
{
    switch (fault) {
    case DiskFault::NoRoomLeft:
        return "no room left";
    case DiskFault::OnePageLeft:
        return "one page left";
    case DiskFault::FileSizeLimit:
        return "file size limit";
    case DiskFault::SyncRefused:
        return "sync refused";
    case DiskFault::SyncRefusedNoRoom:
        break;
    }
    return "sync refused, no room";
}

void addDiskFaultRows(const QList<DiskFault>& faults)
{
    QTest::addColumn<DiskFault>("fault");
    for (const DiskFault fault : faults)
        QTest::newRow(diskFaultName(fault)) << fault;
}

QString diskFaultReason(DiskFault fault)
{
    // As Qt words it: some reasons in its own words, the rest in the system's.
    switch (fault) {
    case DiskFault::FileSizeLimit:
        return qt_error_string(EFBIG);
    case DiskFault::SyncRefused:
        return qt_error_string(EIO);
    case DiskFault::NoRoomLeft:
    case DiskFault::OnePageLeft:
    case DiskFault::SyncRefusedNoRoom:
        break;
    }
    return qt_error_string(ENOSPC);
}

QString diskFaultWords(DiskFault fault)
{
    switch (fault) {
    case DiskFault::FileSizeLimit:
        return causewords::fileTooLarge();
    case DiskFault::SyncRefused:
        return causewords::diskError();
    case DiskFault::NoRoomLeft:
    case DiskFault::OnePageLeft:
    case DiskFault::SyncRefusedNoRoom:
        break;
    }
    return causewords::noRoom();
}

FaultyDisk::FaultyDisk(DiskFault fault)
    : m_fault(fault)
{
    if (!m_dir.isValid()) {
        m_unavailable = QStringLiteral("no temporary folder: ") + m_dir.errorString();
        return;
    }
    if (refusesSyncs(fault) && !dlsym(RTLD_DEFAULT, "lumidex_sync_shim_loaded")) {
        m_unavailable = QStringLiteral("a refused sync needs the fault shim preloaded (LD_PRELOAD), which CTest "
                                       "does for this test; run it through CTest");
        return;
    }
    if (fault == DiskFault::NoRoomLeft || fault == DiskFault::OnePageLeft) {
        m_mountPoint = m_dir.filePath(QStringLiteral("disco"));
        QDir().mkpath(m_mountPoint);
        if (::mount("tmpfs", QFile::encodeName(m_mountPoint).constData(), "tmpfs", 0, tmpfsOptions) != 0) {
            m_unavailable = QStringLiteral("a full disk needs a small tmpfs, which cannot be mounted here (%1; "
                                           "mounting needs the superuser)")
                                .arg(systemReason(errno));
            return;
        }
        m_mounted = true;
    }
    if (!QDir().mkpath(path()))
        m_unavailable = QStringLiteral("cannot make the program folder %1").arg(path());
}

FaultyDisk::~FaultyDisk()
{
    lift();
    // Detached, so that a file a failed test left open cannot keep it mounted.
    if (m_mounted)
        ::umount2(QFile::encodeName(m_mountPoint).constData(), MNT_DETACH);
}

QString FaultyDisk::path() const
{
    return (m_mounted ? m_mountPoint : m_dir.path()) + QStringLiteral("/Lumidex");
}

bool FaultyDisk::strike()
{
    switch (m_fault) {
    case DiskFault::NoRoomLeft:
        return fill(0);
    case DiskFault::OnePageLeft:
        return fill(page);
    case DiskFault::SyncRefused:
    case DiskFault::SyncRefusedNoRoom:
        // The syncs of files under the folder only: the test's own archives and
        // files elsewhere sync as usual.
        qputenv("LUMIDEX_SYNC_FOLDER", QFile::encodeName(QFileInfo(path()).canonicalFilePath()));
        qputenv("LUMIDEX_SYNC_ANSWER", m_fault == DiskFault::SyncRefused ? "EIO" : "ENOSPC");
        m_syncsRefused = true;
        return true;
    case DiskFault::FileSizeLimit:
        break;
    }
    // Past the limit a write fails with EFBIG, once the signal that would end the
    // process is ignored.
    struct sigaction ignore { };
    ignore.sa_handler = SIG_IGN;
    if (::getrlimit(RLIMIT_FSIZE, &m_oldLimit) != 0 || ::sigaction(SIGXFSZ, &ignore, &m_oldAction) != 0) {
        m_unavailable = systemReason(errno);
        return false;
    }
    rlimit lowered = m_oldLimit;
    lowered.rlim_cur = sizeLimit;
    if (::setrlimit(RLIMIT_FSIZE, &lowered) != 0) {
        m_unavailable = systemReason(errno);
        ::sigaction(SIGXFSZ, &m_oldAction, nullptr);
        return false;
    }
    m_limited = true;
    return true;
}

void FaultyDisk::lift()
{
    if (m_syncsRefused) {
        qunsetenv("LUMIDEX_SYNC_ANSWER");
        qunsetenv("LUMIDEX_SYNC_FOLDER");
        m_syncsRefused = false;
    }
    if (!m_limited)
        return;
    ::setrlimit(RLIMIT_FSIZE, &m_oldLimit);
    ::sigaction(SIGXFSZ, &m_oldAction, nullptr);
    m_limited = false;
}

bool FaultyDisk::fill(qint64 leave)
{
    // Beside the program folder, not in it: the folder holds only what the test put there.
    QFile filler(m_mountPoint + QStringLiteral("/riempitivo"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_unavailable = filler.errorString();
        return false;
    }
    const QByteArray block(64 * 1024, '\0');
    while (filler.write(block) > 0) { }
    // Whole pages are given back, so exactly `leave` bytes are free afterwards.
    const qint64 taken = (filler.size() + page - 1) / page * page;
    if (leave > 0 && !filler.resize(taken - leave)) {
        m_unavailable = filler.errorString();
        return false;
    }
    struct statvfs room { };
    if (::statvfs(QFile::encodeName(m_mountPoint).constData(), &room) != 0
        || qint64(room.f_bavail) * qint64(room.f_frsize) != leave) {
        m_unavailable = QStringLiteral("the small file system could not be filled");
        return false;
    }
    return true;
}

} // namespace lumidex::test
