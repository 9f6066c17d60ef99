// A package of 100 models with 4 pictures each (the card's photo and three
// attached pictures, 12-megapixel camera photos), written as a web folder and
// printed to a PDF file, next to decoding the same pictures at the size each
// output needs in the same run: the work neither can do without.
//
// The picture files are links to one camera photo: each is opened and decoded
// on its own, as 400 files would be, without gigabytes of fixtures on disk.
#include "BenchMain.h"
#include "BenchPictures.h"
#include "package/PackageReport.h"
#include "package/WebPackage.h"
#include "package/WebPictures.h"
#include "report/CompCardLayout.h"
#include "storage/PhotoFiles.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lumidex;

namespace {

constexpr int modelCount = 100;
constexpr int attachedCount = 3;
constexpr QSize cameraSize(4000, 3000);

struct Package {
    QTemporaryDir dir;
    QList<package::PackageModel> models;
    QList<package::PrintedCard> cards;

    Package()
    {
        const QString camera = dir.filePath(QStringLiteral("camera.jpg"));
        if (!bench::writeCameraJpeg(camera, cameraSize))
            qFatal("cannot write the benchmark photo");
        QDir().mkpath(dir.filePath(QStringLiteral("foto")));
        const package::FieldChoice choice;
        for (int m = 1; m <= modelCount; ++m) {
            const auto link = [&](int n) {
                const QString path = dir.filePath(QStringLiteral("foto/%1_%2.jpg").arg(m).arg(n));
                if (!QFile::link(camera, path))
                    qFatal("cannot link the benchmark photos");
                return path;
            };
            const QString photo = link(0);
            QStringList pictures;
            for (int n = 1; n <= attachedCount; ++n)
                pictures << link(n);
            QStringList record(32);
            record[0] = QStringLiteral("Modella %1").arg(m);
            record[15] = QStringLiteral("178");
            record[19] = QStringLiteral("verdi");
            models.append({ record[0], choice.shownFields(record), photo, pictures });
            cards.append({ choice.maskedRecord(record), photo, pictures });
        }
    }

    package::PackageCover cover() const
    {
        return { QStringLiteral("Studio Alfa"), QStringLiteral("Casting"), QStringLiteral("Agenzia"),
            QDate(2026, 12, 11) };
    }
};

const Package& fixture()
{
    static const Package package;
    return package;
}

void decodeAll(benchmark::State& state, const QSize& photoBound, const QList<QSize>& pictureBounds)
{
    const Package& package = fixture();
    for (auto _ : state) {
        for (const package::PackageModel& model : package.models) {
            const photofiles::DecodedPicture photo = photofiles::decodePictureFitting(model.photoPath, photoBound);
            benchmark::DoNotOptimize(photo.image.constBits());
            for (qsizetype i = 0; i < model.picturePaths.size(); ++i) {
                const photofiles::DecodedPicture picture
                    = photofiles::decodePictureFitting(model.picturePaths.at(i), pictureBounds.at(i));
                if (picture.status != photofiles::DecodedPicture::Status::Loaded)
                    state.SkipWithError("a picture was not decoded");
                benchmark::DoNotOptimize(picture.image.constBits());
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * modelCount * (1 + attachedCount));
}

void BM_DecodeForWeb(benchmark::State& state)
{
    const QSize side(package::webPictureSide, package::webPictureSide);
    decodeAll(state, side, QList<QSize>(attachedCount, side));
}

void BM_WebPackage(benchmark::State& state)
{
    const Package& package = fixture();
    for (auto _ : state) {
        QTemporaryDir program;
        const package::WebOutcome outcome
            = package::writeWebPackage(program.path(), package.cover(), package.models, {});
        if (outcome.status != package::WebOutcome::Status::Done)
            state.SkipWithError("the package was not written");
    }
    state.SetItemsProcessed(state.iterations() * modelCount * (1 + attachedCount));
}

void BM_DecodeForPdf(benchmark::State& state)
{
    const report::ReportLayout layout = report::compCardLayout(report::CompCardPaper::A4, attachedCount);
    QList<QSize> bounds;
    for (int i = 0; i < attachedCount; ++i)
        bounds << report::boxPixels(layout.find(report::compCardPictureName(i))->box.size(), report::finestPictureDpi);
    decodeAll(state, report::compCardPhotoBound(attachedCount), bounds);
}

void BM_PdfPackage(benchmark::State& state)
{
    const Package& package = fixture();
    QImage placeholder(307, 409, QImage::Format_RGB32);
    placeholder.fill(Qt::lightGray);
    for (auto _ : state) {
        const package::PackageReport report(package.cover(), package.cards, placeholder);
        QPdfWriter writer(package.dir.filePath(QStringLiteral("pacchetto.pdf")));
        writer.setResolution(int(report::finestPictureDpi));
        if (!paintReport(report, writer))
            state.SkipWithError("the package was not printed");
    }
    state.SetItemsProcessed(state.iterations() * modelCount * (1 + attachedCount));
}

BENCHMARK(BM_DecodeForWeb)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_WebPackage)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_DecodeForPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_PdfPackage)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    fixture();
    return bench::runBenchmarks(argc, argv);
}
