// Helper process for the archive tests.
//   append_worker append <archive> <worker id> <count>  appends <count> worker records
//   append_worker hold <archive> <milliseconds>         holds the archive's lock, then
//                                                       releases it (prints "locked" once held)
#include "WorkerRecord.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QThread>
#include <cstdio>

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
        QLockFile lock(args[2] + ".lock");
        if (!lock.tryLock(0))
            return 1;
        std::printf("locked\n");
        std::fflush(stdout);
        QThread::msleep(args[3].toULong());
        return 0;
    }
    std::fprintf(stderr, "usage: append_worker append <archive> <id> <count> | hold <archive> <ms>\n");
    return 2;
}
