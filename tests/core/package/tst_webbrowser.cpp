#include "package/WebGallery.h"
#include "package/WebPackage.h"
#include "support/RequiredTools.h"
#include "support/TestFiles.h"
#include "support/TestPictures.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::package;
using namespace lumidex::test;

// A package and a gallery as a visitor's browser opens them from the disk: the
// checks themselves are in browser_check.py, which drives Chromium through its
// DevTools pipe.
class TestWebBrowser : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString chromium;
    QString python;

    QString picture(const QString& name, const QSize& size, const QColor& colour, quint16 orientation = 1)
    {
        const QString path = dir.filePath(name);
        writeBytes(path, withExifOrientation(encodeJpeg(markedImage(size, colour), 85), orientation));
        return path;
    }

    void openInBrowser(const QString& folder, const QString& name)
    {
        const QString script = QStringLiteral(BROWSER_CHECK_SCRIPT);
        QVERIFY2(QFileInfo::exists(script), qPrintable(script));
        const QString output = QCoreApplication::applicationDirPath() + QStringLiteral("/tst_webbrowser-output");
        QProcess check;
        check.setProcessChannelMode(QProcess::MergedChannels);
        check.start(python, { script, chromium, folder, output, name });
        QVERIFY2(check.waitForFinished(240000), "the browser did not finish in four minutes");
        const QString said = QString::fromUtf8(check.readAll());
        qInfo().noquote() << said.trimmed();
        QVERIFY2(check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0, qPrintable(said));
        for (const char* width : { "390", "1366" }) {
            const QImage shot(
                output + u'/' + name + QStringLiteral("-index-") + QLatin1String(width) + QStringLiteral(".png"));
            QVERIFY2(!shot.isNull(), width);
            QCOMPARE(shot.width(), QString::fromLatin1(width).toInt());
        }
    }

private slots:
    void initTestCase()
    {
        for (const char* name : { "chromium", "chromium-browser" }) {
            if (chromium.isEmpty())
                chromium = QStandardPaths::findExecutable(QString::fromLatin1(name));
        }
        LUMIDEX_REQUIRE_TOOL(!chromium.isEmpty(), QStringLiteral("Chromium (Debian: chromium)"));
        python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        LUMIDEX_REQUIRE_TOOL(!python.isEmpty(), QStringLiteral("python3, which drives Chromium (Debian: python3)"));
    }

    void aPackageOpensWhole()
    {
        QTemporaryDir program;
        const QString portrait = picture(QStringLiteral("ritratto.jpg"), QSize(2400, 3600), Qt::red);
        const QString turned = picture(QStringLiteral("girata.jpg"), QSize(3000, 2000), Qt::blue, 6);
        const QString wide = picture(QStringLiteral("larga.jpg"), QSize(1800, 600), Qt::green);
        const QList<ShownField> fields { { QStringLiteral("Altezza"), QStringLiteral("178") },
            { QStringLiteral("Occhi"), QStringLiteral("verdi <chiari> & \"belli\"") } };
        QList<PackageModel> models {
            { QStringLiteral("Giulia Neri"), fields, portrait, { turned, wide } },
            { QStringLiteral("AC/DC"), fields, turned, {} },
            { QStringLiteral(".."), fields, wide, { portrait } },
            { QStringLiteral("Nicolò \"Nico\" Dell'Àcqua #1 ?x=%20"), fields, portrait, {} },
            { QStringLiteral("Senza foto"), {}, dir.filePath(QStringLiteral("assente.jpg")), {} },
            { QStringLiteral("Giulia Neri"), fields, wide, {} },
        };
        const WebOutcome outcome = writeWebPackage(program.path(),
            { QStringLiteral("Studio \"Alfa\" / Roma"), QStringLiteral("Casting <estate>"), QStringLiteral("Agenzia"),
                QDate(2026, 12, 11) },
            models, {});
        QCOMPARE(outcome.status, WebOutcome::Status::Done);
        openInBrowser(outcome.folder, QStringLiteral("pacchetto"));
    }

    void aGalleryOpensWhole()
    {
        QTemporaryDir program;
        QList<GalleryEntry> entries;
        for (int i = 0; i < 7; ++i) {
            const QString photo = i == 3 ? dir.filePath(QStringLiteral("assente.jpg"))
                                         : picture(QStringLiteral("scatto%1.jpg").arg(i),
                                             i % 2 ? QSize(2000, 3000) : QSize(3000, 2000), Qt::red, i == 5 ? 8 : 1);
            entries.append({ QStringLiteral("Scatto <%1>").arg(i + 1), QStringLiteral("Luce & ombra"),
                QStringLiteral("01/06/2024"), QStringLiteral("Milano"), QStringLiteral("Anna"), photo });
        }
        const WebOutcome outcome
            = writeWebGallery(program.path(), QStringLiteral("Estate/2024 \"mare\""), QDate(2026, 12, 11), entries, {});
        QCOMPARE(outcome.status, WebOutcome::Status::Done);
        openInBrowser(outcome.folder, QStringLiteral("galleria"));
    }
};

QTEST_GUILESS_MAIN(TestWebBrowser)
#include "tst_webbrowser.moc"
