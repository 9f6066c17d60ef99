#include "storage/RecordLocks.h"

#include <QDeadlineTimer>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

namespace lumidex::recordlocks {

namespace {

// One byte at 1 TiB: no archive comes near it (285 million cards), and every file
// system that locks at all locks there.
constexpr off_t pendingByte = off_t(1) << 40;
// The byte after it: the door to the line at the pending byte. Whoever waits for
// the pending byte holds it, so that nobody can slip past the one in line while
// the holder leaves and before the one in line is woken (the system hands a
// region that comes free to nobody in particular, and the program that has just
// let it go is often the first to ask again).
constexpr off_t entryByte = pendingByte + 1;

// After the deadline the alarm rings again at this pace, in case its first ring
// came a moment before the wait began (a signal is not kept for a later call).
constexpr long alarmRepeatNs = 2'000'000;

// Where the system answers a wait as it would a try (some network file systems,
// a lock held by a program of the same computer that the test shim stands in
// for), the wait becomes a poll at this pace.
constexpr unsigned long pollMs = 1;

enum class Try { Granted, Busy, Unsupported, Failed, TimedOut };

Try answerTo(int error)
{
    switch (error) {
    case EAGAIN:
    case EACCES:
    case EDEADLK:
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

struct flock regionOf(short type, off_t start, off_t length)
{
    struct flock region;
    std::memset(&region, 0, sizeof region);
    region.l_type = type;
    region.l_whence = SEEK_SET;
    region.l_start = start;
    region.l_len = length;
    return region;
}

Try tryLock(int fd, short type, off_t start, off_t length)
{
    struct flock region = regionOf(type, start, length);
    for (;;) {
        if (::fcntl(fd, F_OFD_SETLK, &region) == 0)
            return Try::Granted;
        if (errno != EINTR)
            return answerTo(errno);
    }
}

// The signal that ends a wait at its deadline. Its handler does nothing: it is
// there so that the signal interrupts the wait (no SA_RESTART) instead of ending
// the process.
int alarmSignal()
{
    static const int signal = [] {
        const int number = SIGRTMIN + 3;
        struct sigaction action;
        std::memset(&action, 0, sizeof action);
        action.sa_handler = [](int) {};
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        ::sigaction(number, &action, nullptr);
        return number;
    }();
    return signal;
}

// A timer that sends this thread the alarm signal at the deadline, and again
// every few milliseconds after, for as long as the wait lasts.
class WaitAlarm {
public:
    explicit WaitAlarm(const QDeadlineTimer& deadline)
    {
        const int signal = alarmSignal();
        sigset_t only;
        sigemptyset(&only);
        sigaddset(&only, signal);
        // A thread that blocks the signal would never be woken by it.
        m_unblocked = ::pthread_sigmask(SIG_UNBLOCK, &only, &m_mask) == 0;
        struct sigevent event;
        std::memset(&event, 0, sizeof event);
        event.sigev_notify = SIGEV_THREAD_ID;
        event.sigev_signo = signal;
        event._sigev_un._tid = ::gettid();
        if (::timer_create(CLOCK_MONOTONIC, &event, &m_timer) != 0)
            return;
        m_armed = true;
        const qint64 left = qMax<qint64>(1, deadline.remainingTimeNSecs());
        struct itimerspec when;
        std::memset(&when, 0, sizeof when);
        when.it_value.tv_sec = time_t(left / 1'000'000'000);
        when.it_value.tv_nsec = long(left % 1'000'000'000);
        when.it_interval.tv_nsec = alarmRepeatNs;
        if (::timer_settime(m_timer, 0, &when, nullptr) != 0) {
            ::timer_delete(m_timer);
            m_armed = false;
        }
    }
    ~WaitAlarm()
    {
        if (m_armed)
            ::timer_delete(m_timer);
        if (m_unblocked)
            ::pthread_sigmask(SIG_SETMASK, &m_mask, nullptr);
    }
    WaitAlarm(const WaitAlarm&) = delete;
    WaitAlarm& operator=(const WaitAlarm&) = delete;

    bool armed() const { return m_armed; }

private:
    timer_t m_timer {};
    sigset_t m_mask {};
    bool m_armed = false;
    bool m_unblocked = false;
};

// Waits in the system's queue of the region until it is granted or the deadline
// passes. Waiting there rather than trying again and again is what serves
// programs in turn: the system hands a region that comes free to those already
// waiting for it, so a newcomer never slips in between, and a writer waiting for
// the pending byte queues behind the writers waiting before it.
Try waitLock(int fd, short type, off_t start, off_t length, const QDeadlineTimer& deadline)
{
    const Try first = tryLock(fd, type, start, length);
    if (first != Try::Busy)
        return first;
    if (deadline.hasExpired())
        return Try::TimedOut;
    const WaitAlarm alarm(deadline);
    struct flock region = regionOf(type, start, length);
    for (;;) {
        if (deadline.hasExpired())
            return Try::TimedOut;
        if (!alarm.armed()) {
            // Without a timer the wait cannot be cut short: poll instead.
            const Try answer = tryLock(fd, type, start, length);
            if (answer != Try::Busy)
                return answer;
            QThread::msleep(pollMs);
            continue;
        }
        if (::fcntl(fd, F_OFD_SETLKW, &region) == 0)
            return Try::Granted;
        if (errno == EINTR)
            continue;
        const Try answer = answerTo(errno);
        if (answer != Try::Busy)
            return answer;
        QThread::msleep(pollMs);
    }
}

// Lets go of the pending byte and the entry byte, whichever are held.
void unlockQueue(int fd)
{
    // Only fails where locking failed before, and then nothing is held.
    tryLock(fd, F_UNLCK, pendingByte, 2);
}

void unlockEntry(int fd)
{
    tryLock(fd, F_UNLCK, entryByte, 1);
}

Outcome outcomeOf(Try answer)
{
    switch (answer) {
    case Try::Granted:
        return Outcome::Locked;
    case Try::Busy:
    case Try::TimedOut:
        return Outcome::TimedOut;
    case Try::Unsupported:
        return Outcome::Unsupported;
    case Try::Failed:
        break;
    }
    return Outcome::Failed;
}

} // namespace

Outcome acquire(int fd, Kind kind, int timeoutMs, bool* waited)
{
    const short type = kind == Kind::Exclusive ? F_WRLCK : F_RDLCK;
    // Where nobody is inside or waiting, the records, the pending byte and the
    // entry byte are had in one go (they lie end to end).
    const Try atOnce = tryLock(fd, type, 0, entryByte + 1);
    if (waited)
        *waited = atOnce == Try::Busy;
    if (atOnce == Try::Granted) {
        // A writer lets the next one through the door at once, to wait for the
        // pending byte; a reader of many records lets both bytes go, so that a
        // writer can line up while it reads.
        if (kind == Kind::Exclusive)
            unlockEntry(fd);
        else if (kind == Kind::Shared)
            unlockQueue(fd);
        return Outcome::Locked;
    }
    if (atOnce != Try::Busy)
        return outcomeOf(atOnce);

    const QDeadlineTimer deadline(timeoutMs);
    // Through the door, then in line at the pending byte: a reader behind any
    // writer waiting, a writer behind every one waiting before it. Once a writer
    // holds the pending byte no newcomer gets past, and it waits only for those
    // already inside.
    Try answer = waitLock(fd, type, entryByte, 1, deadline);
    if (answer == Try::Granted) {
        answer = waitLock(fd, type, pendingByte, 1, deadline);
        unlockEntry(fd);
    }
    if (answer == Try::Granted)
        answer = waitLock(fd, type, 0, pendingByte, deadline);
    const int error = answer == Try::TimedOut ? EAGAIN : errno;
    // A writer keeps the pending byte until it closes: the next writer in line
    // takes it then. A reader lets it go once inside.
    if (kind != Kind::Exclusive || answer != Try::Granted)
        unlockQueue(fd);
    errno = error;
    return outcomeOf(answer);
}

bool downgrade(int fd)
{
    if (tryLock(fd, F_RDLCK, 0, pendingByte) != Try::Granted)
        return false;
    unlockQueue(fd);
    return true;
}

} // namespace lumidex::recordlocks
