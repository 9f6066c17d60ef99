#include "storage/RecordLocks.h"

#include <QDeadlineTimer>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>

namespace lumidex::recordlocks {

namespace {

// One byte at 1 TiB: no archive comes near it (285 million cards), and every file
// system that locks at all locks there.
constexpr off_t pendingByte = off_t(1) << 40;

// An archive is held for milliseconds at a time (a full read of 10,000 cards
// takes a few): a short steady poll gets in soon after the holder leaves and
// takes turns fairly with another instance appending in a loop.
constexpr unsigned long pollMs = 1;

enum class Try { Granted, Busy, Unsupported, Failed };

Try tryLock(int fd, short type, off_t start, off_t length)
{
    struct flock region;
    std::memset(&region, 0, sizeof region);
    region.l_type = type;
    region.l_whence = SEEK_SET;
    region.l_start = start;
    region.l_len = length;
    for (;;) {
        if (::fcntl(fd, F_OFD_SETLK, &region) == 0)
            return Try::Granted;
        switch (errno) {
        case EINTR:
            continue;
        case EAGAIN:
        case EACCES:
            return Try::Busy;
        // What a file system that cannot lock answers for the lock itself (some
        // network mounts): the archive format never needed the lock to be read.
        case ENOLCK:
        case EOPNOTSUPP:
        case ENOSYS:
        case EINVAL:
            return Try::Unsupported;
        default:
            return Try::Failed;
        }
    }
}

Try waitLock(int fd, short type, off_t start, off_t length, const QDeadlineTimer& deadline)
{
    for (;;) {
        const Try answer = tryLock(fd, type, start, length);
        if (answer != Try::Busy || deadline.hasExpired())
            return answer;
        QThread::msleep(pollMs);
    }
}

void unlockPending(int fd)
{
    // Only fails where locking failed before, and then nothing is held.
    tryLock(fd, F_UNLCK, pendingByte, 1);
}

Outcome outcomeOf(Try answer)
{
    switch (answer) {
    case Try::Granted:
        return Outcome::Locked;
    case Try::Busy:
        return Outcome::TimedOut;
    case Try::Unsupported:
        return Outcome::Unsupported;
    case Try::Failed:
        break;
    }
    return Outcome::Failed;
}

} // namespace

Outcome acquire(int fd, Kind kind, int timeoutMs)
{
    if (kind != Kind::Exclusive) {
        // Where no writer is inside or waiting, the records and the pending byte
        // are had in one go (they lie end to end), one call fewer than the two
        // steps below.
        if (tryLock(fd, F_RDLCK, 0, pendingByte + 1) == Try::Granted) {
            if (kind == Kind::Shared)
                unlockPending(fd);
            return Outcome::Locked;
        }
        const QDeadlineTimer deadline(timeoutMs);
        // Behind any writer already waiting: its pending byte keeps this one out.
        Try answer = waitLock(fd, F_RDLCK, pendingByte, 1, deadline);
        if (answer != Try::Granted)
            return outcomeOf(answer);
        answer = waitLock(fd, F_RDLCK, 0, pendingByte, deadline);
        const int error = errno;
        unlockPending(fd);
        errno = error;
        return outcomeOf(answer);
    }

    Try answer = tryLock(fd, F_WRLCK, 0, pendingByte);
    if (answer != Try::Busy)
        return outcomeOf(answer);
    const QDeadlineTimer deadline(timeoutMs);
    // Readers or another writer are inside: announce this writer, so that no new
    // reader gets in, and wait for those inside to leave.
    answer = waitLock(fd, F_WRLCK, pendingByte, 1, deadline);
    if (answer != Try::Granted)
        return outcomeOf(answer);
    answer = waitLock(fd, F_WRLCK, 0, pendingByte, deadline);
    const int error = errno;
    unlockPending(fd);
    errno = error;
    return outcomeOf(answer);
}

bool downgrade(int fd)
{
    return tryLock(fd, F_RDLCK, 0, pendingByte) == Try::Granted;
}

} // namespace lumidex::recordlocks
