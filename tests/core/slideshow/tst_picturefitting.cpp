#include "slideshow/PicturePreloader.h"
#include "storage/PhotoFiles.h"
#include "support/TestFiles.h"
#include "support/TestPictures.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lumidex;
using namespace lumidex::test;
using Status = photofiles::DecodedPicture::Status;

namespace {

// Sets the file's modification time, so that a rewritten file can pass for the
// old one or plainly differ from it.
void setModified(const QString& path, const QDateTime& when)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
}

QImage oneColour(const QSize& size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestPictureFitting : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void decodedWithinTheBound_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<QSize>("bound");
        QTest::addColumn<QSize>("expected");

        QTest::newRow("landscape larger than the bound")
            << QByteArray("jpg") << QSize(400, 300) << QSize(100, 100) << QSize(100, 75);
        QTest::newRow("portrait larger than the bound")
            << QByteArray("jpg") << QSize(300, 400) << QSize(100, 100) << QSize(75, 100);
        QTest::newRow("wider than the bound only")
            << QByteArray("jpg") << QSize(400, 50) << QSize(200, 200) << QSize(200, 25);
        QTest::newRow("smaller: never enlarged")
            << QByteArray("jpg") << QSize(40, 30) << QSize(100, 100) << QSize(40, 30);
        QTest::newRow("no bound: its own size") << QByteArray("jpg") << QSize(400, 300) << QSize() << QSize(400, 300);
        QTest::newRow("bitmap") << QByteArray("bmp") << QSize(400, 300) << QSize(100, 100) << QSize(100, 75);
        QTest::newRow("PNG") << QByteArray("png") << QSize(120, 480) << QSize(300, 200) << QSize(50, 200);
    }

    void decodedWithinTheBound()
    {
        QFETCH(QByteArray, format);
        QFETCH(QSize, stored);
        QFETCH(QSize, bound);
        QFETCH(QSize, expected);

        const QString path = m_dir->filePath(QStringLiteral("foto.") + QString::fromUtf8(format));
        writeBytes(path, encodeImage(twoColourImage(stored.width(), stored.height()), format.constData()));
        const photofiles::DecodedPicture picture = photofiles::decodePictureFitting(path, bound);
        QCOMPARE(picture.status, Status::Loaded);
        QCOMPARE(picture.image.size(), expected);
        // Scaled, not cut: red on the left, blue on the right.
        const int y = expected.height() / 2;
        QVERIFY(looksLike(picture.image.pixelColor(expected.width() / 8, y), Qt::red));
        QVERIFY(looksLike(picture.image.pixelColor(expected.width() * 7 / 8, y), Qt::blue));
        // Not the file's bytes: writing it back would store the smaller picture.
        QVERIFY(picture.jpegBytes.isEmpty());
    }

    // A camera held upright stores a landscape frame and "rotate 90° clockwise";
    // the bound applies to the upright photo.
    void uprightPhotoMeetsTheBoundUpright()
    {
        const QString path = m_dir->filePath(QStringLiteral("ritratto.jpg"));
        writeBytes(path, withExifOrientation(encodeJpeg(twoColourImage(320, 160), 95), 6));
        const photofiles::DecodedPicture picture = photofiles::decodePictureFitting(path, QSize(50, 100));
        QCOMPARE(picture.status, Status::Loaded);
        QCOMPARE(picture.image.size(), QSize(50, 100));
        QVERIFY(looksLike(picture.image.pixelColor(25, 10), Qt::red));
        QVERIFY(looksLike(picture.image.pixelColor(25, 90), Qt::blue));
    }

    void missingOrUnreadable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Status>("status");
        QTest::newRow("missing") << QByteArray() << Status::Missing;
        QTest::newRow("not a picture") << QByteArray("only text") << Status::Unreadable;
        QTest::newRow("truncated JPEG") << encodeJpeg(twoColourImage(64, 64)).left(30) << Status::Unreadable;
    }

    void missingOrUnreadable()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Status, status);
        const QString path = m_dir->filePath(QStringLiteral("Scheda_1.jpg"));
        if (!bytes.isNull())
            writeBytes(path, bytes);
        const photofiles::DecodedPicture picture = photofiles::decodePictureFitting(path, QSize(100, 100));
        QCOMPARE(picture.status, status);
        QVERIFY(picture.image.isNull());
    }

    void fiftyMegapixelPhotoAtScreenSize()
    {
        const QString path = m_dir->filePath(QStringLiteral("grande.jpg"));
        writeBytes(path, encodeJpeg(oneColour(QSize(8660, 5800), QColor(40, 120, 200))));
        const photofiles::DecodedPicture picture = photofiles::decodePictureFitting(path, QSize(1306, 678));
        QCOMPARE(picture.status, Status::Loaded);
        QCOMPARE(picture.image.size(), QSize(1012, 678));
    }

    // The photo decoded ahead is the one taken while its file stays as it was.
    void preloadedPictureIsTakenWhileTheFileIsUnchanged_data()
    {
        QTest::addColumn<bool>("fileChanges");
        QTest::newRow("unchanged") << false;
        QTest::newRow("replaced after the decode") << true;
    }

    void preloadedPictureIsTakenWhileTheFileIsUnchanged()
    {
        QFETCH(bool, fileChanges);
        const QString path = m_dir->filePath(QStringLiteral("Scheda_1.bmp"));
        writeBytes(path, encodeImage(oneColour(QSize(40, 30), Qt::red), "bmp"));
        const QDateTime stamp = QDateTime::currentDateTime().addSecs(-60);
        setModified(path, stamp);

        PicturePreloader preloader;
        preloader.preload(path, QSize(20, 20));
        preloader.wait();
        // A bitmap of the same size: only the time can tell the files apart.
        writeBytes(path, encodeImage(oneColour(QSize(40, 30), Qt::blue), "bmp"));
        setModified(path, fileChanges ? stamp.addSecs(2) : stamp);

        const photofiles::DecodedPicture picture = preloader.take(path, QSize(20, 20));
        QCOMPARE(picture.status, Status::Loaded);
        QCOMPARE(picture.image.size(), QSize(20, 15));
        QVERIFY(looksLike(picture.image.pixelColor(10, 7), fileChanges ? Qt::blue : Qt::red));
    }

    void takingAnotherPictureDecodesIt_data()
    {
        QTest::addColumn<QString>("taken");
        QTest::addColumn<QSize>("bound");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("another file") << "b.jpg" << QSize(20, 20) << QSize(20, 15);
        QTest::newRow("another bound") << "a.jpg" << QSize(8, 8) << QSize(8, 6);
        QTest::newRow("a file removed since") << "tolto.jpg" << QSize(20, 20) << QSize();
    }

    void takingAnotherPictureDecodesIt()
    {
        QFETCH(QString, taken);
        QFETCH(QSize, bound);
        QFETCH(QSize, expected);
        writeBytes(m_dir->filePath(QStringLiteral("a.jpg")), encodeJpeg(oneColour(QSize(40, 30), Qt::red)));
        writeBytes(m_dir->filePath(QStringLiteral("b.jpg")), encodeJpeg(oneColour(QSize(40, 30), Qt::blue)));
        writeBytes(m_dir->filePath(QStringLiteral("tolto.jpg")), encodeJpeg(oneColour(QSize(40, 30), Qt::green)));

        PicturePreloader preloader;
        preloader.preload(
            m_dir->filePath(taken == QStringLiteral("tolto.jpg") ? taken : QStringLiteral("a.jpg")), QSize(20, 20));
        if (taken == QStringLiteral("tolto.jpg")) {
            preloader.wait();
            QVERIFY(QFile::remove(m_dir->filePath(taken)));
        }
        const photofiles::DecodedPicture picture = preloader.take(m_dir->filePath(taken), bound);
        if (expected.isValid()) {
            QCOMPARE(picture.image.size(), expected);
            QVERIFY(looksLike(picture.image.pixelColor(2, 2), taken == QStringLiteral("b.jpg") ? Qt::blue : Qt::red));
        } else {
            QCOMPARE(picture.status, Status::Missing);
            QVERIFY(picture.image.isNull());
        }
        // Taken once: a second take decodes the file again.
        QCOMPARE(preloader.take(m_dir->filePath(QStringLiteral("b.jpg")), QSize(4, 4)).image.size(), QSize(4, 3));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestPictureFitting)
#include "tst_picturefitting.moc"
