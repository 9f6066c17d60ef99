// The export of a registry of 100,000 cards, against the least work any export
// of it can do: read the archive, write as many bytes as the spreadsheet holds
// to a new file, sync it and rename it over the old one. Both run in the same
// process and the same run, with the same file system.
//
// The export's stages are in its counters: fill_ms (the grid read from the
// archive), write_ms (the document made and handed to the system, the disk
// working behind it) and sync_ms (what is left for the final sync, and the
// rename); the baseline's in read_ms, write_ms and sync_ms.
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
#include "storage/CheckedOutput.h"
#include "storage/Layouts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

using namespace lumidex;

namespace {

constexpr int registryCards = 100000;

// A card with every exported field filled as a real agency would fill it.
QStringList card(int n)
{
    QStringList values(layouts::registry.fieldCount());
    values[0] = QStringLiteral("Modella numero %1 Bianchi").arg(n);
    values[1] = n % 2 ? QStringLiteral("F") : QStringLiteral("M");
    values[2] = QStringLiteral("%1/05/1998").arg(n % 28 + 1, 2, 10, QLatin1Char('0'));
    values[3] = QStringLiteral("Italiana");
    values[4] = QString::fromUtf8("Forlì");
    values[5] = QStringLiteral("Via Giuseppe Garibaldi %1, 47121 Forlì (FC)").arg(n % 300);
    values[6] = QStringLiteral("RSSMRA98E54D704X");
    values[7] = QStringLiteral("Carta d'identità AX%1 rilasciata dal Comune di Forlì").arg(n, 7, 10, QLatin1Char('0'));
    values[8] = QStringLiteral("modella%1@example.it").arg(n);
    values[9] = QStringLiteral("0543 123456");
    values[10] = QStringLiteral("+39 333 %1").arg(n, 7, 10, QLatin1Char('0'));
    values[11] = QStringLiteral("Diploma di liceo linguistico");
    values[12] = QStringLiteral("Italiano, inglese, francese, spagnolo");
    values[13] = QStringLiteral("12345678903");
    values[14] = QStringLiteral("IT60X0542811101000000123456");
    values[15] = QStringLiteral("1,76 m");
    values[16] = QStringLiteral("56 kg");
    values[17] = QStringLiteral("61 cm");
    values[18] = QStringLiteral("89 cm");
    values[19] = QStringLiteral("verdi");
    values[20] = QStringLiteral("castani, lunghi");
    values[21] = QStringLiteral("40");
    values[22] = QStringLiteral("38");
    values[23] = QString(180, QLatin1Char('e'));
    values[24] = QString::fromUtf8("Sfilate, fiere e servizi fotografici in Emilia-Romagna, Lombardia e all'estero");
    values[25] = QString::fromUtf8("Automunita; disponibile anche nei fine settimana & per trasferte <brevi>.");
    values[26] = QStringLiteral("Contratto_%1.pdf").arg(n);
    return values;
}

// The same card with every exported cell needing escapes: markup characters at
// both ends and in the middle.
QStringList escapedCard(int n)
{
    QStringList values = card(n);
    for (QString& value : values)
        value = QStringLiteral("<") + value.left(value.size() / 2) + QStringLiteral("&") + value.mid(value.size() / 2)
            + QStringLiteral(">");
    return values;
}

struct RegistryFixture {
    QTemporaryDir dir;
    QString archivePath;
    QString outputPath;
    qint64 fileSize = 0;
    // The size of the spreadsheet the export writes, which the baseline writes too.
    qint64 documentSize = 0;

    // Written straight to the file: 100,000 appends would time the generator.
    explicit RegistryFixture(QStringList (*cardOf)(int))
        : archivePath(dir.filePath(QStringLiteral("Archivio_Anagrafico.pro")))
        , outputPath(dir.filePath(QStringLiteral("Archivio_Anagrafico.xls")))
    {
        QFile file(archivePath);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create the benchmark archive");
        for (int n = 1; n <= registryCards; ++n)
            file.write(layouts::registry.encode(cardOf(n)));
        file.close();
        fileSize = QFileInfo(archivePath).size();

        const ExportTable& table = exporttable::registry();
        ExportRecords records(table);
        if (!records.fill(Archive(archivePath, table.layout)))
            qFatal("cannot read the benchmark archive");
        ExportDocument document(records);
        if (!document.save(outputPath))
            qFatal("cannot write the benchmark spreadsheet");
        documentSize = QFileInfo(outputPath).size();
    }
};

const RegistryFixture& registry()
{
    static const RegistryFixture fixture(card);
    return fixture;
}

const RegistryFixture& escapedRegistry()
{
    static const RegistryFixture fixture(escapedCard);
    return fixture;
}

double msSince(const QElapsedTimer& timer, qint64 fromNs)
{
    return double(timer.nsecsElapsed() - fromNs) / 1e6;
}

// How long each stage of one run took, in milliseconds.
struct Stages {
    double first = 0;
    double second = 0;
    double last = 0;
    bool done = true;

    double total() const { return first + second + last; }
    Stages& operator+=(const Stages& more)
    {
        first += more.first;
        second += more.second;
        last += more.last;
        done = done && more.done;
        return *this;
    }
};

// The baseline: the least work an export can do. The archive read from start to
// end, as many bytes as the spreadsheet holds written to a new file beside it,
// synced, and renamed over the old file. Stages: read, write, sync and rename.
Stages leastWorkOnce(const RegistryFixture& fixture, QByteArray& buffer)
{
    const QByteArray archive = QFile::encodeName(fixture.archivePath);
    const QByteArray output = QFile::encodeName(fixture.outputPath);
    const QByteArray written = output + ".nuovo";
    Stages stages;
    QElapsedTimer timer;
    timer.start();
    const int in = ::open(archive.constData(), O_RDONLY | O_CLOEXEC);
    qint64 total = 0;
    for (ssize_t got; (got = ::read(in, buffer.data(), std::size_t(buffer.size()))) > 0;)
        total += got;
    ::close(in);
    stages.done = total == fixture.fileSize;
    const qint64 read = timer.nsecsElapsed();

    // Handed to the disk as it goes, as the export's own writes are (through
    // the same checked output): without it the plain writes pile up in memory
    // and the system throttles them, and the baseline would be slower than the
    // export.
    QFile out(QFile::decodeName(written));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        stages.done = false;
    {
        CheckedOutput checked(out, out.handle());
        for (qint64 left = fixture.documentSize; stages.done && left > 0;) {
            const qint64 part = qMin<qint64>(left, buffer.size());
            stages.done = checked.write(buffer.constData(), part) == part;
            left -= part;
        }
    }
    const qint64 write = timer.nsecsElapsed();
    const bool synced = ::fdatasync(out.handle()) == 0;
    out.close();
    if (!synced || out.error() != QFileDevice::NoError || ::rename(written.constData(), output.constData()) != 0)
        stages.done = false;
    stages.first = double(read) / 1e6;
    stages.second = double(write - read) / 1e6;
    stages.last = msSince(timer, write);
    benchmark::DoNotOptimize(buffer.data());
    return stages;
}

void leastExportWork(benchmark::State& state)
{
    const RegistryFixture& fixture = registry();
    QByteArray buffer(1 << 20, 'x');
    Stages sum;
    for (auto _ : state) {
        const Stages stages = leastWorkOnce(fixture, buffer);
        if (!stages.done)
            state.SkipWithError("cannot read, write, sync or rename");
        sum += stages;
    }
    const double runs = double(state.iterations());
    state.counters["read_ms"] = sum.first / runs;
    state.counters["write_ms"] = sum.second / runs;
    state.counters["sync_ms"] = sum.last / runs;
    state.counters["document_MB"] = double(fixture.documentSize) / 1e6;
    state.SetBytesProcessed(state.iterations() * (fixture.fileSize + fixture.documentSize));
}

// What the export window does: the grid read once, the spreadsheet written.
// Stages: grid filled, document made and handed to the system, final sync and
// rename.
Stages exportOnce(const RegistryFixture& fixture, QString* error)
{
    const ExportTable& table = exporttable::registry();
    Stages stages;
    QElapsedTimer timer;
    timer.start();
    ExportRecords records(table);
    stages.done = records.fill(Archive(fixture.archivePath, table.layout)) && records.rowCount() == registryCards;
    const qint64 filled = timer.nsecsElapsed();
    // The last step comes once the whole document is handed to the system.
    qint64 written = filled;
    ExportDocument document(records);
    const bool saved = document.save(fixture.outputPath, [&](int rows) {
        if (rows == registryCards)
            written = timer.nsecsElapsed();
        return true;
    });
    if (!saved) {
        stages.done = false;
        *error = document.errorString();
    }
    stages.first = double(filled) / 1e6;
    stages.second = double(written - filled) / 1e6;
    stages.last = msSince(timer, written);
    return stages;
}

void exportStages(benchmark::State& state, const RegistryFixture& fixture)
{
    double peak = 0;
    Stages sum;
    QString error;
    for (auto _ : state) {
        bench::PeakGrowth memory;
        if (!memory.start())
            state.SkipWithError("the peak of the resident set cannot be reset here");
        const Stages stages = exportOnce(fixture, &error);
        if (!stages.done)
            state.SkipWithError(error.isEmpty() ? "the grid was not filled" : qPrintable(error));
        sum += stages;
        peak = std::max(peak, double(memory.growth()));
    }
    const double runs = double(state.iterations());
    state.counters["fill_ms"] = sum.first / runs;
    state.counters["write_ms"] = sum.second / runs;
    state.counters["sync_ms"] = sum.last / runs;
    state.counters["peak_over_file"] = peak / double(fixture.fileSize);
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["document_MB"] = double(QFileInfo(fixture.outputPath).size()) / 1e6;
    state.SetItemsProcessed(state.iterations() * registryCards);
}

// The export and its least work taken turn about, each timed on its own: the
// speed of this machine and of its disk drifts over seconds, and timed apart
// the two would meet different machines. The counter is the export's time over
// the least work's.
void exportTurnAboutWithLeastWork(benchmark::State& state)
{
    const RegistryFixture& fixture = registry();
    QByteArray buffer(1 << 20, 'x');
    Stages exports;
    Stages least;
    QString error;
    bool exportFirst = false;
    for (auto _ : state) {
        exportFirst = !exportFirst;
        for (int turn = 0; turn < 2; ++turn) {
            const bool isExport = (turn == 0) == exportFirst;
            const Stages stages = isExport ? exportOnce(fixture, &error) : leastWorkOnce(fixture, buffer);
            if (!stages.done)
                state.SkipWithError(isExport ? "the export failed" : "the least work failed");
            (isExport ? exports : least) += stages;
        }
    }
    state.counters["export_over_least_work"] = exports.total() / std::max(1e-9, least.total());
}

void fillAndExport(benchmark::State& state)
{
    exportStages(state, registry());
}

// The bad case: every cell of every card needs escaping.
void fillAndExportEscaped(benchmark::State& state)
{
    exportStages(state, escapedRegistry());
}

} // namespace

BENCHMARK(leastExportWork)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(exportTurnAboutWithLeastWork)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(fillAndExport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(fillAndExportEscaped)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return bench::runBenchmarks(argc, argv);
}
