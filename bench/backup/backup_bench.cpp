// A backup of a program folder of 100,000 cards and 2,000 photos against what
// the ordinary tools do with the same files and the same choices: `zip -r`
// (pictures stored, the rest deflated) followed by `unzip -t` of its result;
// and a restore of that backup (checked whole, then unpacked into an empty
// folder) against `unzip` of the same file. Each pair is taken turn about,
// each timed on its own, so that the drift of the machine's and the disk's
// speed weighs on both alike.
#include "BenchMain.h"
#include "BenchPictures.h"
#include "backup/BackupCheck.h"
#include "backup/BackupSettings.h"
#include "backup/MakeBackup.h"
#include "backup/RestoreBackup.h"
#include "storage/Layouts.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lumidex;

namespace {

constexpr int cardCount = 100000;
constexpr int photoCount = 2000;
// A photo as a card keeps it once loaded and shrunk by the camera's software.
constexpr QSize photoSize(1200, 800);
constexpr int distinctPhotos = 8;

struct Folder {
    QTemporaryDir dir;
    QString program;
    QString target;
    QString zip;

    Folder()
    {
        program = dir.filePath(QStringLiteral("Lumidex"));
        target = dir.filePath(QStringLiteral("Copie"));
        QDir().mkpath(program + QStringLiteral("/Anagrafica"));
        QDir().mkpath(program + QStringLiteral("/Documenti_Allegati"));
        QDir().mkpath(target);
        QFile archive(program + QStringLiteral("/Archivio_Anagrafico.pro"));
        if (!archive.open(QIODevice::WriteOnly))
            qFatal("cannot write the benchmark archive");
        QStringList values(layouts::registry.fieldCount());
        for (int card = 1; card <= cardCount; ++card) {
            values[0] = QStringLiteral("Modella %1").arg(card);
            values[1] = card % 2 ? QStringLiteral("F") : QStringLiteral("M");
            values[2] = QStringLiteral("12/03/1998");
            values[3] = QStringLiteral("Italiana");
            values[5] = QStringLiteral("Via dei Mille %1, Milano").arg(card);
            values[8] = QStringLiteral("modella%1@agenzia.example").arg(card);
            values[15] = QString::number(160 + card % 30);
            archive.write(layouts::registry.encode(values));
        }
        archive.close();
        QList<QByteArray> photos;
        for (int n = 0; n < distinctPhotos; ++n) {
            const QString path = dir.filePath(QStringLiteral("foto%1.jpg").arg(n));
            if (!bench::writeCameraJpeg(path, photoSize - QSize(n * 16, n * 8)))
                qFatal("cannot write the benchmark photos");
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            photos << file.readAll();
        }
        for (int card = 1; card <= photoCount; ++card) {
            QFile photo(program + QStringLiteral("/Anagrafica/Scheda_%1.jpg").arg(card * 50));
            if (!photo.open(QIODevice::WriteOnly))
                qFatal("cannot write the benchmark photos");
            // Each file its own bytes, as each card's photo is.
            photo.write(photos.at(card % distinctPhotos));
            photo.write(QByteArray::number(card));
        }
        QFile store(program + QStringLiteral("/unins000.dll"));
        store.open(QIODevice::WriteOnly);
        store.write("[Accesso]\r\nValore=6C75636572\r\n");
        zip = dir.filePath(QStringLiteral("zip.zip"));
    }
};

Folder& folder()
{
    static Folder made;
    return made;
}

double timed(const std::function<bool()>& work, bool& ok)
{
    QElapsedTimer clock;
    clock.start();
    ok = work() && ok;
    return double(clock.nsecsElapsed()) / 1e9;
}

bool runTool(const QString& tool, const QStringList& arguments, const QString& in)
{
    QProcess process;
    process.setWorkingDirectory(in);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(QStandardPaths::findExecutable(tool), arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool ourBackup(const Folder& made, QString* zipPath)
{
    backup::Settings settings;
    settings.targetFolder = made.target;
    settings.keep = 0;
    static QDateTime at = QDateTime(QDate(2025, 1, 1), QTime(0, 0));
    at = at.addSecs(1);
    const backup::BackupOutcome outcome = backup::makeBackup(made.program, settings, at);
    if (zipPath)
        *zipPath = outcome.zipPath;
    return outcome.result == backup::BackupOutcome::Result::Done;
}

bool zipAndTest(const Folder& made)
{
    QFile::remove(made.zip);
    return runTool(QStringLiteral("zip"),
               { QStringLiteral("-r"), QStringLiteral("-q"), QStringLiteral("-n"),
                   QStringLiteral(".jpg:.jpeg:.png:.gif:.webp:.tif:.tiff:.pdf:.zip:.docx:.xlsx:.odt:.ods:.mp4:.mov"),
                   made.zip, QStringLiteral("Archivio_Anagrafico.pro"), QStringLiteral("Anagrafica"),
                   QStringLiteral("Documenti_Allegati"), QStringLiteral("unins000.dll") },
               made.program)
        && runTool(QStringLiteral("unzip"), { QStringLiteral("-tq"), made.zip }, made.program);
}

void backupTurnAboutWithZip(benchmark::State& state)
{
    Folder& made = folder();
    if (QStandardPaths::findExecutable(QStringLiteral("zip")).isEmpty())
        state.SkipWithError("zip is not installed");
    double ours = 0;
    double tools = 0;
    bool oursFirst = false;
    for (auto _ : state) {
        oursFirst = !oursFirst;
        for (int turn = 0; turn < 2; ++turn) {
            bool ok = true;
            if ((turn == 0) == oursFirst) {
                QString zipPath;
                ours += timed([&] { return ourBackup(made, &zipPath); }, ok);
                QFile::remove(zipPath);
            } else {
                tools += timed([&] { return zipAndTest(made); }, ok);
            }
            if (!ok)
                state.SkipWithError("a backup failed");
        }
    }
    state.counters["backup_over_zip_and_test"] = ours / std::max(1e-9, tools);
    state.counters["backup_s"] = ours / double(state.iterations());
    state.counters["zip_and_test_s"] = tools / double(state.iterations());
}

void restoreTurnAboutWithUnzip(benchmark::State& state)
{
    Folder& made = folder();
    QString zipPath;
    if (!ourBackup(made, &zipPath))
        state.SkipWithError("the backup failed");
    double ours = 0;
    double tools = 0;
    bool oursFirst = false;
    const QString into = made.dir.filePath(QStringLiteral("Ripristino"));
    for (auto _ : state) {
        oursFirst = !oursFirst;
        for (int turn = 0; turn < 2; ++turn) {
            QDir(into).removeRecursively();
            bool ok = true;
            if ((turn == 0) == oursFirst) {
                ours += timed(
                    [&] {
                        const backup::Check check = backup::checkBackup(zipPath);
                        return check.result == backup::Check::Result::Sound
                            && backup::restoreInto(into, zipPath, check).result == backup::RestoreOutcome::Result::Done;
                    },
                    ok);
            } else {
                tools += timed(
                    [&] {
                        return runTool(QStringLiteral("unzip"),
                            { QStringLiteral("-q"), zipPath, QStringLiteral("-d"), into }, made.dir.path());
                    },
                    ok);
            }
            if (!ok)
                state.SkipWithError("a restore failed");
        }
    }
    QDir(into).removeRecursively();
    QFile::remove(zipPath);
    state.counters["restore_over_unzip"] = ours / std::max(1e-9, tools);
    state.counters["restore_s"] = ours / double(state.iterations());
    state.counters["unzip_s"] = tools / double(state.iterations());
}

} // namespace

BENCHMARK(backupTurnAboutWithZip)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(restoreTurnAboutWithUnzip)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

int main(int argc, char** argv)
{
    // The photos are made by Qt's painter and JPEG writer, which need a Gui
    // application, and no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return bench::runBenchmarks(argc, argv);
}
