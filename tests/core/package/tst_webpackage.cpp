#include "package/WebGallery.h"
#include "package/WebPackage.h"
#include "package/WebPictures.h"
#include "support/DiskFaults.h"
#include "support/TestFiles.h"
#include "support/TestMetaTypes.h"
#include "support/TestPictures.h"

#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::package;
using namespace lumidex::test;

namespace {

const QDate day(2026, 12, 11);

// Every file of `folder`, relative to it, sorted.
QStringList filesIn(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// Every href and src of a page, decoded back to the file names they lead to.
QStringList linkedFiles(const QString& page)
{
    QStringList targets;
    static const QRegularExpression attribute(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    const QString html = QString::fromUtf8(readBytes(page));
    for (const QRegularExpressionMatch& match : attribute.globalMatch(html))
        targets << QUrl::fromPercentEncoding(match.captured(1).toUtf8());
    return targets;
}

// A folder whose pages link only to files of the folder, every one of which exists.
void checkLinksStayInside(const QString& folder)
{
    for (const QString& file : filesIn(folder)) {
        if (!file.endsWith(QLatin1String(".html")))
            continue;
        for (const QString& target : linkedFiles(folder + u'/' + file)) {
            QVERIFY2(!target.contains(QLatin1String("..")) && !target.contains(u':') && !target.startsWith(u'/'),
                qPrintable(file + QStringLiteral(" -> ") + target));
            QVERIFY2(QFileInfo(folder + u'/' + target).isFile(), qPrintable(file + QStringLiteral(" -> ") + target));
        }
    }
}

} // namespace

class TestWebPackage : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString picture(const QString& name, const QSize& size, const QColor& colour)
    {
        const QString path = dir.filePath(name);
        writeBytes(path, encodeJpeg(markedImage(size, colour), 90));
        return path;
    }

    QList<PackageModel> models()
    {
        const QString big = picture(QStringLiteral("grande.jpg"), QSize(4000, 3000), Qt::red);
        const QString small = picture(QStringLiteral("piccola.jpg"), QSize(300, 400), Qt::blue);
        return {
            { QStringLiteral("Giulia Neri"), { { QStringLiteral("Altezza"), QStringLiteral("178") } }, big,
                { small, dir.filePath(QStringLiteral("assente.jpg")), big } },
            { QStringLiteral("../AC/DC \"Top\" <b>"),
                { { QStringLiteral("Occhi"), QStringLiteral("<verdi> & 'blu'") } }, small, {} },
            { QStringLiteral("giulia neri"), {}, dir.filePath(QStringLiteral("assente.jpg")), {} },
            { QStringLiteral("Nicolò Dell'Àcqua"), {}, small, {} },
            { QStringLiteral("index"), {}, small, {} },
        };
    }

private slots:
    void aPackageIsAFolderOfPlainPages()
    {
        QTemporaryDir program;
        int steps = 0;
        const WebOutcome outcome = writeWebPackage(program.path(),
            { QStringLiteral("Studio/Alfa & Co"), QStringLiteral("Casting <estate>"), QStringLiteral("Agenzia Lumi"),
                day },
            models(), [&steps](int done) {
                steps = done;
                return true;
            });
        QCOMPARE(outcome.status, WebOutcome::Status::Done);
        QCOMPARE(steps, 5);
        QCOMPARE(outcome.folder, program.path() + QStringLiteral("/Pacchetti/Studio_Alfa & Co_2026-12-11"));
        QCOMPARE(filesIn(outcome.folder),
            (QStringList { QStringLiteral("AC_DC _Top_ _b.html"), QStringLiteral("Giulia Neri.html"),
                QStringLiteral("Nicolò Dell'Àcqua.html"), QStringLiteral("foto/AC_DC _Top_ _b-mini.jpg"),
                QStringLiteral("foto/AC_DC _Top_ _b.jpg"), QStringLiteral("foto/Giulia Neri-1.jpg"),
                QStringLiteral("foto/Giulia Neri-3.jpg"), QStringLiteral("foto/Giulia Neri-mini.jpg"),
                QStringLiteral("foto/Giulia Neri.jpg"), QStringLiteral("foto/Nicolò Dell'Àcqua-mini.jpg"),
                QStringLiteral("foto/Nicolò Dell'Àcqua.jpg"), QStringLiteral("foto/index (2)-mini.jpg"),
                QStringLiteral("foto/index (2).jpg"), QStringLiteral("giulia neri (2).html"),
                QStringLiteral("index (2).html"), QStringLiteral("index.html"), QStringLiteral("stile.css") }));
        checkLinksStayInside(outcome.folder);

        // The originals are never copied: the large photo is reduced, the small one re-encoded.
        QCOMPARE(QImageReader(outcome.folder + QStringLiteral("/foto/Giulia Neri.jpg")).size(), QSize(1600, 1200));
        QCOMPARE(QImageReader(outcome.folder + QStringLiteral("/foto/Giulia Neri-mini.jpg")).size(), QSize(480, 360));
        QCOMPARE(QImageReader(outcome.folder + QStringLiteral("/foto/Giulia Neri-1.jpg")).size(), QSize(300, 400));
        QVERIFY(readBytes(outcome.folder + QStringLiteral("/foto/Giulia Neri-1.jpg"))
            != readBytes(dir.filePath(QStringLiteral("piccola.jpg"))));

        const QString index = QString::fromUtf8(readBytes(outcome.folder + QStringLiteral("/index.html")));
        QVERIFY(index.contains(QLatin1String("<h1>Pacchetto per Studio/Alfa &amp; Co</h1>")));
        QVERIFY(index.contains(QLatin1String("<p class=\"nota\">Casting &lt;estate&gt;</p>")));
        QVERIFY(index.contains(QLatin1String("<span class=\"nome\">../AC/DC &quot;Top&quot; &lt;b&gt;</span>")));
        QVERIFY(index.contains(QLatin1String("<dd>&lt;verdi&gt; &amp; &#39;blu&#39;</dd>")));
        QVERIFY(index.contains(QLatin1String("href=\"Nicol%C3%B2%20Dell%27%C3%80cqua.html\"")));
        QVERIFY(index.contains(QStringLiteral("11/12/2026 · 5 schede")));
        const QString page = QString::fromUtf8(readBytes(outcome.folder + QStringLiteral("/Giulia Neri.html")));
        QVERIFY(page.contains(QLatin1String("<img src=\"foto/Giulia%20Neri.jpg\" width=\"1600\" height=\"1200\"")));
        QVERIFY(page.contains(QLatin1String("<dt>Altezza</dt><dd>178</dd>")));
        QVERIFY(page.contains(QLatin1String("<a href=\"AC_DC%20_Top_%20_b.html\">Successiva</a>")));
        for (const QString& file : filesIn(outcome.folder)) {
            const QByteArray bytes = readBytes(outcome.folder + u'/' + file);
            QVERIFY2(
                !bytes.contains("<script") && !bytes.contains("http:") && !bytes.contains("https:"), qPrintable(file));
        }

        // The same client on the same day gets a folder of its own.
        const WebOutcome again = writeWebPackage(
            program.path(), { QStringLiteral("Studio/Alfa & Co"), {}, {}, day }, models().mid(0, 1), {});
        QCOMPARE(again.folder, outcome.folder + QStringLiteral(" (2)"));
    }

    void aGalleryFollowsTheBook()
    {
        QTemporaryDir program;
        const QString photo = picture(QStringLiteral("scatto.jpg"), QSize(2400, 3200), Qt::green);
        const QList<GalleryEntry> entries {
            { QStringLiteral("Primo <scatto>"), QStringLiteral("Luce & ombra"), QStringLiteral("01/06/2024"),
                QStringLiteral("Milano"), QStringLiteral("Anna"), photo },
            { QString(), QString(), QString(), QString(), QString(), dir.filePath(QStringLiteral("assente.jpg")) },
            { QStringLiteral("Terzo"), {}, {}, {}, QStringLiteral("Luca"), photo },
        };
        const WebOutcome outcome = writeWebGallery(program.path(), QStringLiteral(" Estate/2024 "), day, entries, {});
        QCOMPARE(outcome.status, WebOutcome::Status::Done);
        QCOMPARE(outcome.folder, program.path() + QStringLiteral("/Gallerie/Estate_2024_2026-12-11"));
        QCOMPARE(filesIn(outcome.folder),
            (QStringList { QStringLiteral("foto-1.html"), QStringLiteral("foto-2.html"), QStringLiteral("foto-3.html"),
                QStringLiteral("foto/1.jpg"), QStringLiteral("foto/3.jpg"), QStringLiteral("index.html"),
                QStringLiteral("miniature/1.jpg"), QStringLiteral("miniature/3.jpg"), QStringLiteral("stile.css") }));
        checkLinksStayInside(outcome.folder);
        QCOMPARE(QImageReader(outcome.folder + QStringLiteral("/foto/1.jpg")).size(), QSize(1200, 1600));

        const QString index = QString::fromUtf8(readBytes(outcome.folder + QStringLiteral("/index.html")));
        // Entry order.
        QVERIFY(index.indexOf(QLatin1String("foto-1.html")) < index.indexOf(QLatin1String("foto-2.html")));
        QVERIFY(index.indexOf(QLatin1String("foto-2.html")) < index.indexOf(QLatin1String("foto-3.html")));
        QVERIFY(index.contains(QLatin1String("<span class=\"nome\">Foto 2</span>")));
        const QString first = QString::fromUtf8(readBytes(outcome.folder + QStringLiteral("/foto-1.html")));
        QVERIFY(first.contains(QLatin1String("<h1>Primo &lt;scatto&gt;</h1>")));
        for (const char* shown : { "<dt>Descrizione</dt><dd>Luce &amp; ombra</dd>", "<dt>Data</dt><dd>01/06/2024</dd>",
                 "<dt>Location</dt><dd>Milano</dd>", "<dt>Fotografo</dt><dd>Anna</dd>" })
            QVERIFY2(first.contains(QLatin1String(shown)), shown);
        QVERIFY(!first.contains(QLatin1String("Precedente</a>")));
        QVERIFY(first.contains(QLatin1String("<a href=\"foto-2.html\">Successiva</a>")));
        const QString second = QString::fromUtf8(readBytes(outcome.folder + QStringLiteral("/foto-2.html")));
        QVERIFY(second.contains(QLatin1String("<a href=\"foto-1.html\">Precedente</a>")));
        QVERIFY(second.contains(QLatin1String("<a href=\"foto-3.html\">Successiva</a>")));
        const QString third = QString::fromUtf8(readBytes(outcome.folder + QStringLiteral("/foto-3.html")));
        QVERIFY(!third.contains(QLatin1String("Successiva</a>")));
    }

    // Stopped by the user or by a full disk: nothing half made stays, and a
    // failure says why.
    void stoppedOrFailedLeavesNothing()
    {
        QTemporaryDir program;
        const WebOutcome stopped = writeWebPackage(
            program.path(), { QStringLiteral("Cliente"), {}, {}, day }, models(), [](int done) { return done < 2; });
        QCOMPARE(stopped.status, WebOutcome::Status::Cancelled);
        QVERIFY(stopped.folder.isEmpty());
        QCOMPARE(QDir(program.filePath(QStringLiteral("Pacchetti"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            QStringList());
        const WebOutcome stoppedGallery = writeWebGallery(program.path(), QStringLiteral("Book"), day,
            { { {}, {}, {}, {}, {}, {} }, { {}, {}, {}, {}, {}, {} } }, [](int) { return false; });
        QCOMPARE(stoppedGallery.status, WebOutcome::Status::Cancelled);
        QCOMPARE(QDir(program.filePath(QStringLiteral("Gallerie"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            QStringList());

        // A program folder where no folder can be made.
        writeBytes(program.filePath(QStringLiteral("file")), "x");
        const WebOutcome nowhere = writeWebPackage(
            program.filePath(QStringLiteral("file")), { QStringLiteral("C"), {}, {}, day }, models(), {});
        QCOMPARE(nowhere.status, WebOutcome::Status::Failed);
        QCOMPARE(nowhere.cause.words(),
            QStringLiteral("Al posto del file c'è una cartella, o al posto della cartella un file."));
    }

    void aFullDiskFailsTheWholePackage_data()
    {
        addDiskFaultRows({ DiskFault::NoRoomLeft, DiskFault::FileSizeLimit, DiskFault::SyncRefused });
    }
    void aFullDiskFailsTheWholePackage()
    {
        QFETCH(DiskFault, fault);
        const QList<PackageModel> chosen = models();
        FaultyDisk disk(fault);
        LUMIDEX_REQUIRE_DISK(disk);
        QVERIFY(QDir().mkpath(disk.path() + QStringLiteral("/Pacchetti")));
        QVERIFY2(disk.strike(), qPrintable(disk.unavailable()));
        const WebOutcome outcome = writeWebPackage(disk.path(), { QStringLiteral("C"), {}, {}, day }, chosen, {});
        const WebOutcome gallery = writeWebGallery(disk.path(), QStringLiteral("B"), day,
            { { QStringLiteral("t"), {}, {}, {}, {}, chosen.at(0).photoPath } }, {});
        disk.lift();
        for (const WebOutcome& made : { outcome, gallery }) {
            QCOMPARE(made.status, WebOutcome::Status::Failed);
            QVERIFY(made.folder.isEmpty());
            QCOMPARE(made.cause.words(), diskFaultWords(fault));
        }
        QCOMPARE(QDir(disk.path() + QStringLiteral("/Pacchetti")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            QStringList());
    }
};

QTEST_GUILESS_MAIN(TestWebPackage)
#include "tst_webpackage.moc"
