#include "report/ContactSheetLayout.h"
#include "report/ContactSheetReport.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "storage/PhotoFiles.h"
#include "support/TestRecords.h"

#include <QDir>
#include <QImageWriter>
#include <QPicture>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace lumidex;
using namespace lumidex::report;

namespace {

QList<ContactEntry> entries(int count)
{
    QList<ContactEntry> list;
    for (int i = 1; i <= count; ++i)
        list << ContactEntry { i, QStringLiteral("Scatto %1").arg(i), QStringLiteral("01/06/2024") };
    return list;
}

QList<ReportObject> named(const QList<ReportObject>& objects, const QString& name)
{
    QList<ReportObject> found;
    for (const ReportObject& object : objects)
        if (object.name == name)
            found << object;
    return found;
}

} // namespace

class TestContactSheetReport : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QImage placeholder;

    ContactSheetBook book() const
    {
        return { QStringLiteral("Estate"), dir.path(), QStringLiteral("Book_Uomini"), placeholder };
    }
    QString photoPath(int position) const
    {
        return photofiles::bookPhotoPath(
            dir.path(), QStringLiteral("Book_Uomini"), QStringLiteral("Estate"), QString::number(position));
    }

private slots:
    void initTestCase()
    {
        placeholder = QImage(307, 409, QImage::Format_RGB32);
        placeholder.fill(Qt::magenta);
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("Book_Uomini"))));
    }

    void twentyEntriesFillAPage_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("pages");
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("a full page") << 20 << 1;
        QTest::newRow("one more") << 21 << 2;
        QTest::newRow("two full pages") << 40 << 2;
        QTest::newRow("a camera's day") << 500 << 25;
    }

    void twentyEntriesFillAPage()
    {
        QFETCH(int, entries);
        QFETCH(int, pages);
        const ContactSheetReport sheet(book(), ::entries(entries));
        QCOMPARE(sheet.pageCount(), pages);
        QCOMPARE(sheet.name(), QStringLiteral("Provino book fotografico"));
        QCOMPARE(sheet.pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(sheet.pageLayout().orientation(), QPageLayout::Portrait);
        const QList<ReportObject> last = sheet.pageObjects(pages - 1, 72);
        QCOMPARE(named(last, QStringLiteral("imgFoto")).size(), entries - (pages - 1) * 20);
        QCOMPARE(named(last, QStringLiteral("txtPagina")).first().text,
            QStringLiteral("Pagina %1 di %2").arg(pages).arg(pages));
    }

    void cellsRunInRowsOfFourUnderTheHeader()
    {
        const ContactSheetReport sheet(book(), entries(23));
        const QRectF printable(QPointF(0, 0), sheet.pageLayout().paintRect(QPageLayout::Millimeter).size());
        const QList<ReportObject> first = sheet.pageObjects(0, 72);
        QCOMPARE(named(first, QStringLiteral("txtNome")).first().text, QStringLiteral("Estate"));
        const qreal headerBottom = named(first, QStringLiteral("txtNome")).first().box.bottom();
        const QList<ReportObject> pictures = named(first, QStringLiteral("imgFoto"));
        const QList<ReportObject> titles = named(first, QStringLiteral("txtTitolo"));
        const QList<ReportObject> positions = named(first, QStringLiteral("txtPosizione"));
        const QList<ReportObject> dates = named(first, QStringLiteral("txtData"));
        QCOMPARE(pictures.size(), 20);
        for (int i = 0; i < 20; ++i) {
            const QRectF box = pictures.at(i).box;
            QVERIFY(printable.contains(box));
            QVERIFY(box.top() > headerBottom);
            // Each entry's texts sit under its own picture.
            QCOMPARE(titles.at(i).text, QStringLiteral("Scatto %1").arg(i + 1));
            QCOMPARE(positions.at(i).text, QStringLiteral("N. %1").arg(i + 1));
            QCOMPARE(dates.at(i).text, QStringLiteral("01/06/2024"));
            for (const QRectF& caption : { titles.at(i).box, positions.at(i).box, dates.at(i).box }) {
                QVERIFY(caption.top() >= box.bottom());
                QVERIFY(caption.left() >= box.left() - 1 && caption.right() <= box.right() + 1);
            }
            if (i % 4 != 0) {
                QCOMPARE(box.top(), pictures.at(i - 1).box.top());
                QVERIFY(box.left() > pictures.at(i - 1).box.right());
            } else if (i > 0) {
                QVERIFY(box.top() > titles.at(i - 1).box.bottom());
                QCOMPARE(box.left(), pictures.at(0).box.left());
            }
        }
        // The second page starts again at the top left.
        const QList<ReportObject> second = sheet.pageObjects(1, 72);
        QCOMPARE(named(second, QStringLiteral("imgFoto")).first().box, pictures.first().box);
        QCOMPARE(named(second, QStringLiteral("txtTitolo")).first().text, QStringLiteral("Scatto 21"));
    }

    void thumbnailsAreDecodedAtTheirPrintedSize()
    {
        QImage camera(6000, 4000, QImage::Format_RGB32);
        camera.fill(Qt::darkGreen);
        QVERIFY(QImageWriter(photoPath(1), "jpg").write(camera));
        QImage tiny(30, 20, QImage::Format_RGB32);
        tiny.fill(Qt::yellow);
        QVERIFY(QImageWriter(photoPath(2), "jpg").write(tiny));
        QFile broken(photoPath(3));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a photo");
        broken.close();
        QFile::remove(photoPath(4));

        const ContactSheetReport sheet(book(), entries(4));
        for (const qreal dpi : { 150.0, 200.0 }) {
            const QList<ReportObject> pictures = named(sheet.pageObjects(0, dpi), QStringLiteral("imgFoto"));
            const QSize bound = boxPixels(pictures.first().box.size(), dpi);
            QCOMPARE(pictures.at(0).picture.width(), bound.width());
            QVERIFY(pictures.at(0).picture.height() <= bound.height());
            QCOMPARE(pictures.at(1).picture.size(), QSize(30, 20));
            // Unreadable and missing photos show the placeholder.
            QCOMPARE(pictures.at(2).picture, placeholder);
            QCOMPARE(pictures.at(3).picture, placeholder);
        }
    }

    void thumbnailsFollowThePaperAndStaySmallInThePreview()
    {
        const auto imageAt = [](int dpi) {
            QImage image(10, 10, QImage::Format_RGB32);
            image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
            image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
            return image;
        };
        // A printer gives all a thumbnail needs and no more: 200 dpi.
        QCOMPARE(thumbnailDpi(imageAt(600)), 200.0);
        QCOMPARE(thumbnailDpi(imageAt(1200)), 200.0);
        QCOMPARE(thumbnailDpi(imageAt(150)), 150.0);
        // A device that records its pages, as the preview does, keeps screen-sized
        // ones: at most 120 dpi.
        QPicture recording;
        QCOMPARE(thumbnailDpi(recording), qMin<qreal>(recording.logicalDpiY(), 120));
        QVERIFY(contactSheetPreviewDpi < contactSheetDpi);
    }

    void entriesAreReadWithTheirPositionsTitlesAndDates()
    {
        const QString path = dir.filePath(QStringLiteral("Inverno.men"));
        const Archive archive(path, layouts::book);
        for (int i = 1; i <= 3; ++i) {
            archive.append(test::namedFieldCard(layouts::book,
                {
                    { "Titolo", QStringLiteral(" Neve %1 ").arg(i) },
                    { "Data", QStringLiteral("0%1/01/2025").arg(i) },
                    { "Location", QStringLiteral("Cortina") },
                }));
        }
        const QList<ContactEntry> read = readContactEntries(path);
        QCOMPARE(read.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(read.at(i).position, i + 1);
            QCOMPARE(read.at(i).title, QStringLiteral("Neve %1").arg(i + 1));
            QCOMPARE(read.at(i).date, QStringLiteral("0%1/01/2025").arg(i + 1));
        }
        // A book that cannot be opened is an archive failure.
        QVERIFY_THROWS_EXCEPTION(ArchiveError, readContactEntries(dir.path()));
    }
};

QTEST_MAIN(TestContactSheetReport)
#include "tst_contactsheetreport.moc"
