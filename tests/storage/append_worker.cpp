// Helper process for the archive tests.
//   append_worker append <archive> <worker id> <count>  appends <count> worker records
//   append_worker hold <archive> <milliseconds>         holds an exclusive lock on the archive,
//                                                       then releases it (prints "locked" once held)
//   append_worker browse <archive>                      counts and reads the first record, then
//                                                       tries to append: prints "<count> <Nome> <ok|refused>"
#include "WorkerRecord.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace lumidex;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == "append") {
        const Archive archive(args[2], layouts::registry);
        const int worker = args[3].toInt();
        const int count = args[4].toInt();
        try {
            for (int i = 0; i < count; ++i) {
                archive.append(test::workerRecord(worker, i));
                // A pause between appends lets the two workers take turns.
                QThread::usleep(500);
            }
        } catch (const ArchiveError& error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.reason()));
            return 1;
        }
        return 0;
    }
    if (args.size() == 4 && args[1] == "hold") {
        // The lock another instance of the program would hold while it writes.
        const int fd = ::open(QFile::encodeName(args[2]).constData(), O_RDWR | O_CREAT, 0666);
        struct flock region;
        std::memset(&region, 0, sizeof region);
        region.l_type = F_WRLCK;
        region.l_whence = SEEK_SET;
        if (fd < 0 || ::fcntl(fd, F_OFD_SETLK, &region) != 0)
            return 1;
        std::printf("locked\n");
        std::fflush(stdout);
        QThread::msleep(args[3].toULong());
        return 0;
    }
    if (args.size() == 3 && args[1] == "browse") {
        const Archive archive(args[2], layouts::registry);
        try {
            const int count = archive.count();
            const QString nome = archive.read(1).value(0);
            bool appended = true;
            try {
                archive.append(test::workerRecord(1, 0));
            } catch (const ArchiveError&) {
                appended = false;
            }
            std::printf("%d %s %s\n", count, qPrintable(nome), appended ? "ok" : "refused");
        } catch (const ArchiveError& error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.reason()));
            return 1;
        }
        return 0;
    }
    std::fprintf(
        stderr, "usage: append_worker append <archive> <id> <count> | hold <archive> <ms> | browse <archive>\n");
    return 2;
}
