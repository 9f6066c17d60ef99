#include "storage/CardPhoto.h"
#include "storage/PhotoFiles.h"
#include "support/DiskFaults.h"
#include "support/TestFiles.h"
#include "support/TestMetaTypes.h"
#include "support/TestPictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace lumidex;
using namespace lumidex::test;
using SaveResult = CardPhoto::SaveResult;

class TestCardPhoto : public QObject {
    Q_OBJECT

private slots:
    void init();
    void unchangedJpegIsSavedAsTheSameBytes();
    void otherFormatsAreSavedAsJpeg();
    void missingPhotoSavesThePlaceholder();
    void unreadablePhotoIsLeftAlone();
    void unreadablePhotoIsReplacedAfterAChange_data();
    void unreadablePhotoIsReplacedAfterAChange();
    void failingWriteIsReported();
    void aFullDiskKeepsThePreviousPhoto_data();
    void aFullDiskKeepsThePreviousPhoto();
    void exportWritesWithoutCreatingFolders();
    void placeholderFollowsItsPicture();
    void photoIsShownAtTheFrameSize_data();
    void photoIsShownAtTheFrameSize();
    void largerViewsDecodeFromTheKeptBytes();
    void aNewFrameSizeDecodesThePhotoAgain();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString cardPhoto(int position) const
    {
        return photofiles::registryPhotoPath(m_dir->path(), QString::number(position));
    }
    CardPhoto newCard() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QImage m_placeholder;
};

void TestCardPhoto::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Same proportions as the editors' stock picture, smaller to keep tests quick.
    m_placeholder = QImage(31, 41, QImage::Format_RGB32);
    m_placeholder.fill(qRgb(0, 200, 0));
}

CardPhoto TestCardPhoto::newCard() const
{
    CardPhoto card;
    card.setPlaceholder(m_placeholder);
    card.showPlaceholder();
    return card;
}

void TestCardPhoto::unchangedJpegIsSavedAsTheSameBytes()
{
    // Saved at a quality the default encoder would not reproduce.
    const QByteArray original = encodeJpeg(twoColourImage(24, 16), 100);
    QVERIFY(QDir().mkpath(path(QStringLiteral("Anagrafica"))));
    writeBytes(cardPhoto(3), original);

    for (int save = 0; save < 2; ++save) {
        CardPhoto card = newCard();
        card.loadFromCard(cardPhoto(3));
        QVERIFY(!card.showsPlaceholder());
        QCOMPARE(card.image().size(), QSize(24, 16));
        QCOMPARE(card.saveToCard(cardPhoto(3)), SaveResult::Written);
        QCOMPARE(readBytes(cardPhoto(3)), original);
    }

    // A JPEG loaded with "Carica foto" reaches the card file unchanged too.
    CardPhoto card = newCard();
    writeBytes(path(QStringLiteral("scelta.jpg")), original);
    QVERIFY(card.loadFromFile(path(QStringLiteral("scelta.jpg"))));
    QCOMPARE(card.saveToCard(cardPhoto(9)), SaveResult::Written);
    QCOMPARE(readBytes(cardPhoto(9)), original);
}

void TestCardPhoto::otherFormatsAreSavedAsJpeg()
{
    CardPhoto card = newCard();
    writeBytes(path(QStringLiteral("scelta.bmp")), encodeImage(twoColourImage(10, 8), "bmp"));
    QVERIFY(card.loadFromFile(path(QStringLiteral("scelta.bmp"))));
    QCOMPARE(card.saveToCard(cardPhoto(1)), SaveResult::Written);

    QImageReader reader(cardPhoto(1));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), QSize(10, 8));
}

void TestCardPhoto::missingPhotoSavesThePlaceholder()
{
    CardPhoto card = newCard();
    card.loadFromCard(cardPhoto(4));
    QVERIFY(card.showsPlaceholder());
    QCOMPARE(card.image(), m_placeholder);
    // Reading the photo made its folder.
    QVERIFY(QFileInfo(path(QStringLiteral("Anagrafica"))).isDir());

    QCOMPARE(card.saveToCard(cardPhoto(4)), SaveResult::Written);
    QImageReader reader(cardPhoto(4));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage written = reader.read();
    QCOMPARE(written.size(), m_placeholder.size());
    QVERIFY(looksLike(written.pixelColor(15, 20), QColor(0, 200, 0)));
}

void TestCardPhoto::unreadablePhotoIsLeftAlone()
{
    const QByteArray garbage("not a JPEG at all, perhaps a damaged one");
    QVERIFY(QDir().mkpath(path(QStringLiteral("Anagrafica"))));
    writeBytes(cardPhoto(2), garbage);

    CardPhoto card = newCard();
    card.loadFromCard(cardPhoto(2));
    QVERIFY(card.showsPlaceholder());
    QCOMPARE(card.image(), m_placeholder);
    QCOMPARE(card.saveToCard(cardPhoto(2)), SaveResult::LeftAlone);
    QCOMPARE(card.saveToCard(cardPhoto(2)), SaveResult::LeftAlone);
    QCOMPARE(readBytes(cardPhoto(2)), garbage);

    // "Salva foto" still copies what is shown.
    QVERIFY(card.exportTo(path(QStringLiteral("Foto.jpg"))));
    QCOMPARE(QImageReader(path(QStringLiteral("Foto.jpg"))).size(), m_placeholder.size());

    // Moving to a card with a good photo lifts the protection.
    const QByteArray good = encodeJpeg(twoColourImage(8, 8));
    writeBytes(cardPhoto(5), good);
    card.loadFromCard(cardPhoto(5));
    QCOMPARE(card.saveToCard(cardPhoto(5)), SaveResult::Written);
    QCOMPARE(readBytes(cardPhoto(5)), good);
}

void TestCardPhoto::unreadablePhotoIsReplacedAfterAChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("expectPlaceholder");
    QTest::newRow("Carica foto with a picture") << "load picture" << false;
    QTest::newRow("Carica foto with a file that is no picture") << "load garbage" << true;
    QTest::newRow("Cancella foto") << "placeholder" << true;
}

void TestCardPhoto::unreadablePhotoIsReplacedAfterAChange()
{
    QFETCH(QString, change);
    QFETCH(bool, expectPlaceholder);

    const QByteArray garbage("damaged photo bytes");
    const QByteArray picture = encodeJpeg(twoColourImage(12, 6));
    QVERIFY(QDir().mkpath(path(QStringLiteral("Anagrafica"))));
    writeBytes(cardPhoto(2), garbage);
    writeBytes(path(QStringLiteral("nuova.jpg")), picture);
    writeBytes(path(QStringLiteral("testo.jpg")), "just text");

    CardPhoto card = newCard();
    card.loadFromCard(cardPhoto(2));
    if (change == QStringLiteral("load picture"))
        QVERIFY(card.loadFromFile(path(QStringLiteral("nuova.jpg"))));
    else if (change == QStringLiteral("load garbage"))
        QVERIFY(!card.loadFromFile(path(QStringLiteral("testo.jpg"))));
    else
        card.showPlaceholder();
    QCOMPARE(card.showsPlaceholder(), expectPlaceholder);

    QCOMPARE(card.saveToCard(cardPhoto(2)), SaveResult::Written);
    if (expectPlaceholder)
        QCOMPARE(QImageReader(cardPhoto(2)).size(), m_placeholder.size());
    else
        QCOMPARE(readBytes(cardPhoto(2)), picture);
}

void TestCardPhoto::failingWriteIsReported()
{
    // The program folder holds a file named like the photo folder.
    writeBytes(path(QStringLiteral("Anagrafica")), "in the way");
    CardPhoto card = newCard();
    card.loadFromCard(cardPhoto(1));
    QVERIFY(card.showsPlaceholder());

    FailureCause cause;
    QCOMPARE(card.saveToCard(cardPhoto(1), &cause), SaveResult::Failed);
    QCOMPARE(cause.words(), QStringLiteral("Al posto del file c'è una cartella, o al posto della cartella un file."));
    QCOMPARE(readBytes(path(QStringLiteral("Anagrafica"))), QByteArray("in the way"));
}

void TestCardPhoto::aFullDiskKeepsThePreviousPhoto_data()
{
    QTest::addColumn<DiskFault>("fault");
    QTest::addColumn<QString>("format");
    for (const DiskFault fault : allDiskFaults()) {
        QTest::addRow("%s, a JPEG written back as it is", diskFaultName(fault)) << fault << QStringLiteral("jpg");
        QTest::addRow("%s, a bitmap encoded as JPEG", diskFaultName(fault)) << fault << QStringLiteral("bmp");
    }
}

void TestCardPhoto::aFullDiskKeepsThePreviousPhoto()
{
    QFETCH(DiskFault, fault);
    QFETCH(QString, format);
    FaultyDisk disk(fault);
    LUMIDEX_REQUIRE_DISK(disk);
    const QString photo = photofiles::registryPhotoPath(disk.path(), QStringLiteral("1"));
    const QString folder = QFileInfo(photo).absolutePath();
    QVERIFY(QDir().mkpath(folder));
    const QByteArray previous = encodeJpeg(twoColourImage(24, 16), 100);
    writeBytes(photo, previous);
    const QString chosen = path(QStringLiteral("scelta.") + format);
    writeBytes(chosen, encodeImage(speckledImage(120), format.toLatin1().constData()));
    CardPhoto card = newCard();
    QVERIFY(card.loadFromFile(chosen));
    QVERIFY2(disk.strike(), qPrintable(disk.unavailable()));

    FailureCause cause;
    const SaveResult result = card.saveToCard(photo, &cause);
    disk.lift();
    QCOMPARE(result, SaveResult::Failed);
    QCOMPARE(cause.detail(), diskFaultReason(fault));
    QCOMPARE(cause.words(), diskFaultWords(fault));
    QCOMPARE(readBytes(photo), previous);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { QStringLiteral("Scheda_1.jpg") });
}

void TestCardPhoto::exportWritesWithoutCreatingFolders()
{
    const QByteArray original = encodeJpeg(twoColourImage(16, 16), 100);
    writeBytes(path(QStringLiteral("origine.jpg")), original);
    CardPhoto card = newCard();
    QVERIFY(card.loadFromFile(path(QStringLiteral("origine.jpg"))));

    QVERIFY(card.exportTo(path(QStringLiteral("Foto.jpg"))));
    QCOMPARE(readBytes(path(QStringLiteral("Foto.jpg"))), original);

    FailureCause cause;
    QVERIFY(!card.exportTo(path(QStringLiteral("Nessuna/Foto.jpg")), &cause));
    QCOMPARE(cause.words(), QStringLiteral("File o cartella inesistente."));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("Nessuna"))));
}

void TestCardPhoto::placeholderFollowsItsPicture()
{
    CardPhoto card;
    QVERIFY(card.showsPlaceholder());
    card.setPlaceholder(m_placeholder);
    QCOMPARE(card.image(), m_placeholder);

    writeBytes(path(QStringLiteral("foto.jpg")), encodeJpeg(twoColourImage(8, 4)));
    QVERIFY(card.loadFromFile(path(QStringLiteral("foto.jpg"))));
    QImage other(5, 5, QImage::Format_RGB32);
    other.fill(Qt::white);
    card.setPlaceholder(other);
    // A shown photo is not replaced by a new placeholder picture.
    QCOMPARE(card.image().size(), QSize(8, 4));
    card.showPlaceholder();
    QCOMPARE(card.image(), other);
}

void TestCardPhoto::photoIsShownAtTheFrameSize_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QSize>("whole");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<bool>("sameBytes");

    // The frame is 30 × 40 pixels here; the editor's is 307 × 409 at the screen's density.
    QTest::newRow("landscape JPEG") << encodeJpeg(twoColourImage(240, 160), 100) << QSize(240, 160) << QSize(30, 20)
                                    << true;
    QTest::newRow("portrait JPEG") << encodeJpeg(twoColourImage(120, 400), 100) << QSize(120, 400) << QSize(12, 40)
                                   << true;
    // Stored landscape with "rotate 90°": shown upright, the bytes kept with their orientation.
    QTest::newRow("JPEG of a camera held upright") << withExifOrientation(encodeJpeg(twoColourImage(320, 160), 100), 6)
                                                   << QSize(160, 320) << QSize(20, 40) << true;
    QTest::newRow("JPEG smaller than the frame")
        << encodeJpeg(twoColourImage(24, 16), 100) << QSize(24, 16) << QSize(24, 16) << true;
    // Any other format is written as a JPEG of its whole size.
    QTest::newRow("bitmap") << encodeImage(twoColourImage(300, 200), "bmp") << QSize(300, 200) << QSize(30, 20)
                            << false;
    QTest::newRow("PNG") << encodeImage(twoColourImage(100, 300), "png") << QSize(100, 300) << QSize(13, 40) << false;
}

void TestCardPhoto::photoIsShownAtTheFrameSize()
{
    QFETCH(QByteArray, file);
    QFETCH(QSize, whole);
    QFETCH(QSize, shown);
    QFETCH(bool, sameBytes);

    writeBytes(path(QStringLiteral("scelta")), file);
    QVERIFY(QDir().mkpath(path(QStringLiteral("Anagrafica"))));
    writeBytes(cardPhoto(1), file);
    for (const bool fromCard : { true, false }) {
        CardPhoto card = newCard();
        card.setShownSize(QSize(30, 40));
        if (fromCard)
            card.loadFromCard(cardPhoto(1));
        else
            QVERIFY(card.loadFromFile(path(QStringLiteral("scelta"))));
        QVERIFY(!card.showsPlaceholder());
        QCOMPARE(card.image().size(), shown);
        // Upright: the red half of the stored frame is on the left, or on top once turned.
        QVERIFY(looksLike(card.image().pixelColor(0, 0), Qt::red));

        QCOMPARE(card.saveToCard(cardPhoto(2)), SaveResult::Written);
        QVERIFY(card.exportTo(path(QStringLiteral("Foto.jpg"))));
        for (const QString& written : { cardPhoto(2), path(QStringLiteral("Foto.jpg")) }) {
            if (sameBytes) {
                QCOMPARE(readBytes(written), file);
            } else {
                QImageReader reader(written);
                QCOMPARE(reader.format(), QByteArray("jpeg"));
                QCOMPARE(reader.size(), whole);
            }
        }
    }
}

void TestCardPhoto::largerViewsDecodeFromTheKeptBytes()
{
    const QByteArray file = withExifOrientation(encodeJpeg(twoColourImage(400, 200), 100), 6);
    QVERIFY(QDir().mkpath(path(QStringLiteral("Anagrafica"))));
    writeBytes(cardPhoto(1), file);
    CardPhoto card = newCard();
    card.setShownSize(QSize(30, 40));
    card.loadFromCard(cardPhoto(1));
    // The file may change or go: the photo shown is the one read.
    QVERIFY(QFile::remove(cardPhoto(1)));

    QCOMPARE(card.image().size(), QSize(20, 40));
    const QImage zoom = card.pictureFitting(QSize(150, 150));
    QCOMPARE(zoom.size(), QSize(75, 150));
    QVERIFY(looksLike(zoom.pixelColor(37, 10), Qt::red));
    QVERIFY(looksLike(zoom.pixelColor(37, 140), Qt::blue));
    // Never larger than the photo itself.
    QCOMPARE(card.pictureFitting(QSize(1000, 1000)).size(), QSize(200, 400));
    QCOMPARE(card.pictureFitting(QSize()).size(), QSize(200, 400));

    // The placeholder is only ever reduced.
    card.showPlaceholder();
    QCOMPARE(card.pictureFitting(QSize(300, 300)), m_placeholder);
    QCOMPARE(card.pictureFitting(QSize(15, 15)).size(), QSize(11, 15));
}

void TestCardPhoto::aNewFrameSizeDecodesThePhotoAgain()
{
    writeBytes(path(QStringLiteral("foto.jpg")), encodeJpeg(twoColourImage(300, 200), 100));
    CardPhoto card = newCard();
    QVERIFY(card.loadFromFile(path(QStringLiteral("foto.jpg"))));
    // No frame size yet: the whole picture.
    QCOMPARE(card.image().size(), QSize(300, 200));
    card.setShownSize(QSize(60, 80));
    QCOMPARE(card.image().size(), QSize(60, 40));
    // A screen of twice the density.
    card.setShownSize(QSize(120, 160));
    QCOMPARE(card.image().size(), QSize(120, 80));
    card.showPlaceholder();
    QCOMPARE(card.image(), m_placeholder);
}

QTEST_GUILESS_MAIN(TestCardPhoto)
#include "tst_cardphoto.moc"
