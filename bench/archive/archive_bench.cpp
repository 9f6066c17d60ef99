// The archive operations over a registry of 100,000 cards: one card is shown or
// saved in constant time whatever the size, and reading all cards (search,
// export) streams through the file.
#include "storage/Archive.h"
#include "storage/Layouts.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lumidex;

namespace {

constexpr int registryCards = 100000;

QStringList sampleCard(int n)
{
    QStringList values(layouts::registry.fieldCount());
    values[0] = QStringLiteral("Modella numero %1").arg(n);
    values[1] = n % 2 ? "F" : "M";
    values[2] = "14/05/1998";
    values[3] = "Italiana";
    values[4] = QString::fromUtf8("Forlì");
    values[5] = QStringLiteral("Via Garibaldi %1, 47121 Forlì (FC)").arg(n % 300);
    values[6] = "RSSMRA98E54D704X";
    values[8] = QStringLiteral("modella%1@example.it").arg(n);
    values[12] = "Italiano, inglese, francese";
    values[23] = QString(180, QChar('e'));
    values[25] = QString::fromUtf8("Disponibile per servizi all'estero; città preferite: Milano, Parigi.");
    values[26] = QStringLiteral("Contratto_%1.pdf").arg(n);
    return values;
}

// Written straight to the file: building 100,000 cards one append at a time
// would time the generator rather than the operations.
struct RegistryFixture {
    QTemporaryDir dir;
    QString path;

    RegistryFixture()
        : path(dir.filePath("Archivio_Anagrafico.pro"))
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

void appendCard(benchmark::State& state)
{
    QTemporaryDir dir;
    const Archive archive(dir.filePath("Archivio_Anagrafico.pro"), layouts::registry);
    const QStringList card = sampleCard(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(archive.append(card));
    state.SetItemsProcessed(state.iterations());
}

void readAtRandomPosition(benchmark::State& state)
{
    const Archive archive(registry().path, layouts::registry);
    QRandomGenerator random(42);
    for (auto _ : state)
        benchmark::DoNotOptimize(archive.read(int(random.bounded(registryCards)) + 1));
    state.SetItemsProcessed(state.iterations());
}

void readAllCards(benchmark::State& state)
{
    const Archive archive(registry().path, layouts::registry);
    for (auto _ : state) {
        const QList<QStringList> all = archive.readAll();
        if (all.size() != registryCards)
            state.SkipWithError("wrong number of cards");
        benchmark::DoNotOptimize(all.data());
    }
    state.SetItemsProcessed(state.iterations() * registryCards);
    state.SetBytesProcessed(state.iterations() * registryCards * layouts::registry.size());
}

void countCards(benchmark::State& state)
{
    const Archive archive(registry().path, layouts::registry);
    for (auto _ : state)
        benchmark::DoNotOptimize(archive.count());
}

} // namespace

BENCHMARK(appendCard);
BENCHMARK(readAtRandomPosition);
BENCHMARK(countCards);
BENCHMARK(readAllCards)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
