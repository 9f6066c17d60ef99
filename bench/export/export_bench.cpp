// The export of a registry of 100,000 cards: the grid's records are read once
// and the spreadsheet is streamed to its file. Both are timed against a plain
// read of the same archive file in the same run.
//
// Memory: before each run the kernel's high-water mark of the resident set is
// reset (writing 5 to /proc/self/clear_refs); after it, VmHWM minus the resident
// set before the run is the most memory the export held at any moment: the
// records of the grid plus whatever the writer kept. peak_over_file divides it by
// the archive's size, so 1.0 is as much memory as the archive file holds.
#include "BenchMain.h"
#include "BenchMemory.h"
#include "export/ExportDocument.h"
#include "export/ExportRecords.h"
#include "export/ExportTable.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>

using namespace lumidex;

namespace {

constexpr int registryCards = 100000;

// A card with every exported field filled as a real agency would fill it.
QStringList card(int n)
{
    QStringList values(layouts::registry.fieldCount());
    values[0] = QStringLiteral("Modella numero %1 Bianchi").arg(n);
    values[1] = n % 2 ? "F" : "M";
    values[2] = QStringLiteral("%1/05/1998").arg(n % 28 + 1, 2, 10, QLatin1Char('0'));
    values[3] = "Italiana";
    values[4] = QString::fromUtf8("Forlì");
    values[5] = QStringLiteral("Via Giuseppe Garibaldi %1, 47121 Forlì (FC)").arg(n % 300);
    values[6] = "RSSMRA98E54D704X";
    values[7] = QStringLiteral("Carta d'identità AX%1 rilasciata dal Comune di Forlì").arg(n, 7, 10, QLatin1Char('0'));
    values[8] = QStringLiteral("modella%1@example.it").arg(n);
    values[9] = "0543 123456";
    values[10] = QStringLiteral("+39 333 %1").arg(n, 7, 10, QLatin1Char('0'));
    values[11] = "Diploma di liceo linguistico";
    values[12] = "Italiano, inglese, francese, spagnolo";
    values[13] = "12345678903";
    values[14] = "IT60X0542811101000000123456";
    values[15] = "1,76 m";
    values[16] = "56 kg";
    values[17] = "61 cm";
    values[18] = "89 cm";
    values[19] = "verdi";
    values[20] = "castani, lunghi";
    values[21] = "40";
    values[22] = "38";
    values[23] = QString(180, QChar('e'));
    values[24] = QString::fromUtf8("Sfilate, fiere e servizi fotografici in Emilia-Romagna, Lombardia e all'estero");
    values[25] = QString::fromUtf8("Automunita; disponibile anche nei fine settimana & per trasferte <brevi>.");
    values[26] = QStringLiteral("Contratto_%1.pdf").arg(n);
    return values;
}

struct RegistryFixture {
    QTemporaryDir dir;
    QString archivePath;
    QString outputPath;
    qint64 fileSize = 0;

    // Written straight to the file: 100,000 appends would time the generator.
    RegistryFixture()
        : archivePath(dir.filePath("Archivio_Anagrafico.pro"))
        , outputPath(dir.filePath("Archivio_Anagrafico.xls"))
    {
        QFile file(archivePath);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create the benchmark archive");
        for (int n = 1; n <= registryCards; ++n)
            file.write(layouts::registry.encode(card(n)));
        file.close();
        fileSize = QFileInfo(archivePath).size();
    }
};

const RegistryFixture& registry()
{
    static const RegistryFixture fixture;
    return fixture;
}

// The baseline: the archive file read from start to end and nothing else.
void readArchiveFile(benchmark::State& state)
{
    const RegistryFixture& fixture = registry();
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (auto _ : state) {
        QFile file(fixture.archivePath);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot open the archive");
        qint64 total = 0;
        for (qint64 got; (got = file.read(buffer.data(), buffer.size())) > 0;)
            total += got;
        if (total != fixture.fileSize)
            state.SkipWithError("short read");
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(state.iterations() * fixture.fileSize);
}

// What the export window does: the grid read once, the spreadsheet written.
void fillAndExport(benchmark::State& state)
{
    const RegistryFixture& fixture = registry();
    const ExportTable& table = exporttable::registry();
    double peak = 0;
    for (auto _ : state) {
        bench::PeakGrowth memory;
        if (!memory.start())
            state.SkipWithError("the peak of the resident set cannot be reset here");
        {
            ExportRecords records(table);
            if (!records.fill(Archive(fixture.archivePath, table.layout)) || records.rowCount() != registryCards)
                state.SkipWithError("the grid was not filled");
            ExportDocument document(records);
            if (!document.save(fixture.outputPath))
                state.SkipWithError(qPrintable(document.errorString()));
        }
        peak = std::max(peak, double(memory.growth()));
    }
    state.counters["peak_over_file"] = peak / double(fixture.fileSize);
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["document_MB"] = double(QFileInfo(fixture.outputPath).size()) / 1e6;
    state.SetItemsProcessed(state.iterations() * registryCards);
}

// The parts of the export, for a look at where the time goes: the record visit
// by itself, the grid filled by it, the spreadsheet written from a filled grid.
void visitOnly(benchmark::State& state)
{
    const Archive archive(registry().archivePath, layouts::registry);
    QList<int> fields;
    for (const ExportColumn& column : exporttable::registry().columns)
        if (column.exported())
            fields.append(column.field);
    for (auto _ : state) {
        qsizetype characters = 0;
        archive.visit([&](int, const RecordView& record) {
            for (int field : fields)
                characters += record.storedText(field).size();
            return true;
        });
        benchmark::DoNotOptimize(characters);
    }
    state.SetItemsProcessed(state.iterations() * registryCards);
}

void fillOnly(benchmark::State& state)
{
    const RegistryFixture& fixture = registry();
    const ExportTable& table = exporttable::registry();
    for (auto _ : state) {
        ExportRecords records(table);
        records.fill(Archive(fixture.archivePath, table.layout));
        benchmark::DoNotOptimize(records.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * registryCards);
}

void writeOnly(benchmark::State& state)
{
    const RegistryFixture& fixture = registry();
    const ExportTable& table = exporttable::registry();
    ExportRecords records(table);
    records.fill(Archive(fixture.archivePath, table.layout));
    for (auto _ : state) {
        ExportDocument document(records);
        if (!document.save(fixture.outputPath))
            state.SkipWithError(qPrintable(document.errorString()));
    }
    state.SetItemsProcessed(state.iterations() * registryCards);
}

} // namespace

BENCHMARK(readArchiveFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(fillAndExport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(visitOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(fillOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(writeOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return bench::runBenchmarks(argc, argv);
}
