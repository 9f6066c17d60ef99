// The search summary of 100,000 registry lines (1,786 pages) printed to a PDF
// file as a printer of 1200 dpi takes it, next to the least a PDF of those lines
// costs: a bare QPdfWriter loop drawing the same lines in the same font at the
// same places, page after page.
//
// Memory: the lines are made before the measure, as the search window holds
// them before its "Stampa". The most the print holds above that is measured for
// 10,000 and for 100,000 lines; printed page after page, never held, the two
// are the same but for what the PDF file's index keeps of each page.
#include "BenchMain.h"
#include "BenchMemory.h"
#include "report/ComposedReport.h"
#include "report/ReportPainter.h"
#include "report/SummaryLayout.h"
#include "search/ResultLineBuilders.h"
#include "storage/Layouts.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

using namespace lumidex;

namespace {

constexpr int longListing = 100000;
constexpr int shortListing = 10000;
// QPrinter::HighResolution on a PDF printer.
constexpr int printerDpi = 1200;
const QString title = QStringLiteral("Riepilogo schede anagrafiche in archivio");

const char* const firstNames[] = { "Anna", "Giulia", "Sofia", "Chiara", "Martina", "Francesca", "Àlvaro", "Luca",
    "Marco", "Andrea", "Matteo", "Niccolò", "Elena", "Sara", "Federica", "Alessandro", "Davide", "Irene" };
const char* const surnames[] = { "Rossi", "Bianchi", "Ferrari", "Esposito", "Romano", "Colombo", "Ricci", "Marino",
    "Greco", "Bruno", "Gallo", "Conti", "De Luca", "Mancini", "Costa", "Giordano", "Rizzo", "Lombardi", "Moretti" };

template <std::size_t N> QString pick(const char* const (&list)[N], int n)
{
    return QString::fromUtf8(list[std::size_t(n) % N]);
}

// The registry's own result lines, as the search lists them.
QStringList summaryLines(int count)
{
    const RecordLayout& layout = layouts::registry;
    QStringList lines;
    lines.reserve(count);
    QStringList values(layout.fieldCount());
    for (int n = 1; n <= count; ++n) {
        values[layout.indexOf("Nome")] = pick(firstNames, n * 7) + QLatin1Char(' ') + pick(surnames, n / 3);
        values[layout.indexOf("Sesso")] = n % 2 ? QStringLiteral("F") : QStringLiteral("M");
        values[layout.indexOf("Cittadinanza")] = QStringLiteral("Italiana");
        values[layout.indexOf("Tel")] = n % 3 ? QString() : QStringLiteral("0541 %1").arg(100000 + n);
        values[layout.indexOf("Cellulare")] = QStringLiteral("333 %1").arg(1000000 + n);
        values[layout.indexOf("Note")] = n % 4
            ? QString()
            : QStringLiteral("Book aggiornato nel %1, disponibile per trasferte").arg(2015 + n % 10);
        lines << resultline::registry(values);
    }
    return lines;
}

const QStringList& lines(int count)
{
    static const QStringList longLines = summaryLines(longListing);
    static const QStringList shortLines = longLines.mid(0, shortListing);
    return count == longListing ? longLines : shortLines;
}

struct Output {
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

const Output& output()
{
    static const Output out;
    return out;
}

bool printSummary(const QStringList& listing, const QString& path)
{
    report::ReportLayout layout = report::summaryLayout();
    report::fillSummary(layout, title, listing);
    const report::ComposedReport composed = report::compose(layout);
    QPdfWriter writer(path);
    writer.setResolution(printerDpi);
    return paintReport(composed, writer);
}

// The baseline: the lines alone, in the listing's font, where the summary puts
// them (under the title on the first page, from the top on the others, 12.822
// units apart), one drawText a line and a new page when a page is full.
void BM_BarePdfLoop(benchmark::State& state)
{
    const QStringList& listing = lines(longListing);
    const report::ReportLayout layout = report::summaryLayout();
    const report::ReportObject& box = *layout.find(u"txtRiepilogo");
    const qreal pageHeight = layout.page.paintRect(QPageLayout::Millimeter).height();
    const qreal titleHeight = layout.bands.constFirst().height;
    int pages = 0;
    for (auto _ : state) {
        QPdfWriter writer(output().path("bare.pdf"));
        writer.setResolution(printerDpi);
        writer.setPageLayout(layout.page);
        const report::DeviceMapping mapping(writer, layout.page);
        QPainter painter(&writer);
        painter.setFont(box.font);
        const qreal ascent = QFontMetricsF(box.font, &writer).ascent();
        pages = 1;
        qreal top = titleHeight;
        for (const QString& line : listing) {
            if (top + report::summaryLinePitch > pageHeight + 1e-6) {
                writer.newPage();
                ++pages;
                top = 0;
            }
            const QRectF at = mapping.toDevice(QRectF(box.box.left(), top, box.box.width(), report::summaryLinePitch));
            painter.drawText(QPointF(at.left(), at.top() + ascent), line);
            top += report::summaryLinePitch;
        }
    }
    state.counters["pages"] = pages;
    state.SetItemsProcessed(state.iterations() * listing.size());
}

void BM_PrintSummary(benchmark::State& state)
{
    const QStringList& listing = lines(longListing);
    for (auto _ : state)
        if (!printSummary(listing, output().path("summary.pdf")))
            state.SkipWithError("the summary was not printed");
    state.counters["pdf_MB"] = double(QFileInfo(output().path("summary.pdf")).size()) / 1e6;
    state.SetItemsProcessed(state.iterations() * listing.size());
}

double peakGrowthMB(int count)
{
    bench::PeakGrowth memory;
    if (!memory.start())
        return -1;
    if (!printSummary(lines(count), output().path("memory.pdf")))
        return -1;
    return double(memory.growth()) / 1e6;
}

// The most the print holds above the lines it is given, for 10,000 and for
// 100,000 lines, and the difference: what ten times the pages cost in memory.
void BM_SummaryMemory(benchmark::State& state)
{
    double shortPeak = 0;
    double longPeak = 0;
    for (auto _ : state) {
        shortPeak = peakGrowthMB(shortListing);
        longPeak = peakGrowthMB(longListing);
        if (shortPeak < 0 || longPeak < 0)
            state.SkipWithError("the print or its memory could not be measured here");
    }
    state.counters["peak_10k_MB"] = shortPeak;
    state.counters["peak_100k_MB"] = longPeak;
    state.counters["growth_MB"] = longPeak - shortPeak;
}

BENCHMARK(BM_BarePdfLoop)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_PrintSummary)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_SummaryMemory)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The lines are made, and the fonts found, before the first measure.
    lines(longListing);
    lines(shortListing);
    printSummary(lines(shortListing).mid(0, 200), output().path("warm.pdf"));
    return bench::runBenchmarks(argc, argv);
}
