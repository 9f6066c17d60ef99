// The contact sheet of a book of 500 camera photos, printed to a PDF file as a
// printer of 600 dpi would take it, next to decoding the same photos at the size
// of their thumbnails in the same run: the work the sheet cannot do without.
//
// Memory: before the print the kernel's high-water mark of the resident set is
// reset (/proc/self/clear_refs), so the mark afterwards, less the resident set
// before, is the most the print held at any moment. peak_over_photo divides it by
// one photo decoded whole (6000 x 4000 x 4 bytes).
//
// The entries' photo files are links to one camera photo: each is opened and
// decoded on its own, as 500 files would be, without 4 GB of fixtures on disk.
#include "BenchMain.h"
#include "BenchMemory.h"
#include "BenchPictures.h"
#include "report/ContactSheetLayout.h"
#include "report/ContactSheetReport.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"
#include "storage/PhotoFiles.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lumidex;

namespace {

constexpr int entryCount = 500;
constexpr QSize cameraFrame(6000, 4000);
const QString bookName = QStringLiteral("Estate");
const QString photoFolder = QStringLiteral("Book_Uomini");

struct Book {
    QTemporaryDir dir;
    QList<report::ContactEntry> entries;
    QImage placeholder;

    Book()
    {
        const QString bookPath = dir.filePath(bookName + QStringLiteral(".men"));
        const Archive archive(bookPath, layouts::book);
        QStringList values(layouts::book.fieldCount());
        for (int i = 1; i <= entryCount; ++i) {
            values[0] = QStringLiteral("Scatto %1").arg(i);
            values[2] = QStringLiteral("01/06/2024");
            values[3] = QStringLiteral("Portofino");
            archive.append(values);
        }
        entries = report::readContactEntries(bookPath);

        QDir().mkpath(dir.filePath(photoFolder));
        const QString camera = dir.filePath(QStringLiteral("camera.jpg"));
        QImageWriter writer(camera, "jpg");
        writer.setQuality(90);
        if (!writer.write(bench::cameraPhoto(cameraFrame)))
            qFatal("cannot write the benchmark photo");
        for (int i = 1; i <= entryCount; ++i)
            if (!QFile::link(camera, photoPath(i)))
                qFatal("cannot link the benchmark photos");
        placeholder = QImage(307, 409, QImage::Format_RGB32);
        placeholder.fill(Qt::lightGray);
    }

    QString photoPath(int position) const
    {
        return photofiles::bookPhotoPath(dir.path(), photoFolder, bookName, QString::number(position));
    }
    report::ContactSheetBook book() const { return { bookName, dir.path(), photoFolder, placeholder }; }
};

const Book& fixture()
{
    static const Book book;
    return book;
}

// The baseline: every photo decoded at the size of its thumbnail at the
// contact sheet's resolution, and nothing else.
void BM_DecodeThumbnails(benchmark::State& state)
{
    const Book& book = fixture();
    const report::ContactSheetLayout layout = report::contactSheetLayout();
    QSizeF box;
    for (const report::ReportObject& object : layout.cell)
        if (object.kind == report::ObjectKind::Picture)
            box = object.box.size();
    const QSize bound = report::boxPixels(box, report::contactSheetDpi);
    for (auto _ : state) {
        for (int i = 1; i <= entryCount; ++i) {
            const photofiles::DecodedPicture picture = photofiles::decodePictureFitting(book.photoPath(i), bound);
            if (picture.status != photofiles::DecodedPicture::Status::Loaded)
                state.SkipWithError("a photo was not decoded");
            benchmark::DoNotOptimize(picture.image.constBits());
        }
    }
    state.SetItemsProcessed(state.iterations() * entryCount);
}

// What printing the contact sheet does: every page painted on the printer, here
// a PDF file at a printer's resolution.
void BM_PrintContactSheet(benchmark::State& state)
{
    const Book& book = fixture();
    const QString output = book.dir.filePath(QStringLiteral("provino.pdf"));
    if (!bench::resetPeakMemory())
        state.SkipWithError("the peak of the resident set cannot be reset here");
    double peak = 0;
    for (auto _ : state) {
        bench::resetPeakMemory();
        const qint64 before = bench::statusBytes("VmRSS");
        {
            const report::ContactSheetReport sheet(book.book(), book.entries);
            QPdfWriter writer(output);
            writer.setResolution(600);
            if (!paintReport(sheet, writer))
                state.SkipWithError("the contact sheet was not painted");
        }
        peak = std::max(peak, double(bench::statusBytes("VmHWM") - before));
    }
    const double photoBytes = double(cameraFrame.width()) * cameraFrame.height() * 4;
    state.counters["peak_over_photo"] = peak / photoBytes;
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["pdf_MB"] = double(QFileInfo(output).size()) / 1e6;
    state.SetItemsProcessed(state.iterations() * entryCount);
}

BENCHMARK(BM_DecodeThumbnails)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_PrintContactSheet)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The photos are made before the first measure, not inside it.
    fixture();
    return bench::runBenchmarks(argc, argv);
}
