// A card with a 45-megapixel camera photo shown in the registry editor on a
// 1920 × 1080 screen: the move to the card, its photo read and decoded for the
// 307 × 409 frame, the window painted. Timed next to what `djpeg -scale 1/8`
// does with the same file (QImageReader decoding it at an eighth of its size),
// in the same run; and the memory the photo costs the program above what it
// holds on a card without a photo.
//
// The larger views are timed too, for a look at what they cost: the zoom at the
// screen's size, the printed card at its photo box's size.
#include "BenchMain.h"
#include "BenchMemory.h"
#include "BenchPictures.h"
#include "gui/print/PrintCard.h"
#include "gui/registry/TfrmAnagrafica.h"
#include "gui/zoom/ShowZoom.h"

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>

using namespace lumidex;

namespace {

constexpr int iterations = 8;

// Cards 1 and 2 carry the camera photo; card 3 has none.
const bench::CameraProgram& program()
{
    static const bench::CameraProgram instance(3, { 1, 2 });
    return instance;
}

TfrmAnagrafica& editor()
{
    static TfrmAnagrafica* window = [] {
        auto* made = new TfrmAnagrafica(program().dir.path());
        made->showMaximized();
        QApplication::processEvents();
        return made;
    }();
    return *window;
}

// Baseline: the file decoded at an eighth of its size, as `djpeg -scale 1/8` does.
void BM_DecodeAtOneEighth(benchmark::State& state)
{
    const QSize eighth = bench::cameraFrame / 8;
    for (auto _ : state) {
        QImageReader reader(program().photo);
        reader.setScaledSize(eighth);
        const QImage image = reader.read();
        if (image.size() != eighth)
            state.SkipWithError("the photo was not decoded");
        benchmark::DoNotOptimize(image.constBits());
    }
}

// "Primo" from a card without a photo to the card with the camera photo, painted.
void BM_ShowCard(benchmark::State& state)
{
    TfrmAnagrafica& window = editor();
    double above = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.cmdUltimoClick();
        window.repaint();
        if (!window.photo().showsPlaceholder())
            state.SkipWithError("the last card should have no photo");
        bench::PeakGrowth memory;
        if (!memory.start())
            state.SkipWithError("the resident memory cannot be measured here");
        state.ResumeTiming();

        window.cmdPrimoClick();
        window.repaint();

        state.PauseTiming();
        above = std::max(above, double(memory.growth()));
        if (window.photo().showsPlaceholder())
            state.SkipWithError("the photo was not shown");
        state.ResumeTiming();
    }
    state.counters["memory_above_MiB"] = above / (1 << 20);
    state.counters["shown_width"] = window.photo().image().width();
}

// "Avanti" from one camera photo to the next.
void BM_NextCardWithPhoto(benchmark::State& state)
{
    TfrmAnagrafica& window = editor();
    window.cmdPrimoClick();
    for (auto _ : state) {
        window.lblPosizione->text() == QLatin1String("1") ? window.cmdAvantiClick() : window.cmdIndietroClick();
        window.repaint();
        if (window.photo().showsPlaceholder())
            state.SkipWithError("the photo was not shown");
    }
}

// The photo of the card shown, at the size the zoom shows it and at the size the
// registry card prints it.
void BM_ZoomPicture(benchmark::State& state)
{
    TfrmAnagrafica& window = editor();
    window.cmdPrimoClick();
    const QSize bound = zoomPictureSize(&window);
    for (auto _ : state)
        benchmark::DoNotOptimize(window.photo().pictureFitting(bound).constBits());
    state.counters["width"] = window.photo().pictureFitting(bound).width();
}

void BM_PrintPicture(benchmark::State& state)
{
    TfrmAnagrafica& window = editor();
    window.cmdPrimoClick();
    const QSize bound = printedPhotoSize(ArchiveKind::Registry);
    for (auto _ : state)
        benchmark::DoNotOptimize(window.photo().pictureFitting(bound).constBits());
    state.counters["width"] = window.photo().pictureFitting(bound).width();
}

} // namespace

BENCHMARK(BM_DecodeAtOneEighth)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseRealTime();
BENCHMARK(BM_ShowCard)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseRealTime();
BENCHMARK(BM_NextCardWithPhoto)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseRealTime();
BENCHMARK(BM_ZoomPicture)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseRealTime();
BENCHMARK(BM_PrintPicture)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseRealTime();

int main(int argc, char** argv)
{
    QTemporaryDir screenDir;
    bench::useDesktopScreen(screenDir.path());
    QApplication app(argc, argv);
    // The photo is written and the window built before any timing starts.
    editor();
    return bench::runBenchmarks(argc, argv);
}
