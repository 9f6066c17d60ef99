// The archive operations at agency scale. A move to another card, a count and an
// append each touch one record whatever the archive's size: they are timed at 10
// and at 100,000 cards, next to the bare system calls that do the same (open,
// pread or pwrite of the same record, close, with the lock a move needs and the
// sync an append needs). A scan reads every record once and
// decodes only the fields it asks for: it is timed next to a plain fread of the
// same file, and its memory must not grow with the archive.
#include "BenchMain.h"
#include "BenchMemory.h"
#include "editing/Navigation.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

using namespace lumidex;

namespace {

constexpr int recordSize = layouts::registry.size();

QStringList sampleCard(int n)
{
    QStringList values(layouts::registry.fieldCount());
    values[0] = QStringLiteral("Modella numero %1").arg(n);
    values[1] = n % 2 ? QStringLiteral("F") : QStringLiteral("M");
    values[2] = QStringLiteral("14/05/1998");
    values[3] = QStringLiteral("Italiana");
    values[4] = QString::fromUtf8("Forlì");
    values[5] = QStringLiteral("Via Garibaldi %1, 47121 Forlì (FC)").arg(n % 300);
    values[6] = QStringLiteral("RSSMRA98E54D704X");
    values[8] = QStringLiteral("modella%1@example.it").arg(n);
    values[10] = QStringLiteral("333 %1").arg(1000000 + n);
    values[12] = QStringLiteral("Italiano, inglese, francese");
    values[23] = QString(180, QLatin1Char('e'));
    values[25] = QString::fromUtf8("Disponibile per servizi all'estero; città preferite: Milano, Parigi.");
    values[26] = QStringLiteral("Contratto_%1.pdf").arg(n);
    return values;
}

// Registries of a given number of cards, written straight to their files:
// appending 100,000 cards one operation at a time would time the generator.
class Registries {
public:
    const QString& path(int cards)
    {
        auto found = m_paths.find(cards);
        if (found != m_paths.end())
            return found->second;
        const QString path = m_dir.filePath(QStringLiteral("Archivio_%1.pro").arg(cards));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create the benchmark archive");
        for (int n = 1; n <= cards; ++n)
            file.write(layouts::registry.encode(sampleCard(n)));
        return m_paths.emplace(cards, path).first->second;
    }
    QString scratch(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    std::map<int, QString> m_paths;
};

Registries& registries()
{
    static Registries instance;
    return instance;
}

// The cards a run of moves visits: ten cards in the middle of the archive, one
// after the other as a user pressing Next does, then the same ten again. Small
// and large archives are walked over the same number of cards, so that what is
// compared is the cost of the archive's size, not of reaching cold memory.
struct Walk {
    static constexpr int cards = 10;
    int first;
    int step = 0;
    explicit Walk(int archiveCards)
        : first((archiveCards - cards) / 2 + 1)
    { }
    int next()
    {
        const int position = first + step;
        step = (step + 1) % cards;
        return position;
    }
};

// Baseline: the record read with the least work that keeps the archive's
// promises to other programs: the system calls of the read and the shared lock
// that keeps a save from writing the card while it is read.
bool bareRead(const QByteArray& path, int position)
{
    char record[recordSize];
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    struct flock region { };
    region.l_type = F_RDLCK;
    region.l_whence = SEEK_SET;
    ::fcntl(fd, F_OFD_SETLK, &region);
    const ssize_t got = ::pread(fd, record, recordSize, off_t(position - 1) * recordSize);
    ::close(fd);
    benchmark::DoNotOptimize(record);
    return got == recordSize;
}

// What Next does in an editor to reach `position`: one opening for the count and
// the card, the card's fields decoded for its controls.
bool move(const QString& path, int position)
{
    const QString label = position == 1 ? QString() : QString::number(position - 1);
    const Archive archive(path, layouts::registry);
    const Archive::CountAndCard chosen = archive.readChosen([&](int count) {
        const MoveDecision decision = decideMove(Move::Next, label, count);
        return decision.kind == MoveDecision::Kind::Show ? decision.position : 0;
    });
    const Card& card = chosen.card;
    benchmark::DoNotOptimize(card.values.constData());
    return card.position == position && card.values.size() == layouts::registry.fieldCount();
}

void BM_BareRead(benchmark::State& state)
{
    const int cards = int(state.range(0));
    const QByteArray path = QFile::encodeName(registries().path(cards));
    Walk walk(cards);
    for (auto _ : state)
        if (!bareRead(path, walk.next()))
            state.SkipWithError("short read");
}

void BM_Move(benchmark::State& state)
{
    const int cards = int(state.range(0));
    const QString& path = registries().path(cards);
    Walk walk(cards);
    for (auto _ : state)
        if (!move(path, walk.next()))
            state.SkipWithError("the move did not land on the next card");
}

// The move and the bare read of the same record taken turn about, each timed on
// its own, so that whatever else the machine is doing weighs on both alike; the
// counter is the move's time over the bare read's.
void BM_MoveTurnAboutWithBareRead(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const int cards = int(state.range(0));
    const QString& path = registries().path(cards);
    const QByteArray encoded = QFile::encodeName(path);
    Walk walk(cards);
    Clock::duration moves {};
    Clock::duration bare {};
    bool moveFirst = false;
    for (auto _ : state) {
        const int position = walk.next();
        // Each goes first half of the time: the second finds the record warm.
        moveFirst = !moveFirst;
        for (int turn = 0; turn < 2; ++turn) {
            const bool isMove = (turn == 0) == moveFirst;
            const Clock::time_point start = Clock::now();
            const bool done = isMove ? move(path, position) : bareRead(encoded, position);
            (isMove ? moves : bare) += Clock::now() - start;
            if (!done)
                state.SkipWithError("the record was not read");
        }
    }
    state.counters["move_over_bare_read"] = double(moves.count()) / double(std::max<Clock::rep>(1, bare.count()));
}

void BM_BareCount(benchmark::State& state)
{
    const QByteArray path = QFile::encodeName(registries().path(int(state.range(0))));
    for (auto _ : state) {
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        struct stat info;
        ::fstat(fd, &info);
        ::close(fd);
        benchmark::DoNotOptimize(info.st_size / recordSize);
    }
}

void BM_Count(benchmark::State& state)
{
    const QString& path = registries().path(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Archive(path, layouts::registry).count());
}

// Appends go to an archive of their own, which grows by one card per iteration.
// Each waits for the disk, so fewer of them are timed than of the moves.
constexpr int appends = 2000;

void BM_BareAppend(benchmark::State& state)
{
    const QString name = registries().scratch(QStringLiteral("bare.pro"));
    QFile::remove(name);
    const QByteArray path = QFile::encodeName(name);
    const QByteArray record = layouts::registry.encode(sampleCard(1));
    for (auto _ : state) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        struct stat info;
        ::fstat(fd, &info);
        const ssize_t put = ::pwrite(fd, record.constData(), recordSize, info.st_size / recordSize * recordSize);
        const int synced = ::fdatasync(fd);
        ::close(fd);
        if (put != recordSize || synced != 0)
            state.SkipWithError("short write");
    }
    QFile::remove(name);
}

// What Save does for a new card: the card encoded, appended and on the disk.
void BM_Append(benchmark::State& state)
{
    const QString path = registries().scratch(QStringLiteral("append.pro"));
    QFile::remove(path);
    const QStringList card = sampleCard(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(Archive(path, layouts::registry).append(card));
    QFile::remove(path);
}

// Baseline of the scans: the whole file through fread, a megabyte at a time.
void BM_RawFread(benchmark::State& state)
{
    const QByteArray path = QFile::encodeName(registries().path(int(state.range(0))));
    std::vector<char> buffer(std::size_t(1) << 20);
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.constData(), "rb");
        if (!file) {
            state.SkipWithError("cannot open the archive");
            break;
        }
        std::size_t total = 0;
        char first = 0;
        for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0;) {
            total += got;
            first ^= buffer[0];
        }
        std::fclose(file);
        if (total != std::size_t(state.range(0)) * recordSize)
            state.SkipWithError("short read");
        benchmark::DoNotOptimize(first);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * recordSize);
}

// A scan asking three fields of every card (name, birthplace, mobile), as a
// search by them does.
void BM_Scan(benchmark::State& state)
{
    const int cards = int(state.range(0));
    const Archive archive(registries().path(cards), layouts::registry);
    constexpr int nome = layouts::registry.indexOf("Nome");
    constexpr int luogo = layouts::registry.indexOf("LuogoNasc");
    constexpr int cellulare = layouts::registry.indexOf("Cellulare");
    bench::PeakGrowth memory;
    if (!memory.start())
        state.SkipWithError("the resident memory cannot be measured here");
    QString name;
    QString place;
    QString mobile;
    for (auto _ : state) {
        qsizetype characters = 0;
        int visited = 0;
        archive.visit([&](int, const RecordView& record) {
            record.text(nome, name);
            record.text(luogo, place);
            record.text(cellulare, mobile);
            characters += name.size() + place.size() + mobile.size();
            ++visited;
            return true;
        });
        if (visited != cards)
            state.SkipWithError("wrong number of cards");
        benchmark::DoNotOptimize(characters);
    }
    state.counters["peak_growth_MiB"] = double(memory.growth()) / (1 << 20);
    state.SetBytesProcessed(state.iterations() * state.range(0) * recordSize);
}

} // namespace

BENCHMARK(BM_BareRead)->Arg(10)->Arg(100000)->UseRealTime();
BENCHMARK(BM_Move)->Arg(10)->Arg(100000)->UseRealTime();
BENCHMARK(BM_MoveTurnAboutWithBareRead)->Arg(100000)->UseRealTime();
BENCHMARK(BM_BareCount)->Arg(100000)->UseRealTime();
BENCHMARK(BM_Count)->Arg(100000)->UseRealTime();
BENCHMARK(BM_BareAppend)->Iterations(appends)->UseRealTime();
BENCHMARK(BM_Append)->Iterations(appends)->UseRealTime();
BENCHMARK(BM_RawFread)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Scan)->Arg(10)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The archives are written before any timing starts.
    registries().path(10);
    registries().path(100000);
    return bench::runBenchmarks(argc, argv);
}
