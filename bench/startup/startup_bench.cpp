// The program's first window: from the start of the process to the login window
// painted, next to a minimal Qt Widgets program showing one window, measured the
// same way in the same run. Both are this very program started again with a
// word that says which to be; each writes a line and ends at once when its first
// window has been painted, and the time is taken from the start of the process
// to that line. A third measure builds every screen before showing the login,
// as the program once did, for a look at what building them later saves.
#include "BenchMain.h"
#include "app/Application.h"
#include "app/WindowSet.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>

#include <cstring>
#include <unistd.h>

using namespace lumidex;

namespace {

constexpr int iterations = 10;
const char* const minimalWord = "--first-window=minimal";
const char* const lumidexWord = "--first-window=lumidex";
const char* const wholeSetWord = "--first-window=whole-set";

// Ends the process once the first window has been painted and put on screen.
class EndOnFirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->isWindow()) {
            m_painted = true;
            // Behind this paint, so the window is flushed to the screen first.
            QTimer::singleShot(0, [] {
                static const char line[] = "painted\n";
                [[maybe_unused]] const ssize_t written = ::write(STDOUT_FILENO, line, sizeof line - 1);
                ::_exit(0);
            });
        }
        return false;
    }

private:
    bool m_painted = false;
};

int minimalProgram(int argc, char** argv)
{
    QApplication app(argc, argv);
    EndOnFirstPaint end;
    app.installEventFilter(&end);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Finestra"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Una finestra e nient'altro."), &window));
    window.resize(388, 405);
    window.show();
    return app.exec();
}

// What main() does, in the program folder given; with `wholeSetFirst`, every
// screen is built before the login is shown, for a look at what that would cost.
int lumidexProgram(int argc, char** argv, const QString& programDir, bool wholeSetFirst)
{
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    LumidexApplication app(argc, argv);
    EndOnFirstPaint end;
    app.installEventFilter(&end);
    prepareApplication(app);
    WindowSet windows(programDir);
    if (wholeSetFirst)
        windows.buildAll();
    windows.start();
    return app.exec();
}

QString self;

void runFirstWindow(benchmark::State& state, const char* word)
{
    QTemporaryDir programDir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Without a display the window system is the offscreen one, for both alike.
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")) && !environment.contains(QStringLiteral("DISPLAY"))
        && !environment.contains(QStringLiteral("WAYLAND_DISPLAY")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (auto _ : state) {
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(self, { QString::fromLatin1(word), programDir.path() });
        if (!child.waitForReadyRead(60000) || !child.readAllStandardOutput().startsWith("painted")) {
            state.SkipWithError(qPrintable(
                QStringLiteral("no window painted: %1").arg(QString::fromLocal8Bit(child.readAllStandardError()))));
            child.kill();
            child.waitForFinished();
            break;
        }
        child.waitForFinished();
    }
}

void BM_MinimalFirstWindow(benchmark::State& state)
{
    runFirstWindow(state, minimalWord);
}

void BM_LumidexFirstWindow(benchmark::State& state)
{
    runFirstWindow(state, lumidexWord);
}

void BM_WholeSetBeforeFirstWindow(benchmark::State& state)
{
    runFirstWindow(state, wholeSetWord);
}

} // namespace

BENCHMARK(BM_MinimalFirstWindow)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseRealTime();
BENCHMARK(BM_LumidexFirstWindow)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseRealTime();
BENCHMARK(BM_WholeSetBeforeFirstWindow)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseRealTime();

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], minimalWord) == 0)
        return minimalProgram(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], lumidexWord) == 0)
        return lumidexProgram(argc, argv, QString::fromLocal8Bit(argv[2]), false);
    if (argc >= 3 && std::strcmp(argv[1], wholeSetWord) == 0)
        return lumidexProgram(argc, argv, QString::fromLocal8Bit(argv[2]), true);

    QCoreApplication app(argc, argv);
    self = QCoreApplication::applicationFilePath();
    return bench::runBenchmarks(argc, argv);
}
