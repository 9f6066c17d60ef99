// A second program that works on the same archive as the archive tests. It waits
// for the archive as long as the program does, or ARCHIVE_WORKER_LOCK_TIMEOUT_MS.
//   archive_worker append <archive> <worker id> <count>  appends <count> worker records
//   archive_worker hold <archive> <milliseconds>         holds an exclusive lock on the whole file,
//                                                        then releases it (prints "locked" once held)
//   archive_worker browse <archive>                      counts and reads the first record, then
//                                                        tries to append: prints "<count> <Nome> <ok|refused>"
//   archive_worker reading <archive> <milliseconds>      stays inside a scan of the archive that long
//                                                        (prints "reading" once inside)
//   archive_worker scans <archive> <milliseconds>        scans the whole archive back to back that long,
//                                                        decoding every field
//   archive_worker overwrite <archive> <position>        overwrites the card at <position> with worker
//                                                        1's and 2's record in turn, until killed
//                                                        (prints "saving" after the first save)
//   archive_worker cut <archive> <position>              dies in the middle of overwriting the card at
//                                                        <position> with worker 2's record, its
//                                                        rollback file written and the card up to
//                                                        the next page edge of the file too
//   archive_worker write <archive> <position> <name>     saves the card at <position> as <name>
//   archive_worker saves <archive> <position> <count>    saves the card at <position> <count> times, back
//                                                        to back (exits 1 at the first failure)
//   archive_worker show <archive> <position>             prints the name on the card at <position>
#include "WorkerRecord.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "storage/RollbackJournal.h"
#include "support/TestFiles.h"
#include "support/TestRecords.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

using namespace lumidex;

namespace {

int holdExclusive(const QString& path, unsigned long milliseconds)
{
    // The lock another instance of the program would hold while it writes.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT, 0666);
    struct flock region;
    std::memset(&region, 0, sizeof region);
    region.l_type = F_WRLCK;
    region.l_whence = SEEK_SET;
    if (fd < 0 || ::fcntl(fd, F_OFD_SETLK, &region) != 0)
        return 1;
    std::printf("locked\n");
    std::fflush(stdout);
    QThread::msleep(milliseconds);
    return 0;
}

void say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

int run(const QStringList& args)
{
    const QString command = args.value(1);
    // A shorter wait for the archive than the program's, where a test asks for one.
    if (const int wait = qEnvironmentVariableIntValue("ARCHIVE_WORKER_LOCK_TIMEOUT_MS"); wait > 0)
        Archive::setDefaultLockTimeout(wait);
    const Archive archive(args.value(2), layouts::registry);
    if (args.size() == 5 && command == QLatin1String("append")) {
        const int worker = args[3].toInt();
        const int count = args[4].toInt();
        for (int i = 0; i < count; ++i) {
            archive.append(test::workerRecord(worker, i));
            // A pause between appends lets the two workers take turns.
            QThread::usleep(500);
        }
        return 0;
    }
    if (args.size() == 4 && command == QLatin1String("hold"))
        return holdExclusive(args[2], args[3].toULong());
    if (args.size() == 3 && command == QLatin1String("browse")) {
        const int count = archive.count();
        const QString nome = archive.read(1).value(0);
        bool appended = true;
        try {
            archive.append(test::workerRecord(1, 0));
        } catch (const ArchiveError&) {
            appended = false;
        }
        std::printf("%d %s %s\n", count, qPrintable(nome), appended ? "ok" : "refused");
        return 0;
    }
    if (args.size() == 4 && command == QLatin1String("reading")) {
        archive.visit([&](int, const RecordView&) {
            say("reading");
            QThread::msleep(args[3].toULong());
            return false;
        });
        return 0;
    }
    if (args.size() == 4 && command == QLatin1String("scans")) {
        const QDeadlineTimer deadline(args[3].toInt());
        int scans = 0;
        QStringList values;
        while (!deadline.hasExpired()) {
            // Every field decoded, as an export or a search over many criteria does.
            archive.visit([&values](int, const RecordView& record) {
                record.texts(values);
                return true;
            });
            ++scans;
        }
        std::printf("%d\n", scans);
        return 0;
    }
    if (args.size() == 4 && command == QLatin1String("moves")) {
        const QDeadlineTimer deadline(args[3].toInt());
        const int cards = archive.count();
        int moves = 0;
        // One card after another, as fast as Next can go: each move holds the
        // archive for microseconds, with hardly a moment between.
        while (!deadline.hasExpired())
            archive.read(moves++ % cards + 1);
        std::printf("%d\n", moves);
        return 0;
    }
    if (args.size() == 4 && command == QLatin1String("overwrite")) {
        const int position = args[3].toInt();
        for (int turn = 0;; ++turn) {
            archive.write(position, test::workerRecord(1 + turn % 2, 0));
            if (turn == 0)
                say("saving");
        }
    }
    if (args.size() == 4 && command == QLatin1String("cut")) {
        const int position = args[3].toInt();
        const int size = test::registryRecordSize;
        const QByteArray before = test::readBytes(archive.filePath());
        const QByteArray old = before.mid(qsizetype(position - 1) * size, size);
        const QByteArray next = test::rawRecord(test::registryRecordFields(), test::workerRecord(2, 0));
        if (!rollbackjournal::write(
                rollbackjournal::pathFor(archive.filePath()), { position - 1, before.size(), old, next }))
            return 1;
        const int fd = ::open(QFile::encodeName(archive.filePath()).constData(), O_WRONLY);
        const qint64 at = qint64(position - 1) * size;
        // As the system stops a write cut short by a fatal signal: at the edge of
        // a page of the file, the new card before it, the old one after.
        const qint64 part = qMin<qint64>((at / 4096 + 1) * 4096 - at, size);
        if (fd < 0 || ::pwrite(fd, next.constData(), size_t(part), at) != part)
            return 1;
        ::kill(::getpid(), SIGKILL);
    }
    if (args.size() == 5 && command == QLatin1String("saves")) {
        const int position = args[3].toInt();
        const int count = args[4].toInt();
        for (int i = 0; i < count; ++i)
            archive.write(position, test::workerRecord(position, i));
        return 0;
    }
    if (args.size() == 4 && command == QLatin1String("show")) {
        say(qPrintable(archive.read(args[3].toInt()).value(0)));
        return 0;
    }
    if (args.size() == 5 && command == QLatin1String("write")) {
        archive.write(args[3].toInt(), { args[4] });
        say("saved");
        return 0;
    }
    std::fprintf(stderr, "usage: see the head of archive_worker.cpp\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    try {
        return run(app.arguments());
    } catch (const ArchiveError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.reason()));
        return 1;
    }
}
