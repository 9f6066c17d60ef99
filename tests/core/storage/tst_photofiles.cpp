#include "storage/PhotoFiles.h"
#include "storage/ProgramFolder.h"
#include "support/TestFiles.h"
#include "support/TestPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>

using namespace lumidex;
using namespace lumidex::test;
using Status = photofiles::DecodedPicture::Status;

class TestPhotoFiles : public QObject {
    Q_OBJECT

private slots:
    void init();
    void photoPaths_data();
    void photoPaths();
    void keepPictureReadsAnyPictureFile_data();
    void keepPictureReadsAnyPictureFile();
    void aHugeFileThatIsNoPictureIsNotReadWhole();
    void exifOrientationReadsUpright();
    void fiftyMegapixelPhotoOpens();
    void keepPhotoCreatesTheFolder();
    void writePhotoKeepsJpegBytes();
    void writePhotoEncodesThePicture();
    void writePhotoFailures_data();
    void writePhotoFailures();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPhotoFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestPhotoFiles::photoPaths_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("bookName");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("expected");

    QTest::newRow("registry") << ""
                              << ""
                              << "12"
                              << "/prog/Anagrafica/Scheda_12.jpg";
    QTest::newRow("registry, untrimmed position") << ""
                                                  << ""
                                                  << " 7\t"
                                                  << "/prog/Anagrafica/Scheda_7.jpg";
    QTest::newRow("men's book") << programfolder::menPhotoFolder << "Estate 2023"
                                << "3"
                                << "/prog/Book_Uomini/Estate 2023_Foto_3.jpg";
    QTest::newRow("women's book, untrimmed") << programfolder::womenPhotoFolder << " Moda "
                                             << " 40 "
                                             << "/prog/Book_Donne/Moda_Foto_40.jpg";
}

void TestPhotoFiles::photoPaths()
{
    QFETCH(QString, folder);
    QFETCH(QString, bookName);
    QFETCH(QString, position);
    QFETCH(QString, expected);

    if (folder.isEmpty())
        QCOMPARE(photofiles::registryPhotoPath(QStringLiteral("/prog"), position), expected);
    else
        QCOMPARE(photofiles::bookPhotoPath(QStringLiteral("/prog"), folder, bookName, position), expected);
}

void TestPhotoFiles::keepPictureReadsAnyPictureFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("keepsBytes");

    const QImage image = twoColourImage(6, 4);
    QTest::newRow("missing") << "Scheda_1.jpg" << QByteArray() << int(Status::Missing) << false;
    QTest::newRow("JPEG") << "Scheda_1.jpg" << encodeJpeg(image) << int(Status::Loaded) << true;
    QTest::newRow("JPEG under another name") << "foto.bmp" << encodeJpeg(image) << int(Status::Loaded) << true;
    QTest::newRow("bitmap") << "foto.bmp" << encodeImage(image, "bmp") << int(Status::Loaded) << false;
    QTest::newRow("PNG") << "foto.png" << encodeImage(image, "png") << int(Status::Loaded) << false;
    QTest::newRow("not a picture") << "Scheda_1.jpg" << QByteArray("no picture here, only text")
                                   << int(Status::Unreadable) << false;
    QTest::newRow("empty file") << "Scheda_1.jpg" << QByteArray("") << int(Status::Unreadable) << false;
    QTest::newRow("truncated JPEG") << "Scheda_1.jpg" << encodeJpeg(image).left(20) << int(Status::Unreadable) << false;
}

void TestPhotoFiles::keepPictureReadsAnyPictureFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(bool, keepsBytes);

    if (!bytes.isNull())
        writeBytes(path(name), bytes);
    const photofiles::KeptPicture picture = photofiles::keepPicture(path(name), QSize());
    QCOMPARE(int(picture.status), status);
    QCOMPARE(picture.image.isNull(), status != int(Status::Loaded));
    if (status == int(Status::Loaded))
        QCOMPARE(picture.image.size(), QSize(6, 4));
    QCOMPARE(picture.jpeg ? picture.bytes : QByteArray(), keepsBytes ? bytes : QByteArray());
}

void TestPhotoFiles::aHugeFileThatIsNoPictureIsNotReadWhole()
{
    // Two gigabytes of nothing (a sparse file costs no disk): judged by its first
    // bytes, it is no picture, and the process never holds it in memory.
    QFile huge(path(QStringLiteral("video.jpg")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.write("no picture") == 10 && huge.resize(qint64(2) << 30));
    huge.close();
    struct rusage before;
    getrusage(RUSAGE_SELF, &before);
    QCOMPARE(photofiles::keepPicture(huge.fileName(), QSize()).status, Status::Unreadable);
    struct rusage after;
    getrusage(RUSAGE_SELF, &after);
    QVERIFY2(after.ru_maxrss - before.ru_maxrss < 100 * 1024, qPrintable(QString::number(after.ru_maxrss)));
}

void TestPhotoFiles::exifOrientationReadsUpright()
{
    // A camera held upright stores a landscape frame and "rotate 90° clockwise".
    const QByteArray jpeg = withExifOrientation(encodeJpeg(twoColourImage(32, 16), 95), 6);
    writeBytes(path(QStringLiteral("ritratto.jpg")), jpeg);

    const photofiles::KeptPicture picture = photofiles::keepPicture(path(QStringLiteral("ritratto.jpg")), QSize());
    QCOMPARE(picture.status, Status::Loaded);
    QCOMPARE(picture.image.size(), QSize(16, 32));
    // The left (red) half of the stored frame is now the top half.
    QVERIFY(looksLike(picture.image.pixelColor(8, 4), Qt::red));
    QVERIFY(looksLike(picture.image.pixelColor(8, 28), Qt::blue));
    // The bytes kept for writing back still carry the orientation.
    QVERIFY(picture.jpeg);
    QCOMPARE(picture.bytes, jpeg);
}

void TestPhotoFiles::fiftyMegapixelPhotoOpens()
{
    // The room comes from the test program's main, as the program's comes from
    // its own, before any picture is decoded: never from a decode, which may run
    // on several threads at once.
    QCOMPARE(QImageReader::allocationLimit(), photofiles::largePictureLimitMb);
    // 8660 x 5800: about 50 megapixels, 200 MB once decoded.
    QImage big(8660, 5800, QImage::Format_RGB32);
    big.fill(qRgb(40, 120, 200));
    writeBytes(path(QStringLiteral("grande.jpg")), encodeJpeg(big));
    big = QImage();

    const photofiles::KeptPicture picture = photofiles::keepPicture(path(QStringLiteral("grande.jpg")), QSize());
    QCOMPARE(picture.status, Status::Loaded);
    QCOMPARE(picture.image.size(), QSize(8660, 5800));
}

void TestPhotoFiles::keepPhotoCreatesTheFolder()
{
    const QString photo = path(QStringLiteral("Programma/Anagrafica/Scheda_1.jpg"));
    const photofiles::KeptPicture picture = photofiles::keepPhoto(photo, QSize(30, 40));
    QCOMPARE(picture.status, Status::Missing);
    QVERIFY(QFileInfo(path(QStringLiteral("Programma/Anagrafica"))).isDir());
}

void TestPhotoFiles::writePhotoKeepsJpegBytes()
{
    const QByteArray original = withExifOrientation(encodeJpeg(twoColourImage(20, 10), 97), 6);
    const QString photo = path(QStringLiteral("Book_Donne/Moda_Foto_2.jpg"));

    // The folder is made on the way; the picture argument gives way to the bytes.
    FailureCause cause;
    QVERIFY2(photofiles::writePhoto(photo, twoColourImage(3, 3), original, true, &cause), qPrintable(cause.detail()));
    QCOMPARE(readBytes(photo), original);

    // Written again over the same file: still the very same bytes.
    const photofiles::KeptPicture again = photofiles::keepPicture(photo, QSize());
    QVERIFY(again.jpeg);
    QVERIFY(photofiles::writePhoto(photo, again.image, again.bytes, true));
    QCOMPARE(readBytes(photo), original);
}

void TestPhotoFiles::writePhotoEncodesThePicture()
{
    const QString photo = path(QStringLiteral("Scheda_5.jpg"));
    writeBytes(photo, "an older file that is replaced");

    QVERIFY(photofiles::writePhoto(photo, twoColourImage(40, 30), {}, false));
    QImageReader reader(photo);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage written = reader.read();
    QCOMPARE(written.size(), QSize(40, 30));
    QVERIFY(looksLike(written.pixelColor(5, 15), Qt::red));
    QVERIFY(looksLike(written.pixelColor(35, 15), Qt::blue));
    // No leftovers of the atomic replacement beside the photo.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList { QStringLiteral("Scheda_5.jpg") });
}

void TestPhotoFiles::writePhotoFailures_data()
{
    QTest::addColumn<QString>("photo");
    QTest::addColumn<bool>("createFolder");
    QTest::addColumn<bool>("withBytes");

    // Root writes anywhere, so every failure here comes from the shape of the paths.
    QTest::newRow("folder missing, not created") << "Manca/Scheda_1.jpg" << false << true;
    QTest::newRow("folder is a file") << "occupato/Scheda_1.jpg" << true << true;
    QTest::newRow("folder is a file, encoding") << "occupato/Scheda_1.jpg" << true << false;
    QTest::newRow("parent of folder is a file") << "occupato/Anagrafica/Scheda_1.jpg" << true << false;
    QTest::newRow("photo is a folder") << "cartella" << false << true;
}

void TestPhotoFiles::writePhotoFailures()
{
    QFETCH(QString, photo);
    QFETCH(bool, createFolder);
    QFETCH(bool, withBytes);

    writeBytes(path(QStringLiteral("occupato")), "a file where a folder should be");
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("cartella")));

    const QByteArray bytes = withBytes ? encodeJpeg(twoColourImage(4, 4)) : QByteArray();
    FailureCause cause;
    QVERIFY(!photofiles::writePhoto(path(photo), twoColourImage(4, 4), bytes, createFolder, &cause));
    QVERIFY(cause.isKnown());
    QCOMPARE(readBytes(path(QStringLiteral("occupato"))), QByteArray("a file where a folder should be"));
}

QTEST_GUILESS_MAIN(TestPhotoFiles)
#include "tst_photofiles.moc"
