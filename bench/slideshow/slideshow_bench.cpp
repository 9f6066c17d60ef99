// The slideshow over 45-megapixel camera photos: one step, from the tick to the
// new photo painted on a 1920 × 1080 screen, next to QImageReader decoding the
// same file whole in the same run. The step finds its photo decoded ahead, during
// the interval before it; a second measure has the photo replaced since, so that
// the step decodes it on the spot, at the size it is shown.
#include "BenchMain.h"
#include "BenchPictures.h"
#include "gui/slideshow/TfrmSlideshow_Anagrafica.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

using namespace lumidex;

namespace {

using bench::cameraFrame;
constexpr int cards = 2;
constexpr int iterations = 8;

const bench::CameraProgram& program()
{
    static const bench::CameraProgram instance(cards, { 1, 2 });
    return instance;
}

void BM_FullDecode(benchmark::State& state)
{
    const QString photo = program().photo;
    for (auto _ : state) {
        QImageReader reader(photo);
        reader.setAutoTransform(true);
        QImage image = reader.read();
        if (image.size() != cameraFrame)
            state.SkipWithError("the photo was not decoded");
        benchmark::DoNotOptimize(image);
    }
}

// The photos of the cards get a new time, as if replaced since they were decoded ahead.
void touchPhotos(int round)
{
    for (int i = 1; i <= cards; ++i) {
        QFile file(program().dir.filePath(QStringLiteral("Anagrafica/Scheda_%1.jpg").arg(i)));
        if (!file.open(QIODevice::ReadWrite)
            || !file.setFileTime(QDateTime::currentDateTime().addSecs(round), QFileDevice::FileModificationTime))
            qFatal("cannot touch the benchmark photo");
    }
}

void runSteps(benchmark::State& state, bool decodedAhead)
{
    TfrmSlideshow_Anagrafica window(program().dir.path());
    window.show();
    QCoreApplication::processEvents();
    // The benchmark gives the ticks.
    window.Timer->stop();
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The held interval after the last card shows no photo: not measured.
        if (window.lblPosizione->text() == QString::number(cards))
            window.cmdAvantiClick();
        // The interval before the tick is far longer than the decode ahead.
        window.finishDecodingAhead();
        if (!decodedAhead)
            touchPhotos(++round);
        state.ResumeTiming();

        window.cmdAvantiClick();
        window.repaint();
        if (window.showsWaitingPicture())
            state.SkipWithError("the photo was not shown");
    }
    state.counters["shown_megapixels"] = window.picture().width() * window.picture().height() / 1e6;
}

void BM_SlideshowStep(benchmark::State& state)
{
    runSteps(state, true);
}

void BM_SlideshowStepDecodingNow(benchmark::State& state)
{
    runSteps(state, false);
}

BENCHMARK(BM_FullDecode)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseRealTime();
BENCHMARK(BM_SlideshowStep)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseRealTime();
BENCHMARK(BM_SlideshowStepDecodingNow)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir screenDir;
    bench::useDesktopScreen(screenDir.path());
    QApplication app(argc, argv);
    return bench::runBenchmarks(argc, argv);
}
