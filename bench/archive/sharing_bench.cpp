// An archive shared by several programs, and a save made safe against being cut
// short.
//
// Saves between readers: two other programs read a 10,000-card archive back to
// back (a slideshow, a search, a second computer browsing), so that the archive is
// never free of readers; a third appends 40 cards. Each save must get in, and
// within twice the time of one full read and one save made alone: it waits at
// most for the readers already inside, then is made and synced.
//
// Saves among saves: two other programs save their own cards back to back, and a
// third saves 40 times back to back too. Waiting in turn, each save waits at most
// for the other two: the slowest within three times one save made alone.
//
// A save through its rollback file: the overwrite of a card with the rollback
// file written and synced first, next to the same overwrite where no rollback
// file can be made (its place is taken by a folder).
#include "BenchMain.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "storage/RollbackJournal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

using namespace lumidex;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int readerCards = 10000;
constexpr int saves = 40;

QStringList sampleCard(int n)
{
    QStringList values(layouts::registry.fieldCount());
    values[0] = QStringLiteral("Modella numero %1").arg(n);
    values[1] = n % 2 ? QStringLiteral("F") : QStringLiteral("M");
    values[2] = QStringLiteral("14/05/1998");
    values[4] = QString::fromUtf8("Forlì");
    values[5] = QStringLiteral("Via Garibaldi %1, 47121 Forlì (FC)").arg(n % 300);
    values[6] = QStringLiteral("RSSMRA98E54D704X");
    values[23] = QString(180, QLatin1Char('e'));
    return values;
}

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString writeArchive(const QString& name, int cards)
{
    const QString path = folder().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot create the benchmark archive");
    for (int n = 1; n <= cards; ++n)
        file.write(layouts::registry.encode(sampleCard(n)));
    return path;
}

// One full read as the readers make it: every card, every field decoded.
int fullRead(const Archive& archive)
{
    QStringList values;
    int cards = 0;
    archive.visit([&](int, const RecordView& record) {
        record.texts(values);
        ++cards;
        return true;
    });
    return cards;
}

// The other programs: this program again, reading back to back until killed.
int runReader(const QString& path)
{
    const Archive archive(path, layouts::registry);
    try {
        for (;;)
            fullRead(archive);
    } catch (const ArchiveError&) {
        return 1;
    }
}

void BM_SavesBetweenBackToBackReaders(benchmark::State& state)
{
    const QString path = writeArchive(QStringLiteral("shared.pro"), readerCards);
    const Archive archive(path, layouts::registry);
    const QStringList card = sampleCard(0);
    for (auto _ : state) {
        // The time of one full read with the archive to itself, the best of five,
        // and of one save, the median of eleven.
        Clock::duration read = Clock::duration::max();
        for (int i = 0; i < 5; ++i) {
            const Clock::time_point start = Clock::now();
            fullRead(archive);
            read = std::min(read, Clock::now() - start);
        }
        std::vector<Clock::duration> alone;
        for (int i = 0; i < 11; ++i) {
            const Clock::time_point start = Clock::now();
            archive.append(card);
            alone.push_back(Clock::now() - start);
        }
        std::nth_element(alone.begin(), alone.begin() + 5, alone.end());
        const Clock::duration one = alone[5];

        std::vector<std::unique_ptr<QProcess>> readers;
        for (int i = 0; i < 2; ++i) {
            readers.push_back(std::make_unique<QProcess>());
            readers.back()->start(QCoreApplication::applicationFilePath(), { QStringLiteral("--reader"), path });
            readers.back()->waitForStarted();
        }
        // Both are inside their reading loop.
        QThread::msleep(300);

        int failed = 0;
        Clock::duration worst {};
        for (int i = 0; i < saves; ++i) {
            const Clock::time_point start = Clock::now();
            try {
                archive.append(card);
            } catch (const ArchiveError&) {
                ++failed;
            }
            worst = std::max(worst, Clock::now() - start);
            // A user does not save twice in the same instant.
            QThread::msleep(20);
        }
        bool readersKept = true;
        for (auto& reader : readers) {
            readersKept = readersKept && reader->state() == QProcess::Running;
            reader->kill();
            reader->waitForFinished();
        }
        if (!readersKept)
            state.SkipWithError("a reader stopped: the saves were not made between readers");
        state.counters["failed_saves"] = failed;
        // A save waits for the readers inside, then is made and synced as it
        // would be alone: at most one full read and one save.
        state.counters["worst_save_over_read_and_save"] = double(worst.count()) / double((read + one).count());
        state.counters["full_read_ms"] = std::chrono::duration<double, std::milli>(read).count();
        state.counters["one_save_ms"] = std::chrono::duration<double, std::milli>(one).count();
        state.counters["worst_save_ms"] = std::chrono::duration<double, std::milli>(worst).count();
    }
}

// The other savers: this program again, saving its card back to back until killed.
int runSaver(const QString& path, int position)
{
    const Archive archive(path, layouts::registry);
    QStringList card = sampleCard(position);
    try {
        for (int turn = 0;; ++turn) {
            card[0] = QStringLiteral("Modella salvata %1").arg(turn);
            archive.write(position, card);
        }
    } catch (const ArchiveError&) {
        return 1;
    }
}

void BM_SlowestSaveAmongBackToBackSavers(benchmark::State& state)
{
    const QString path = writeArchive(QStringLiteral("savers.pro"), 100);
    const Archive archive(path, layouts::registry);
    QStringList card = sampleCard(1);
    int turn = 0;
    const auto save = [&] {
        card[0] = QStringLiteral("Modella salvata %1").arg(++turn);
        const Clock::time_point start = Clock::now();
        archive.write(1, card);
        return Clock::now() - start;
    };
    for (auto _ : state) {
        // One save with the archive to itself: the median of 21.
        std::vector<Clock::duration> alone;
        for (int i = 0; i < 21; ++i)
            alone.push_back(save());
        std::nth_element(alone.begin(), alone.begin() + 10, alone.end());
        const Clock::duration one = alone[10];

        std::vector<std::unique_ptr<QProcess>> savers;
        for (int i = 0; i < 2; ++i) {
            savers.push_back(std::make_unique<QProcess>());
            savers.back()->start(
                QCoreApplication::applicationFilePath(), { QStringLiteral("--saver"), path, QString::number(2 + i) });
            savers.back()->waitForStarted();
        }
        QThread::msleep(300);

        int failed = 0;
        Clock::duration worst {};
        for (int i = 0; i < saves; ++i) {
            try {
                worst = std::max(worst, save());
            } catch (const ArchiveError&) {
                ++failed;
            }
        }
        bool saversKept = true;
        for (auto& saver : savers) {
            saversKept = saversKept && saver->state() == QProcess::Running;
            saver->kill();
            saver->waitForFinished();
        }
        if (!saversKept)
            state.SkipWithError("another saver stopped: the saves were not made among savers");
        state.counters["failed_saves"] = failed;
        state.counters["worst_save_over_one_save"] = double(worst.count()) / double(one.count());
        state.counters["one_save_ms"] = std::chrono::duration<double, std::milli>(one).count();
        state.counters["worst_save_ms"] = std::chrono::duration<double, std::milli>(worst).count();
    }
}

// The overwrite of one card, again and again, in an archive of a hundred.
void overwrite(benchmark::State& state, bool withRollback)
{
    const QString path
        = writeArchive(withRollback ? QStringLiteral("journalled.pro") : QStringLiteral("plain.pro"), 100);
    const QString journal = rollbackjournal::pathFor(path);
    QDir().rmdir(journal);
    // Where a folder stands in its place, no rollback file can be written.
    if (!withRollback && !QDir().mkdir(journal))
        state.SkipWithError("cannot take the rollback file's place");
    const Archive archive(path, layouts::registry);
    QStringList card = sampleCard(50);
    int turn = 0;
    const Clock::time_point start = Clock::now();
    for (auto _ : state) {
        card[0] = QStringLiteral("Modella modificata %1").arg(++turn);
        archive.write(50, card);
    }
    state.counters["ms_per_save"]
        = std::chrono::duration<double, std::milli>(Clock::now() - start).count() / double(state.iterations());
    QDir().rmdir(journal);
}

void BM_SaveWithRollbackFile(benchmark::State& state)
{
    overwrite(state, true);
}

void BM_SaveWithoutRollbackFile(benchmark::State& state)
{
    overwrite(state, false);
}

} // namespace

BENCHMARK(BM_SavesBetweenBackToBackReaders)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SlowestSaveAmongBackToBackSavers)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveWithoutRollbackFile)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_SaveWithRollbackFile)->Unit(benchmark::kMicrosecond)->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--reader") == 0)
        return runReader(QString::fromLocal8Bit(argv[2]));
    if (argc == 4 && std::strcmp(argv[1], "--saver") == 0)
        return runSaver(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    return bench::runBenchmarks(argc, argv);
}
