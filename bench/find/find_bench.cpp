// The find as you type over a registry of 100,000 cards: a key press (the look
// at the archive, the words typed, the matching, the list), the making of the
// index next to the record visit it reads, and what the index keeps.
#include "BenchMain.h"
#include "BenchMemory.h"
#include "find/ArchiveStamp.h"
#include "find/FindFields.h"
#include "find/FindIndex.h"
#include "find/FindQuery.h"
#include "find/FoundCardsModel.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "storage/RecordSource.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <malloc.h>

using namespace lumidex;

namespace {

constexpr int registryCards = 100000;

const char* const firstNames[] = { "Anna", "Giulia", "Sofia", "Chiara", "Martina", "Francesca", "Àlvaro", "Luca",
    "Marco", "Andrea", "Matteo", "Niccolò", "Elena", "Sara", "Federica", "Alessandro", "Davide", "Irene", "Øyvind",
    "Zoë", "Margherita", "Beatrice", "Tommaso", "Lorenzo", "Gabriele", "Aurora", "Ginevra", "Leonardo" };
const char* const surnames[] = { "Rossi", "Bianchi", "Ferrari", "Esposito", "Romano", "Colombo", "Ricci", "Marino",
    "Greco", "Bruno", "Gallo", "Conti", "De Luca", "Mancini", "Costa", "Giordano", "Rizzo", "Lombardi", "Moretti",
    "D'Angelo", "Dell'Acqua", "Barbieri", "Fontana", "Santoro", "Mariani", "Rinaldi", "Caruso", "Ferrara", "Galli",
    "Martini", "Leone", "Longo", "Gentile", "Martinelli", "Vitale", "Lombardo", "Serra", "Coppola", "De Santis",
    "D'Amico", "Marchetti", "Parisi", "Villa", "Conte", "Ferraro", "Ferri", "Fabbri", "Bianco", "Marini", "Grasso" };
const char* const places[] = { "Milano", "Roma", "Napoli", "Torino", "Forlì", "Rimini", "Bologna", "Cesena", "Ravenna",
    "Firenze", "Genova", "Bari", "Palermo", "Verona", "Padova", "Cesenatico", "Riccione", "Faenza", "Imola", "Lugo" };
const char* const streets[] = { "Via Garibaldi", "Corso Mazzini", "Via dell'Orso", "Piazza Cavour", "Viale Roma",
    "Via Matteotti", "Via XX Settembre", "Via Emilia", "Largo Augusto", "Via Sant'Ambrogio" };
const char* const nationalities[] = { "Italiana", "Italiana", "Italiana", "Francese", "Norvegese", "Brasiliana" };
const char* const notes[] = { "Book aggiornato", "Disponibile per sfilate e cataloghi", "Preferisce lavori all'aperto",
    "Agenzia partner di Parigi", "Contattare solo via e-mail" };

template <std::size_t N> QString pick(const char* const (&list)[N], int n)
{
    return QString::fromUtf8(list[std::size_t(n) % N]);
}

// A mobile number of its own for every card, written the ways people write
// them.
QString mobileOf(int n)
{
    const QString digits
        = QStringLiteral("3%1%2").arg(30 + n % 70).arg(1000000 + n * 7 % 8999999, 7, 10, QLatin1Char('0'));
    switch (n % 5) {
    case 0:
        return QStringLiteral("+39 %1 %2 %3").arg(digits.left(3), digits.mid(3, 3), digits.mid(6));
    case 1:
        return QStringLiteral("0039 %1.%2.%3").arg(digits.left(3), digits.mid(3, 3), digits.mid(6));
    case 2:
        return QStringLiteral("%1-%2").arg(digits.left(3), digits.mid(3));
    case 3:
        return QStringLiteral("(%1) %2").arg(digits.left(3), digits.mid(3));
    default:
        return digits;
    }
}

QStringList sampleCard(int n)
{
    const RecordLayout& layout = layouts::registry;
    QStringList values(layout.fieldCount());
    const QString first = pick(firstNames, n * 7);
    const QString surname = pick(surnames, n / 3 + n % 11);
    values[layout.indexOf("Nome")] = first + QLatin1Char(' ') + surname;
    values[layout.indexOf("Sesso")] = n % 2 ? QStringLiteral("F") : QStringLiteral("M");
    values[layout.indexOf("Cittadinanza")] = pick(nationalities, n);
    values[layout.indexOf("LuogoNasc")] = pick(places, n * 5);
    values[layout.indexOf("Indirizzo")] = QStringLiteral("%1 %2, %3 %4")
                                              .arg(pick(streets, n / 7))
                                              .arg(n % 300 + 1)
                                              .arg(20100 + n % 90 * 10)
                                              .arg(pick(places, n));
    values[layout.indexOf("CodFisc")]
        = QStringLiteral("RSSMRA%1A%2H501U").arg(70 + n % 30).arg(n % 28 + 1, 2, 10, QLatin1Char('0'));
    values[layout.indexOf("Email")]
        = QStringLiteral("%1.%2%3@example.it")
              .arg(first.toLower(), QString(surname).remove(QLatin1Char(' ')).remove(QLatin1Char('\'')).toLower())
              .arg(n);
    values[layout.indexOf("Cellulare")] = mobileOf(n);
    if (n % 3 == 0)
        values[layout.indexOf("Tel")] = QStringLiteral("0541 %1").arg(100000 + n % 899999);
    if (n % 10 == 0)
        values[layout.indexOf("PartitaIva")] = QStringLiteral("%1").arg(10000000000LL + n * 37LL);
    if (n % 4 == 0)
        values[layout.indexOf("Note")] = pick(notes, n / 4) + QStringLiteral(" dal %1").arg(2015 + n % 10);
    return values;
}

struct RegistryFixture {
    QTemporaryDir dir;
    QString path;

    RegistryFixture()
        : path(dir.filePath(QStringLiteral("Archivio_Anagrafico.pro")))
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create the benchmark archive");
        for (int n = 1; n <= registryCards; ++n)
            file.write(layouts::registry.encode(sampleCard(n)));
    }
};

const RegistryFixture& registry()
{
    static const RegistryFixture fixture;
    return fixture;
}

RecordSource records()
{
    return archiveRecords(Archive(registry().path, layouts::registry));
}

const FindIndex& index()
{
    static const FindIndex made = FindIndex::build(records(), findfields::registry());
    return made;
}

// The beginnings of `length` letters of every word the generator writes.
QStringList beginnings(int length)
{
    QSet<QString> all;
    const auto add = [&](const char* const* list, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            for (const QString& word : QString::fromUtf8(list[i]).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                if (word.size() >= length)
                    all.insert(word.left(length).toLower());
    };
    add(firstNames, std::size(firstNames));
    add(surnames, std::size(surnames));
    add(places, std::size(places));
    add(streets, std::size(streets));
    add(nationalities, std::size(nationalities));
    add(notes, std::size(notes));
    QStringList sorted(all.begin(), all.end());
    sorted.sort();
    return sorted;
}

QStringList letters()
{
    QStringList all;
    for (char c = 'a'; c <= 'z'; ++c)
        all << QString(QLatin1Char(c));
    return all;
}

using Clock = std::chrono::steady_clock;

// One key press as the field makes it: the look at the archive, the words
// typed, the matching, and the list's rows with their texts.
double keyPressMs(const QString& typed, FoundCardsModel& model)
{
    const Clock::time_point start = Clock::now();
    benchmark::DoNotOptimize(ArchiveStamp::of(registry().path));
    const FindResult found = index().find(FindQuery(typed), 50);
    model.setCards(found.best);
    for (int row = 0; row < model.rowCount(); ++row)
        benchmark::DoNotOptimize(model.index(row).data().toString().size());
    benchmark::DoNotOptimize(found.count);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times.empty() ? 0 : times[times.size() / 2];
}

// The worst of a set of key presses: each typed text's median over the
// iterations, and the largest of those.
void keyPressWorstOfFour(benchmark::State& state)
{
    FoundCardsModel model;
    QString phone;
    for (const QChar c : mobileOf(registryCards / 2 + 4))
        if (c.isDigit())
            phone += c;
    struct Set {
        const char* counter;
        QStringList typed;
    };
    const std::vector<Set> sets { { "one_letter_ms", letters() }, { "two_letters_ms", beginnings(2) },
        { "three_letters_ms", beginnings(3) }, { "phone_ms", { phone.right(10) } } };
    std::vector<std::vector<std::vector<double>>> times(sets.size());
    for (std::size_t s = 0; s < sets.size(); ++s)
        times[s].resize(std::size_t(sets[s].typed.size()));
    if (index().find(FindQuery(phone.right(10)), 50).count != 1)
        state.SkipWithError("the phone number does not find its one card");
    for (auto _ : state)
        for (std::size_t s = 0; s < sets.size(); ++s)
            for (qsizetype t = 0; t < sets[s].typed.size(); ++t)
                times[s][std::size_t(t)].push_back(keyPressMs(sets[s].typed.at(t), model));
    double worst = 0;
    for (std::size_t s = 0; s < sets.size(); ++s) {
        double worstOfSet = 0;
        for (const std::vector<double>& typed : times[s])
            worstOfSet = std::max(worstOfSet, median(typed));
        state.counters[sets[s].counter] = worstOfSet;
        worst = std::max(worst, worstOfSet);
    }
    state.counters["worst_ms"] = worst;
}

// The visit with nothing done per card: what the index reads.
void visitOnly()
{
    PerRun<int> counts;
    records()(counts.count(), [&counts](int part, int, const RecordView&) { return ++counts[part] > 0; });
}

// The processor time of the whole process, every thread and the system's work
// for it included.
double processorSeconds()
{
    timespec now {};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void buildTurnAboutWithVisit(benchmark::State& state)
{
    Clock::duration builds {};
    Clock::duration visits {};
    double buildWork = 0;
    double visitWork = 0;
    bool buildFirst = false;
    for (auto _ : state) {
        buildFirst = !buildFirst;
        for (int turn = 0; turn < 2; ++turn) {
            const bool isBuild = (turn == 0) == buildFirst;
            const Clock::time_point start = Clock::now();
            const double work = processorSeconds();
            if (isBuild) {
                const FindIndex made = FindIndex::build(records(), findfields::registry());
                if (made.cardCount() != registryCards)
                    state.SkipWithError("wrong number of cards");
                builds += Clock::now() - start;
                buildWork += processorSeconds() - work;
            } else {
                visitOnly();
                visits += Clock::now() - start;
                visitWork += processorSeconds() - work;
            }
        }
    }
    state.counters["build_over_visit"] = double(builds.count()) / double(std::max<Clock::rep>(1, visits.count()));
    const auto milliseconds = [&](Clock::duration total) {
        return std::chrono::duration<double, std::milli>(total).count() / double(state.iterations());
    };
    state.counters["build_ms"] = milliseconds(builds);
    state.counters["build_work_over_visit_work"] = buildWork / std::max(1e-9, visitWork);
    state.counters["visit_ms"] = milliseconds(visits);
}

void indexMemory(benchmark::State& state)
{
    for (auto _ : state) {
        bench::PeakGrowth peak;
        if (!peak.start())
            state.SkipWithError("the resident memory cannot be measured here");
        const qint64 before = bench::statusBytes("VmRSS");
        const FindIndex made = FindIndex::build(records(), findfields::registry());
        const qint64 peakGrowth = peak.growth();
        // What the making used and let go of goes back to the system: what
        // stays is what the index keeps.
        ::malloc_trim(0);
        const qint64 kept = bench::statusBytes("VmRSS") - before;
        const auto text = double(made.indexedBytes());
        state.counters["resident_over_indexed_text"] = double(kept) / text;
        state.counters["held_over_indexed_text"] = double(made.heldBytes()) / text;
        state.counters["peak_over_indexed_text"] = double(peakGrowth) / text;
        state.counters["indexed_text_mb"] = text / 1e6;
    }
}

} // namespace

BENCHMARK(keyPressWorstOfFour)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(buildTurnAboutWithVisit)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(6);
BENCHMARK(indexMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The archive and the index of the key presses are made before any timing.
    registry();
    index();
    return bench::runBenchmarks(argc, argv);
}
