// The registry search over 100,000 cards with short, realistic values, next to
// a plain sequential read of the same file: the search reads the file once and
// holds only its result lines.
#include "BenchMain.h"
#include "BenchMemory.h"
#include "search/ArchiveSearch.h"
#include "search/FindInList.h"
#include "search/ResultLineBuilders.h"
#include "search/SearchCriteria.h"
#include "storage/Layouts.h"
#include "storage/RecordView.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

using namespace lumidex;

namespace {

constexpr int registryCards = 100000;
constexpr qint64 recordsPerRead = 256;

const char* const firstNames[] = { "Anna", "Giulia", "Sofia", "Chiara", "Martina", "Francesca", "Àlvaro", "Luca",
    "Marco", "Andrea", "Matteo", "Niccolò", "Elena", "Sara", "Federica", "Alessandro", "Davide", "Irene" };
const char* const surnames[] = { "Rossi", "Bianchi", "Ferrari", "Esposito", "Romano", "Colombo", "Ricci", "Marino",
    "Greco", "Bruno", "Gallo", "Conti", "De Luca", "Mancini", "Costa", "Giordano", "Rizzo", "Lombardi", "Moretti" };
const char* const places[] = { "Milano", "Roma", "Napoli", "Torino", "Forlì", "Rimini", "Bologna", "Cesena", "Ravenna",
    "Firenze", "Genova", "Bari", "Palermo", "Verona", "Padova" };
const char* const eyes[] = { "castani", "verdi", "azzurri", "neri", "grigi" };
const char* const hair[] = { "castani", "biondi", "neri", "rossi", "ricci castani" };

template <std::size_t N> QString pick(const char* const (&list)[N], int n)
{
    return QString::fromUtf8(list[std::size_t(n) % N]);
}

QStringList sampleCard(int n)
{
    const RecordLayout& layout = layouts::registry;
    QStringList values(layout.fieldCount());
    values[layout.indexOf("Nome")] = pick(firstNames, n * 7) + QLatin1Char(' ') + pick(surnames, n / 3);
    values[layout.indexOf("Sesso")] = n % 2 ? QStringLiteral("F") : QStringLiteral("M");
    values[layout.indexOf("DataNasc")] = QStringLiteral("%1/%2/%3")
                                             .arg(n % 28 + 1, 2, 10, QLatin1Char('0'))
                                             .arg(n % 12 + 1, 2, 10, QLatin1Char('0'))
                                             .arg(1970 + n % 35);
    values[layout.indexOf("Cittadinanza")] = QStringLiteral("Italiana");
    values[layout.indexOf("LuogoNasc")] = pick(places, n * 5);
    values[layout.indexOf("Indirizzo")] = QStringLiteral("Via Garibaldi %1, %2").arg(n % 300).arg(pick(places, n));
    values[layout.indexOf("CodFisc")] = QStringLiteral("RSSMRA98E54D704X");
    values[layout.indexOf("Email")] = QStringLiteral("modella%1@example.it").arg(n);
    values[layout.indexOf("Cellulare")] = QStringLiteral("333 %1").arg(1000000 + n);
    values[layout.indexOf("Lingue")] = QStringLiteral("Italiano, inglese");
    values[layout.indexOf("Altezza")] = QStringLiteral("1,%1 m").arg(60 + n % 30);
    values[layout.indexOf("Occhi")] = pick(eyes, n);
    values[layout.indexOf("Capelli")] = pick(hair, n / 5);
    values[layout.indexOf("Disponibilita")] = QStringLiteral("Weekend e trasferte");
    values[layout.indexOf("Note")] = n % 4 ? QString() : QStringLiteral("Book aggiornato nel %1").arg(2015 + n % 10);
    return values;
}

// Written straight to the file: appending 100,000 cards one operation at a time
// would time the generator rather than the search.
struct RegistryFixture {
    QTemporaryDir dir;
    QString path;
    qint64 size = 0;

    explicit RegistryFixture(QStringList (*card)(int n))
        : path(dir.filePath(QStringLiteral("Archivio_Anagrafico.pro")))
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create the benchmark archive");
        for (int n = 1; n <= registryCards; ++n)
            file.write(layouts::registry.encode(card(n)));
        size = file.size();
    }
};

const RegistryFixture& registry()
{
    static const RegistryFixture fixture(&sampleCard);
    return fixture;
}

// The same card 100,000 times: every line of the search is the same, and every
// card matches the line chosen from the list.
const RegistryFixture& identicalRegistry()
{
    static const RegistryFixture fixture([](int) { return sampleCard(1); });
    return fixture;
}

// The search's own lines, then lines built to trip a text search that starts
// afresh at every character: a key of many "a" and one "b" against lines of
// "a" alone.
const ResultLines& ordinaryLines()
{
    static const ResultLines lines = [] {
        QStringList built;
        for (int n = 1; n <= registryCards; ++n)
            built.append(resultline::registry(sampleCard(n)));
        ResultLines stored = ResultLines::fromTexts(built);
        stored.sort();
        return stored;
    }();
    return lines;
}

const ResultLines& nearMissLines()
{
    static const ResultLines lines = [] {
        QStringList built;
        for (int n = 1; n <= registryCards; ++n) {
            QStringList card = sampleCard(n);
            card[layouts::registry.indexOf("Nome")] = QString(30, QLatin1Char('a'));
            card[layouts::registry.indexOf("Note")] = QString(60, QLatin1Char('a'));
            built.append(resultline::registry(card));
        }
        return ResultLines::fromTexts(built);
    }();
    return lines;
}

// The registry read from start to end with nothing but the file's own reads;
// the number of cards read.
qint64 readRaw(QByteArray& buffer)
{
    const qint64 recordSize = layouts::registry.size();
    QFile file(registry().path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    qint64 records = 0;
    char first = 0;
    for (qint64 got; (got = file.read(buffer.data(), buffer.size())) > 0;) {
        records += got / recordSize;
        for (qint64 at = 0; at < got; at += recordSize)
            first ^= buffer.at(at);
    }
    benchmark::DoNotOptimize(first);
    return records;
}

void rawSequentialRead(benchmark::State& state)
{
    QByteArray buffer(recordsPerRead * layouts::registry.size(), Qt::Uninitialized);
    for (auto _ : state)
        if (readRaw(buffer) != registryCards)
            state.SkipWithError("wrong number of cards");
    state.SetBytesProcessed(state.iterations() * registry().size);
}

// The search of every card and the raw read taken turn about, each timed on its
// own: the speed of this machine drifts over seconds (other work on the same
// host), and timed apart, seconds from each other, the two would meet different
// machines. The counter is the search's time over the read's.
void searchTurnAboutWithRawRead(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    QByteArray buffer(recordsPerRead * layouts::registry.size(), Qt::Uninitialized);
    const RecordSource records = archiveRecords(registry().path, layouts::registry);
    Clock::duration searches {};
    Clock::duration reads {};
    bool searchFirst = false;
    for (auto _ : state) {
        searchFirst = !searchFirst;
        for (int turn = 0; turn < 2; ++turn) {
            const bool isSearch = (turn == 0) == searchFirst;
            const Clock::time_point start = Clock::now();
            const qint64 seen
                = isSearch ? searchLines(records, SearchCriteria(), &resultline::registry).size() : readRaw(buffer);
            (isSearch ? searches : reads) += Clock::now() - start;
            if (seen != registryCards)
                state.SkipWithError("wrong number of cards");
        }
    }
    state.counters["search_over_raw_read"] = double(searches.count()) / double(std::max<Clock::rep>(1, reads.count()));
}

// The visit every search goes through, with nothing done per card: what the
// search itself adds is the difference.
void visitEveryCard(benchmark::State& state)
{
    const RecordSource records = archiveRecords(registry().path, layouts::registry);
    for (auto _ : state) {
        // A count per run, kept apart as a search keeps its lines.
        PerRun<int> counts;
        for (int part = 0; part < counts.count(); ++part)
            counts[part] = 0;
        records(counts.count(), [&counts](int part, int, const RecordView&) { return ++counts[part] > 0; });
        int visited = 0;
        for (int part = 0; part < counts.count(); ++part)
            visited += counts[part];
        if (visited != registryCards)
            state.SkipWithError("wrong number of cards");
    }
    state.SetBytesProcessed(state.iterations() * registry().size);
}

void runSearch(benchmark::State& state, const SearchCriteria& criteria, qsizetype expectedAtLeast,
    const RegistryFixture& archive = registry())
{
    const RecordSource records = archiveRecords(archive.path, layouts::registry);
    bench::PeakGrowth memory;
    if (!memory.start())
        state.SkipWithError("the resident memory cannot be measured here");
    for (auto _ : state) {
        const ResultLines lines = searchLines(records, criteria, &resultline::registry);
        if (lines.size() < expectedAtLeast)
            state.SkipWithError("too few lines");
        benchmark::DoNotOptimize(lines.bytes(0).data());
    }
    state.counters["peakMemoryToFile"] = double(memory.growth()) / double(archive.size);
    state.SetItemsProcessed(state.iterations() * registryCards);
    state.SetBytesProcessed(state.iterations() * archive.size);
}

void searchEveryCard(benchmark::State& state)
{
    runSearch(state, SearchCriteria(), registryCards);
}

void searchByNameAndPlace(benchmark::State& state)
{
    const SearchCriteria criteria({ { layouts::registry.indexOf("Nome"), QStringLiteral("ross") },
        { layouts::registry.indexOf("LuogoNasc"), QStringLiteral("mi") } });
    runSearch(state, criteria, 1);
}

void searchIdenticalCards(benchmark::State& state)
{
    runSearch(state, SearchCriteria(), registryCards, identicalRegistry());
}

// A double click on a line: every card is read again and the last whose line
// is the chosen one is loaded.
void runChoice(benchmark::State& state, const RegistryFixture& archive, int expectedPosition)
{
    const RecordSource records = archiveRecords(archive.path, layouts::registry);
    const QString chosen = resultline::registry(sampleCard(1));
    for (auto _ : state) {
        std::optional<Card> found;
        findLastRecordOfLine(records, &resultline::registry, chosen, found);
        if (!found || found->position != expectedPosition)
            state.SkipWithError("the wrong card was found");
    }
    state.SetItemsProcessed(state.iterations() * registryCards);
}

void chooseAmongOrdinaryCards(benchmark::State& state)
{
    runChoice(state, registry(), 1);
}

void chooseAmongIdenticalCards(benchmark::State& state)
{
    runChoice(state, identicalRegistry(), registryCards);
}

// One press of "Trova" that goes round the whole list.
void runFind(benchmark::State& state, const ResultLines& lines, const QString& key, int expected)
{
    for (auto _ : state) {
        const int found = findInList(lines, 0, key, QString());
        if (found != expected)
            state.SkipWithError("the wrong line was found");
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * lines.size());
}

void findOnlyInTheLastLine(benchmark::State& state)
{
    const ResultLines& lines = ordinaryLines();
    const QString key = lines.at(lines.size() - 1).left(30).trimmed().toLower() + QLatin1Char(' ');
    int expected = -1;
    for (qsizetype i = 0; i < lines.size() && expected < 0; ++i)
        if (lines.at(i).toLower().contains(key))
            expected = int(i);
    if (expected < lines.size() / 2)
        state.SkipWithError("the key is found too early for a whole pass");
    runFind(state, lines, key, expected);
}

void findNowhere(benchmark::State& state)
{
    runFind(state, nearMissLines(), QString(29, QLatin1Char('a')) + QLatin1Char('b'), -1);
}

} // namespace

BENCHMARK(rawSequentialRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(visitEveryCard)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(searchTurnAboutWithRawRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(searchEveryCard)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(searchByNameAndPlace)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(searchIdenticalCards)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(chooseAmongOrdinaryCards)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(chooseAmongIdenticalCards)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(findOnlyInTheLastLine)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(findNowhere)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The archives and the lists are made before any timing starts.
    registry();
    identicalRegistry();
    ordinaryLines();
    nearMissLines();
    return bench::runBenchmarks(argc, argv);
}
