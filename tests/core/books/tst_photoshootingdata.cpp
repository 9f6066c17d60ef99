// The shooting data read from a photo: camera tags and dates written into small
// JPEGs made here, photos without them, and damaged files.

#include "books/PhotoShootingData.h"
#include "support/CameraPhotos.h"
#include "support/TestFiles.h"
#include "texts/BookTexts.h"

#include <QDate>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <exiv2/exiv2.hpp>
#include <memory>

using namespace lumidex;
using namespace lumidex::shooting;
using namespace lumidex::test;

class TestPhotoShootingData : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }

    void cameraName_data()
    {
        QTest::addColumn<QString>("make");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("expected");
        QTest::newRow("make and model") << "SONY"
                                        << "ILCE-7M3"
                                        << "SONY ILCE-7M3";
        QTest::newRow("model repeats the make") << "Canon"
                                                << "Canon EOS R5"
                                                << "Canon EOS R5";
        QTest::newRow("model repeats the make's name, another case") << "NIKON CORPORATION"
                                                                     << "Nikon D850"
                                                                     << "Nikon D850";
        QTest::newRow("model names the brand the company sells") << "Eastman Kodak Company"
                                                                 << "KODAK DC290 ZOOM DIGITAL CAMERA"
                                                                 << "KODAK DC290 ZOOM DIGITAL CAMERA";
        QTest::newRow("company words after the maker's name") << "OLYMPUS IMAGING CORP."
                                                              << "E-M1MarkII"
                                                              << "OLYMPUS E-M1MarkII";
        QTest::newRow("company with comma") << "FUJI PHOTO FILM CO., LTD."
                                            << "FinePix S5Pro"
                                            << "FUJI PHOTO FILM FinePix S5Pro";
        QTest::newRow("padding and control characters") << "  Apple\t"
                                                        << "iPhone   14\x01Pro  "
                                                        << "Apple iPhone 14 Pro";
        QTest::newRow("model only") << ""
                                    << " X-T4 "
                                    << "X-T4";
        QTest::newRow("make only") << "Hasselblad "
                                   << ""
                                   << "Hasselblad";
        QTest::newRow("nothing") << " "
                                 << "\t"
                                 << "";
        QTest::newRow("a name the archive cannot hold in part") << "Zenit"
                                                                << "Зенит E"
                                                                << "Zenit E";
    }
    void cameraName()
    {
        QFETCH(QString, make);
        QFETCH(QString, model);
        QFETCH(QString, expected);
        QCOMPARE(shooting::cameraName(make, model), expected);
    }

    void exifDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("camera form") << "2024:06:01 14:30:05" << QDate(2024, 6, 1);
        QTest::newRow("date only") << "1999:12:31" << QDate(1999, 12, 31);
        QTest::newRow("dashes") << "2023-02-28T08:00:00" << QDate(2023, 2, 28);
        QTest::newRow("blanks around") << " 2020:02:29 00:00:00\n" << QDate(2020, 2, 29);
        QTest::newRow("clock never set") << "0000:00:00 00:00:00" << QDate();
        QTest::newRow("blanked by the camera") << "    :  :     :  :  " << QDate();
        QTest::newRow("no such day") << "2023:02:29 10:00:00" << QDate();
        QTest::newRow("month 13") << "2023:13:01 10:00:00" << QDate();
        QTest::newRow("short year") << "24:06:01 14:30:05" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }
    void exifDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QCOMPARE(shooting::exifDate(text), expected);
    }

    void readsThePhotosTags_data()
    {
        QTest::addColumn<ExifTags>("tags");
        QTest::addColumn<QString>("camera");
        QTest::addColumn<QDate>("date");
        QTest::newRow("camera photo") << canonR5Tags() << "Canon EOS R5" << QDate(2024, 6, 1);
        QTest::newRow("scan: only the moment it was digitised") << ExifTags { { "Exif.Image.Model", "CanoScan 9000F" },
            { QStringLiteral("Exif.Photo.DateTimeDigitized"), QStringLiteral("2019:03:04 10:11:12") } }
                                                                << "CanoScan 9000F" << QDate(2019, 3, 4);
        QTest::newRow("original date zeroed, digitised date set")
            << ExifTags { { "Exif.Image.Make", "PENTAX" }, { "Exif.Photo.DateTimeOriginal", "0000:00:00 00:00:00" },
                   { QStringLiteral("Exif.Photo.DateTimeDigitized"), QStringLiteral("2015:08:09 18:00:00") } }
            << "PENTAX" << QDate(2015, 8, 9);
        QTest::newRow("only the file's change date")
            << ExifTags { { QStringLiteral("Exif.Image.DateTime"), QStringLiteral("2024:07:15 09:00:00") } }
            << QStringLiteral("") << QDate();
        QTest::newRow("edited: other tags only")
            << ExifTags { { QStringLiteral("Exif.Image.Software"), QStringLiteral("GIMP 2.10") },
                   { QStringLiteral("Exif.Image.Artist"), QStringLiteral("Studio") } }
            << QStringLiteral("") << QDate();
        QTest::newRow("no EXIF at all") << ExifTags {} << "" << QDate();
    }
    void readsThePhotosTags()
    {
        QFETCH(ExifTags, tags);
        QFETCH(QString, camera);
        QFETCH(QDate, date);
        const QString path = dir->filePath(QStringLiteral("scatto.jpg"));
        QVERIFY(writeCameraJpeg(path, tags));
        const PhotoShootingData data = readShootingData(path);
        QCOMPARE(data.camera, camera);
        QCOMPARE(data.date, date);
    }

    void aTagOfAnotherTypeSaysNothing()
    {
        const QString path = dir->filePath(QStringLiteral("scatto.jpg"));
        QVERIFY(writeCameraJpeg(path, canonR5Tags()));
        auto file = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        file->readMetadata();
        file->exifData()["Exif.Image.Make"] = uint16_t(7);
        file->exifData()["Exif.Image.Model"] = uint16_t(8);
        file->exifData()["Exif.Photo.DateTimeOriginal"] = uint32_t(2024);
        file->writeMetadata();
        const PhotoShootingData data = readShootingData(path);
        QCOMPARE(data.camera, QString());
        // The original date unusable, the digitised one stands in.
        QCOMPARE(data.date, QDate(2024, 6, 1));
    }

    void unreadableFilesGiveNoData_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("missing") << "missing";
        QTest::newRow("empty file") << "empty";
        QTest::newRow("text named .jpg") << "text";
        QTest::newRow("cut inside the EXIF block") << "cut";
        QTest::newRow("EXIF block overwritten") << "overwritten";
        QTest::newRow("bitmap") << "bitmap";
        QTest::newRow("a folder") << "folder";
    }
    void unreadableFilesGiveNoData()
    {
        QFETCH(QString, damage);
        const QString tagged = dir->filePath(QStringLiteral("sorgente.jpg"));
        QVERIFY(writeCameraJpeg(tagged, canonR5Tags()));
        const QByteArray bytes = readBytes(tagged);
        const qsizetype exifAt = bytes.indexOf("Exif");
        QVERIFY(exifAt > 0);
        QString path = dir->filePath(QStringLiteral("foto.jpg"));
        if (damage == QLatin1String("empty"))
            writeBytes(path, {});
        else if (damage == QLatin1String("text"))
            writeBytes(path, "Non sono una foto.\n");
        else if (damage == QLatin1String("cut"))
            writeBytes(path, bytes.left(exifAt + 40));
        else if (damage == QLatin1String("overwritten"))
            writeBytes(path, QByteArray(bytes).replace(exifAt + 6, 200, QByteArray(200, '\xFF')));
        else if (damage == QLatin1String("bitmap")) {
            path = dir->filePath(QStringLiteral("foto.bmp"));
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(Qt::white);
            QVERIFY(image.save(path, "BMP"));
        } else if (damage == QLatin1String("folder"))
            path = dir->path();
        const PhotoShootingData data = readShootingData(path);
        QCOMPARE(data.camera, QString());
        QVERIFY(!data.date.isValid());
    }

    // Whatever single byte of the EXIF block is damaged, reading goes on.
    void everyDamagedByteOfTheExifBlockIsSurvived()
    {
        const QString tagged = dir->filePath(QStringLiteral("sorgente.jpg"));
        QVERIFY(writeCameraJpeg(tagged, canonR5Tags()));
        const QByteArray bytes = readBytes(tagged);
        const qsizetype exifAt = bytes.indexOf("Exif");
        const int segmentLength = (quint8(bytes.at(exifAt - 2)) << 8) | quint8(bytes.at(exifAt - 1));
        const QString path = dir->filePath(QStringLiteral("rovinata.jpg"));
        int withCamera = 0;
        for (qsizetype at = exifAt; at < exifAt - 2 + segmentLength; ++at) {
            for (const char value : { '\x00', '\xFF' }) {
                QByteArray damaged = bytes;
                damaged[at] = value;
                writeBytes(path, damaged);
                const PhotoShootingData data = readShootingData(path);
                for (const QChar c : data.camera)
                    QVERIFY2(c.unicode() >= 32, qPrintable(data.camera));
                withCamera += data.camera == QLatin1String("Canon EOS R5");
            }
        }
        // Damage to other tags leaves the camera readable.
        QVERIFY(withCamera > 0);
    }

    void fillsOnlyEmptyFields_data()
    {
        QTest::addColumn<QString>("photoCamera");
        QTest::addColumn<QDate>("photoDate");
        QTest::addColumn<QString>("typedCamera");
        QTest::addColumn<QString>("typedDate");
        QTest::addColumn<QString>("camera");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("notice");
        const QDate june1(2024, 6, 1);
        QTest::newRow("both empty") << "Canon EOS R5" << june1 << ""
                                    << ""
                                    << "Canon EOS R5"
                                    << "01/06/2024"
                                    << "Letti dalla foto: Fotocamera «Canon EOS R5», "
                                       "Data scatto 01/06/2024.";
        QTest::newRow("blanks count as empty") << "Canon EOS R5" << june1 << "   "
                                               << ""
                                               << "Canon EOS R5"
                                               << "01/06/2024"
                                               << "Letti dalla foto: Fotocamera «Canon EOS R5», "
                                                  "Data scatto 01/06/2024.";
        QTest::newRow("camera typed, date filled") << "Canon EOS R5" << june1 << "Leica M6"
                                                   << ""
                                                   << ""
                                                   << "01/06/2024"
                                                   << "Letti dalla foto: Data scatto 01/06/2024.";
        QTest::newRow("date picked, camera filled") << "Canon EOS R5" << june1 << ""
                                                    << "14/07/2023"
                                                    << "Canon EOS R5"
                                                    << ""
                                                    << "Letti dalla foto: Fotocamera «Canon EOS R5».";
        QTest::newRow("both filled with something else")
            << "Canon EOS R5" << june1 << "Leica M6"
            << "14/07/2023"
            << ""
            << ""
            << "Campi già compilati lasciati come sono; la foto riporta Fotocamera «Canon EOS R5», Data "
               "scatto 01/06/2024.";
        QTest::newRow("both filled with the same") << "Canon EOS R5" << june1 << "Canon EOS R5"
                                                   << "01/06/2024"
                                                   << ""
                                                   << ""
                                                   << "";
        QTest::newRow("photo without data") << "" << QDate() << ""
                                            << ""
                                            << ""
                                            << ""
                                            << "La foto non riporta né la fotocamera né la data dello scatto.";
        QTest::newRow("photo without camera, date picked") << "" << june1 << ""
                                                           << "01/06/2024"
                                                           << ""
                                                           << ""
                                                           << "La foto non riporta la fotocamera.";
        QTest::newRow("photo without date, camera typed") << "Canon EOS R5" << QDate() << "Canon EOS R5"
                                                          << ""
                                                          << ""
                                                          << ""
                                                          << "La foto non riporta la data dello scatto.";
        QTest::newRow("photo without data, fields filled") << "" << QDate() << "Leica M6"
                                                           << "14/07/2023"
                                                           << ""
                                                           << ""
                                                           << "";
        QTest::newRow("one long word cut to the field")
            << QString(60, QLatin1Char('X')) << QDate() << ""
            << "14/07/2023" << QString(50, QLatin1Char('X')) << ""
            << QStringLiteral("Letti dalla foto: Fotocamera «%1».").arg(QString(50, QLatin1Char('X')));
        QTest::newRow("long name cut to the field at the end of a word")
            << "FUJI PHOTO FILM FinePix S5Pro Extended Edition With A Very Long Model Name" << QDate() << ""
            << "14/07/2023"
            << "FUJI PHOTO FILM FinePix S5Pro Extended Edition"
            << ""
            << "Letti dalla foto: Fotocamera «FUJI PHOTO FILM FinePix S5Pro Extended Edition».";
    }
    void fillsOnlyEmptyFields()
    {
        QFETCH(QString, photoCamera);
        QFETCH(QDate, photoDate);
        QFETCH(QString, typedCamera);
        QFETCH(QString, typedDate);
        QFETCH(QString, camera);
        QFETCH(QString, date);
        QFETCH(QString, notice);
        const ShootingFill fill = fillEmptyFields({ photoCamera, photoDate }, typedCamera, typedDate, 50);
        QCOMPARE(fill.camera, camera);
        QCOMPARE(fill.date, date);
        QVERIFY(fill.camera.size() <= 50);
        QCOMPARE(booktext::shootingDataNotice(fill), notice);
    }
};

QTEST_GUILESS_MAIN(TestPhotoShootingData)
#include "tst_photoshootingdata.moc"
