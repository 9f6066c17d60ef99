#include "report/CompCardLayout.h"
#include "report/CompCardReport.h"
#include "storage/Layouts.h"
#include "storage/ProgramFolder.h"
#include "support/TestMetaTypes.h"
#include "support/TestRecords.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace lumidex;
using namespace lumidex::report;

namespace {

QStringList compCardFields()
{
    return test::namedFieldCard(layouts::registry,
        {
            { "Nome", QStringLiteral("  Giulia Neri ") },
            { "Altezza", QStringLiteral(" 178 cm") },
            { "Peso", QStringLiteral("56 kg") },
            { "Vita", QStringLiteral("62") },
            { "Fianchi", QStringLiteral("90") },
            { "Occhi", QStringLiteral("verdi") },
            { "Capelli", QStringLiteral("castani") },
            { "Taglia", QStringLiteral("40") },
            { "Scarpe", QStringLiteral("38 ") },
            { "Indirizzo", QStringLiteral("Via Roma 1") },
        });
}

QList<const ReportObject*> pictureBoxes(const ReportLayout& layout)
{
    QList<const ReportObject*> boxes;
    for (const ReportObject& object : layout.objects)
        if (object.kind == ObjectKind::Picture)
            boxes << &object;
    return boxes;
}

void writeImage(const QString& path, const QSize& size, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QImageWriter writer(path, format);
    QVERIFY(writer.write(image));
}

bool near(qreal a, qreal b)
{
    return qAbs(a - b) < 1e-6;
}

} // namespace

class TestCompCardReport : public QObject {
    Q_OBJECT

private slots:
    void picturesSitBesideThePhotoInSlotOrder_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::newRow("none: the photo alone, full width") << 0 << 0 << 0;
        QTest::newRow("one: a wide box") << 1 << 1 << 1;
        QTest::newRow("two: two columns") << 2 << 2 << 1;
        QTest::newRow("three: three columns") << 3 << 3 << 1;
        QTest::newRow("four: two rows of two") << 4 << 2 << 2;
    }

    void picturesSitBesideThePhotoInSlotOrder()
    {
        QFETCH(int, count);
        QFETCH(int, columns);
        QFETCH(int, rows);
        const ReportLayout layout = compCardLayout(CompCardPaper::A5, count);
        const QRectF printable = layout.page.paintRect(QPageLayout::Millimeter);
        // The printable area, give or take a rounding error.
        const QRectF area = QRectF(QPointF(0, 0), printable.size()).adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
        QCOMPARE(layout.page.pageSize().id(), QPageSize::A5);
        QCOMPARE(layout.page.orientation(), QPageLayout::Landscape);

        const QList<const ReportObject*> boxes = pictureBoxes(layout);
        QCOMPARE(boxes.size(), count + 1);
        const QRectF photo = layout.find(u"imgFoto")->box;
        QVERIFY(area.contains(photo));
        if (count == 0)
            QVERIFY(near(photo.width(), printable.width()));

        QSet<qreal> lefts;
        QSet<qreal> tops;
        for (int i = 0; i < count; ++i) {
            const ReportObject* box = layout.find(compCardPictureName(i));
            QVERIFY(box);
            QCOMPARE(box->kind, ObjectKind::Picture);
            QVERIFY(area.contains(box->box));
            // Right of the photo, level with it, and clear of every other box.
            QVERIFY(box->box.left() > photo.right());
            QVERIFY(box->box.top() >= photo.top() && box->box.bottom() <= photo.bottom() + 1e-9);
            for (int j = 0; j < i; ++j) {
                const QRectF earlier = layout.find(compCardPictureName(j))->box;
                QVERIFY(!earlier.intersects(box->box));
                // Slot order reads like text: along a row, then the next row.
                QVERIFY(earlier.top() < box->box.top() || earlier.left() < box->box.left());
            }
            lefts << std::round(box->box.left() * 1000);
            tops << std::round(box->box.top() * 1000);
        }
        QCOMPARE(int(lefts.size()), columns);
        QCOMPARE(int(tops.size()), rows);

        // The name above, the measurements below the pictures, the agency's line last.
        QVERIFY(layout.find(u"txtNome")->box.bottom() <= photo.top());
        QVERIFY(layout.find(u"titAltezza")->box.top() >= photo.bottom());
        QVERIFY(layout.find(u"txtAgenzia")->box.top() >= layout.find(u"txtScarpe")->box.bottom());
        QVERIFY(area.contains(layout.find(u"txtAgenzia")->box));
    }

    void a4IsTheA5CardEnlarged()
    {
        const ReportLayout a5 = compCardLayout(CompCardPaper::A5, 3);
        const ReportLayout a4 = compCardLayout(CompCardPaper::A4, 3);
        QCOMPARE(a4.page.pageSize().id(), QPageSize::A4);
        QCOMPARE(a4.page.orientation(), QPageLayout::Landscape);
        QCOMPARE(a4.objects.size(), a5.objects.size());
        const qreal scale = std::sqrt(2.0);
        const QRectF printable = a4.page.paintRect(QPageLayout::Millimeter);
        for (qsizetype i = 0; i < a5.objects.size(); ++i) {
            const ReportObject& small = a5.objects.at(i);
            const ReportObject& large = a4.objects.at(i);
            QCOMPARE(large.name, small.name);
            QVERIFY2(near(large.box.left(), small.box.left() * scale) && near(large.box.top(), small.box.top() * scale)
                    && near(large.box.width(), small.box.width() * scale)
                    && near(large.box.height(), small.box.height() * scale),
                qPrintable(large.name));
            QVERIFY2(QRectF(QPointF(0, 0), printable.size()).contains(large.box), qPrintable(large.name));
            if (large.kind == ObjectKind::Text)
                QVERIFY(near(large.font.pointSizeF(), small.font.pointSizeF() * scale));
        }
    }

    void cardValuesPrintTrimmedUnderTheirCaptions()
    {
        const std::optional<ReportLayout> layout
            = filledCompCard(CompCardPaper::A5, { compCardFields(), QImage(), {} }, QStringLiteral("  Agenzia Luce "));
        QVERIFY(layout);
        QCOMPARE(layout->find(u"txtNome")->text, QStringLiteral("Giulia Neri"));
        QCOMPARE(layout->find(u"txtAgenzia")->text, QStringLiteral("Agenzia Luce"));
        const QStringList captions { QStringLiteral("ALTEZZA"), QStringLiteral("PESO"), QStringLiteral("VITA"),
            QStringLiteral("FIANCHI"), QStringLiteral("OCCHI"), QStringLiteral("CAPELLI"), QStringLiteral("TAGLIA"),
            QStringLiteral("SCARPE") };
        const QStringList values { QStringLiteral("178 cm"), QStringLiteral("56 kg"), QStringLiteral("62"),
            QStringLiteral("90"), QStringLiteral("verdi"), QStringLiteral("castani"), QStringLiteral("40"),
            QStringLiteral("38") };
        qreal left = -1;
        for (qsizetype i = 0; i < captions.size(); ++i) {
            const QString stem = QString::fromLatin1(compCardMeasures[i].field);
            const ReportObject* caption = layout->find(QStringLiteral("tit") + stem);
            const ReportObject* value = layout->find(QStringLiteral("txt") + stem);
            QCOMPARE(caption->text, captions.at(i));
            QCOMPARE(value->text, values.at(i));
            QVERIFY(value->box.top() >= caption->box.bottom());
            QVERIFY(caption->box.left() > left);
            left = caption->box.left();
        }
        // Nothing else of the card goes on a sheet meant for clients.
        for (const ReportObject& object : layout->objects)
            QVERIFY(!object.text.contains(QStringLiteral("Via Roma")));
    }

    void onlyAttachedPicturesCountInSlotOrder()
    {
        QTemporaryDir dir;
        const QString folder = programfolder::attachmentsFolderPath(dir.path());
        QVERIFY(QDir().mkpath(folder));
        writeImage(folder + QStringLiteral("/book.jpg"), QSize(40, 30), "jpg");
        writeImage(folder + QStringLiteral("/primo piano.png"), QSize(30, 40), "png");
        writeImage(folder + QStringLiteral("/mani.jpg"), QSize(30, 30), "jpg");
        QFile document(folder + QStringLiteral("/contratto.pdf"));
        QVERIFY(document.open(QIODevice::WriteOnly));
        document.write("%PDF-1.4\n% not a picture\n");
        document.close();
        // A document named like a picture is still a document.
        QFile disguised(folder + QStringLiteral("/finta.jpg"));
        QVERIFY(disguised.open(QIODevice::WriteOnly));
        disguised.write("plain text");
        disguised.close();

        QCOMPARE(
            attachedPictures(dir.path(),
                { QStringLiteral("contratto.pdf"), QStringLiteral(" book.jpg "), QString(),
                    QStringLiteral("sparita.jpg"), QStringLiteral("finta.jpg"), QStringLiteral("primo piano.png") }),
            QStringList({ folder + QStringLiteral("/book.jpg"), folder + QStringLiteral("/primo piano.png") }));
        // No more than the card has room for.
        const QString book = QStringLiteral("book.jpg");
        QCOMPARE(attachedPictures(dir.path(), { book, book, book, QStringLiteral("mani.jpg"), book }).size(),
            compCardMaxPictures);
    }

    void attachedPicturesAreDecodedAtTheSizeTheyPrint_data()
    {
        QTest::addColumn<CompCardPaper>("paper");
        QTest::newRow("A5") << CompCardPaper::A5;
        QTest::newRow("A4") << CompCardPaper::A4;
    }

    void attachedPicturesAreDecodedAtTheSizeTheyPrint()
    {
        QFETCH(CompCardPaper, paper);
        QTemporaryDir dir;
        const QString large = dir.filePath(QStringLiteral("grande.jpg"));
        writeImage(large, QSize(6000, 4000), "jpg");
        const QString small = dir.filePath(QStringLiteral("piccola.png"));
        writeImage(small, QSize(50, 80), "png");
        const QString broken = dir.filePath(QStringLiteral("rotta.jpg"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\xFF\xD8\xFF\xE0", 4));
        file.close();

        QImage photo(800, 1000, QImage::Format_RGB32);
        photo.fill(Qt::red);
        const std::optional<ReportLayout> layout
            = filledCompCard(paper, { compCardFields(), photo, { large, small, broken } }, QString());
        QVERIFY(layout);
        const ReportObject* wide = layout->find(u"imgFoto1");
        // Decoded for the finest print: 300 dpi.
        const QSize bound = boxPixels(wide->box.size(), 300);
        QVERIFY(wide->picture.width() <= bound.width() && wide->picture.height() <= bound.height());
        // Fitted with its proportions: the box's width is what limits a 3:2 picture in a tall column.
        QCOMPARE(wide->picture.width(), bound.width());
        QVERIFY(qAbs(wide->picture.height() - bound.width() * 2 / 3) <= 1);
        QCOMPARE(layout->find(u"imgFoto2")->picture.size(), QSize(50, 80));
        // A file that turned out unreadable leaves its box empty.
        QVERIFY(layout->find(u"imgFoto3")->picture.isNull());
        QVERIFY(!layout->find(u"imgFoto")->picture.isNull());
    }

    void photoBoundIsTheLargestPhotoBox()
    {
        for (int count = 0; count <= compCardMaxPictures; ++count) {
            const QSize bound = compCardPhotoBound(count);
            for (CompCardPaper paper : { CompCardPaper::A5, CompCardPaper::A4 }) {
                const QSize box = boxPixels(compCardLayout(paper, count).find(u"imgFoto")->box.size(), 300);
                QVERIFY(box.width() <= bound.width() && box.height() <= bound.height());
            }
        }
        QVERIFY(compCardPhotoBound(0).width() > compCardPhotoBound(1).width());
    }
};

QTEST_MAIN(TestCompCardReport)
#include "tst_compcardreport.moc"
