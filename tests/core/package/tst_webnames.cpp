#include "package/SafeNames.h"
#include "package/WebPages.h"
#include "package/WebPictures.h"
#include "support/TestFiles.h"
#include "support/TestPictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::package;
using namespace lumidex::test;

class TestWebNames : public QObject {
    Q_OBJECT

private slots:
    // Names typed by the user become names that stay where they are put.
    void safeFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("safe");
        QTest::newRow("plain") << "Giulia Neri"
                               << "Giulia Neri";
        QTest::newRow("accents kept") << "Nicolò Dell'Àcqua"
                                      << "Nicolò Dell'Àcqua";
        QTest::newRow("slash") << "AC/DC"
                               << "AC_DC";
        QTest::newRow("backslash") << "a\\b"
                                   << "a_b";
        QTest::newRow("parent folder") << ".."
                                       << "senza_nome";
        QTest::newRow("parent path") << "../../etc/passwd"
                                     << "etc_passwd";
        QTest::newRow("dots inside") << "a..b"
                                     << "a.b";
        QTest::newRow("hidden file") << ".bashrc"
                                     << "bashrc";
        QTest::newRow("trailing dot and blank") << "Studio Alfa. "
                                                << "Studio Alfa";
        QTest::newRow("quotes and Windows characters") << "\"Top\" <Model>: a|b?*"
                                                       << "Top_ _Model_ a_b";
        QTest::newRow("control characters") << QStringLiteral("a\tb\nc\x7F") << "a_b_c";
        QTest::newRow("only refused characters") << "///"
                                                 << "senza_nome";
        QTest::newRow("empty") << ""
                               << "senza_nome";
        QTest::newRow("Windows device") << "con"
                                        << "_con";
        QTest::newRow("Windows device with extension") << "NUL.txt"
                                                       << "_NUL.txt";
        QTest::newRow("Windows port") << "COM3"
                                      << "_COM3";
        QTest::newRow("not a device") << "CONSOLE"
                                      << "CONSOLE";
        QTest::newRow("long") << QString(100, u'x') << QString(maxSafeNameLength, u'x');
        QTest::newRow("long, cut before a pair") << QString(maxSafeNameLength - 1, u'x')
                + QStringLiteral("\U0001F600yy") << QString(maxSafeNameLength - 1, u'x');
    }
    void safeFileNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, safe);
        const QString made = safeFileName(name, QStringLiteral("senza_nome"));
        QCOMPARE(made, safe);
        QVERIFY(!made.contains(u'/') && !made.contains(QLatin1String("..")));
        QVERIFY(made.toUtf8().size() <= 255 - 40);
        // The name really makes a file of its own in the folder.
        QTemporaryDir dir;
        QFile file(dir.filePath(made));
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
        file.close();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { made });
    }

    // A name that is taken gets " (2)", " (3)", ... and the folder is always new.
    void freeFolderNames()
    {
        QTemporaryDir dir;
        const QString parent = dir.filePath(QStringLiteral("Pacchetti"));
        const QString base = datedFolderName(u"Studio/Alfa", QStringLiteral("Pacchetto"), QDate(2026, 12, 11));
        QCOMPARE(base, QStringLiteral("Studio_Alfa_2026-12-11"));
        QCOMPARE(createFreeFolder(parent, base), parent + QStringLiteral("/Studio_Alfa_2026-12-11"));
        QCOMPARE(createFreeFolder(parent, base), parent + QStringLiteral("/Studio_Alfa_2026-12-11 (2)"));
        // The same letters in another case are taken too, and so is a file.
        QVERIFY(QDir(parent).mkdir(QStringLiteral("studio_alfa_2026-12-11 (3)")));
        writeBytes(parent + QStringLiteral("/Studio_Alfa_2026-12-11 (4)"), "x");
        QCOMPARE(createFreeFolder(parent, base), parent + QStringLiteral("/Studio_Alfa_2026-12-11 (5)"));
        QCOMPARE(freeName(parent, QStringLiteral("Nuovo"), QStringLiteral(".html")), QStringLiteral("Nuovo.html"));
        // A parent that is a file cannot hold a folder: no path, no success.
        writeBytes(dir.filePath(QStringLiteral("file")), "x");
        QVERIFY(createFreeFolder(dir.filePath(QStringLiteral("file")), base).isEmpty());
    }

    void escaping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        QTest::newRow("plain") << "Giulia"
                               << "Giulia";
        QTest::newRow("markup") << "<script>alert(1)</script>"
                                << "&lt;script&gt;alert(1)&lt;/script&gt;";
        QTest::newRow("ampersand first") << "&lt;"
                                         << "&amp;lt;";
        QTest::newRow("quotes") << "\"a\" 'b'"
                                << "&quot;a&quot; &#39;b&#39;";
        QTest::newRow("accents stay") << "Nicolò è"
                                      << "Nicolò è";
        QTest::newRow("controls dropped, tab a blank") << QStringLiteral("a\x01\tb\x85") << "a b";
        QTest::newRow("line break dropped") << QStringLiteral("a\r\nb") << "ab";
    }
    void escaping()
    {
        QFETCH(QString, text);
        QFETCH(QString, html);
        QCOMPARE(htmlEscaped(text), html);
    }

    void links_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("href");
        QTest::newRow("plain") << "index.html"
                               << "index.html";
        QTest::newRow("folder") << "foto/Giulia Neri-1.jpg"
                                << "foto/Giulia%20Neri-1.jpg";
        QTest::newRow("accents as UTF-8") << "Nicolò (2).html"
                                          << "Nicol%C3%B2%20%282%29.html";
        QTest::newRow("what a URL would cut") << "a#b?c%d.html"
                                              << "a%23b%3Fc%25d.html";
        QTest::newRow("quotes") << "\"x\" 'y'.html"
                                << "%22x%22%20%27y%27.html";
    }
    void links()
    {
        QFETCH(QString, path);
        QFETCH(QString, href);
        QCOMPARE(hrefOf(path), href);
        // And the page's own text cannot break out of the attribute.
        QVERIFY(!htmlLink(path, QStringLiteral("<b>")).contains(QLatin1String("<b>")));
    }

    // Every text a page shows is escaped, the picture's size is in its tag.
    void pageBuildingBlocks()
    {
        const QString image = htmlImage(QStringLiteral("foto/a&b.jpg"), QSize(1600, 1200), QStringLiteral("\"x\"%1"));
        QCOMPARE(image,
            QStringLiteral("<img src=\"foto/a%26b.jpg\" width=\"1600\" height=\"1200\" alt=\"&quot;x&quot;%1\">"));
        const QByteArray page = htmlDocument(QStringLiteral("<Titolo>"), QStringLiteral("<p>corpo</p>\n"));
        QVERIFY(page.startsWith("<!DOCTYPE html>\n<html lang=\"it\">"));
        QVERIFY(page.contains("<meta charset=\"utf-8\">"));
        QVERIFY(page.contains("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"));
        QVERIFY(page.contains("<title>&lt;Titolo&gt;</title>"));
        QVERIFY(page.contains("<link rel=\"stylesheet\" href=\"stile.css\">"));
        QVERIFY(!page.contains("<script"));
        QVERIFY(htmlFields({ { QStringLiteral("A<"), QStringLiteral("&") } })
                    .contains(QLatin1String("<dt>A&lt;</dt><dd>&amp;</dd>")));
        QVERIFY(!styleSheet().contains("url(") && !styleSheet().contains("@import"));
    }

    void scaling_data()
    {
        QTest::addColumn<QSize>("original");
        QTest::addColumn<int>("longSide");
        QTest::addColumn<QSize>("scaled");
        QTest::newRow("small stays") << QSize(800, 600) << 1600 << QSize(800, 600);
        QTest::newRow("exactly the side") << QSize(1600, 900) << 1600 << QSize(1600, 900);
        QTest::newRow("landscape") << QSize(6000, 4000) << 1600 << QSize(1600, 1066);
        QTest::newRow("portrait") << QSize(4000, 6000) << 1600 << QSize(1066, 1600);
        QTest::newRow("square") << QSize(5000, 5000) << 1600 << QSize(1600, 1600);
        QTest::newRow("sliver") << QSize(20000, 2) << 1600 << QSize(1600, 1);
        QTest::newRow("thumbnail") << QSize(1600, 1066) << 480 << QSize(480, 319);
        QTest::newRow("empty") << QSize() << 1600 << QSize();
    }
    void scaling()
    {
        QFETCH(QSize, original);
        QFETCH(int, longSide);
        QFETCH(QSize, scaled);
        QCOMPARE(webSize(original, longSide), scaled);
    }

    // A camera's photo comes out upright (EXIF orientation applied), no larger
    // than the long side, and as a JPEG of its own.
    void picturesUprightAndReduced_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::newRow("as shot") << 1 << QSize(1600, 800);
        QTest::newRow("turned right") << 6 << QSize(800, 1600);
        QTest::newRow("turned left") << 8 << QSize(800, 1600);
        QTest::newRow("upside down") << 3 << QSize(1600, 800);
    }
    void picturesUprightAndReduced()
    {
        QFETCH(int, orientation);
        QFETCH(QSize, size);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("camera.jpg"));
        const QByteArray original
            = withExifOrientation(encodeJpeg(twoColourImage(3200, 1600), 90), quint16(orientation));
        writeBytes(path, original);
        const QImage picture = webPicture(path);
        QCOMPARE(picture.size(), size);
        const QByteArray bytes = jpegBytes(picture);
        QVERIFY(bytes.startsWith("\xFF\xD8"));
        QVERIFY(bytes != original);
        const QImage back = QImage::fromData(bytes, "JPEG");
        QCOMPARE(back.size(), size);
        // The red half is where the camera meant it.
        const QPoint redPoint = orientation == 1 ? QPoint(10, 400)
            : orientation == 3                   ? QPoint(1590, 400)
            : orientation == 6                   ? QPoint(400, 10)
                                                 : QPoint(400, 1590);
        QVERIFY(looksLike(back.pixelColor(redPoint), Qt::red));
        QVERIFY(webPicture(dir.filePath(QStringLiteral("absent.jpg"))).isNull());
        writeBytes(dir.filePath(QStringLiteral("broken.jpg")), "not a picture");
        QVERIFY(webPicture(dir.filePath(QStringLiteral("broken.jpg"))).isNull());
        // A picture with transparency is put on white, as a page shows it.
        QImage clear(QSize(4, 4), QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QVERIFY(QImage::fromData(jpegBytes(clear), "JPEG").pixelColor(1, 1).lightness() > 240);
    }
};

QTEST_GUILESS_MAIN(TestWebNames)
#include "tst_webnames.moc"
