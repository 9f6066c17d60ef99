#include "report/CardLayouts.h"
#include "report/CardReport.h"
#include "storage/Layouts.h"
#include "support/TestMetaTypes.h"

#include <QtTest>

using namespace lumidex;
using namespace lumidex::report;

namespace {

// Royal blue, #4169E1: the caption bars and the title bar.
const QColor barBlue(0x41, 0x69, 0xE1);

QStringList registryFields()
{
    QStringList fields;
    for (int i = 0; i < layouts::registry.fieldCount(); ++i)
        fields << QStringLiteral("  valore %1 ").arg(i);
    return fields;
}

QStringList bookFields()
{
    QStringList fields;
    for (int i = 0; i < layouts::book.fieldCount(); ++i)
        fields << QStringLiteral("\tvoce %1  ").arg(i);
    return fields;
}

// The text box whose text is `caption`.
const ReportObject* captionBox(const ReportLayout& layout, const QString& caption)
{
    for (const ReportObject& object : layout.objects)
        if (object.kind == ObjectKind::Text && object.text == caption)
            return &object;
    return nullptr;
}

const ReportObject* rectangleAt(const ReportLayout& layout, const QRectF& box)
{
    for (const ReportObject& object : layout.objects)
        if (object.kind == ObjectKind::Rectangle && object.box == box)
            return &object;
    return nullptr;
}

bool sameBox(const QRectF& a, const QRectF& b)
{
    return qAbs(a.left() - b.left()) < 1e-9 && qAbs(a.top() - b.top()) < 1e-9 && qAbs(a.width() - b.width()) < 1e-9
        && qAbs(a.height() - b.height()) < 1e-9;
}

} // namespace

class TestCardReport : public QObject {
    Q_OBJECT

private:
    void addBoxColumns()
    {
        QTest::addColumn<bool>("book");
        QTest::addColumn<qreal>("barTop");
        QTest::addColumn<qreal>("left");
        QTest::addColumn<qreal>("width");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("valueName");
        QTest::addColumn<bool>("tight");
        QTest::addColumn<Qt::Alignment>("alignment");
    }

    static void row(bool book, qreal barTop, qreal left, qreal width, const char* caption, const char* value,
        bool tight = false, Qt::Alignment alignment = Qt::AlignLeft)
    {
        QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(
            book ? QStringLiteral("book") : QStringLiteral("registry"), QString::fromUtf8(value))))
            << book << barTop << left << width << QString::fromUtf8(caption) << QString::fromLatin1(value) << tight
            << alignment;
    }

private slots:
    void labelledBoxesLieWhereTheCardsMeasureThem_data()
    {
        addBoxColumns();
        const bool tight = true;
        row(false, 153, 1, 58, "LUOGO DI NASCITA", "txtLuogoNasc");
        row(false, 153, 61, 32, "DATA DI NASCITA", "txtDataNasc", false, Qt::AlignHCenter);
        row(false, 153, 95, 16, "SESSO", "txtSesso", false, Qt::AlignHCenter);
        row(false, 153, 113, 76, "INDIRIZZO DI RESIDENZA", "txtIndirizzo");
        row(false, 167, 1, 48, "E-MAIL", "txtEmail");
        row(false, 167, 51, 42, "CODICE FISCALE", "txtCodFisc");
        row(false, 167, 95, 39, "PARTITA IVA", "txtPartitaIva");
        row(false, 167, 136, 53, "IBAN", "txtIban");
        row(false, 181, 1, 92, "TITOLO DI STUDIO", "txtStudio");
        row(false, 181, 95, 94, "LINGUE CONOSCIUTE", "txtLingue");
        row(false, 195, 1, 92, "ESTREMI DOCUMENTO DI RICONOSCIMENTO", "txtEstremi", tight);
        row(false, 195, 95, 45, "TEL. FISSO", "txtTel");
        row(false, 195, 142, 47, "CELLULARE", "txtCellulare");
        row(false, 209, 1, 45, "ALTEZZA", "txtAltezza");
        row(false, 209, 48, 45, "PESO", "txtPeso");
        row(false, 209, 95, 45, "VITA", "txtVita");
        row(false, 209, 142, 47, "FIANCHI", "txtFianchi");
        row(false, 223, 1, 45, "OCCHI", "txtOcchi");
        row(false, 223, 48, 45, "CAPELLI", "txtCapelli");
        row(false, 223, 95, 45, "TAGLIA", "txtTaglia");
        row(false, 223, 142, 47, "SCARPE", "txtScarpe");
        row(false, 237, 1, 139, "ESPERIENZE LAVORATIVE", "txtEsperienze");
        row(false, 237, 142, 47, "CITTADINANZA", "txtCittadinanza");
        row(false, 251, 1, 188, "DISPONIBILITA'", "txtDisponibilita");
        row(false, 265, 1, 188, "NOTE", "txtNote", tight);
        row(true, 195, 1, 188, "DESCRIZIONE", "txtDescrizione", tight);
        row(true, 209, 1, 93, "LOCATION", "txtLocation");
        row(true, 209, 96, 93, "FOTOGRAFO", "txtFotografo");
        row(true, 223, 1, 93, "FOTOCAMERA", "txtFotocamera");
        row(true, 223, 96, 93, "FOTORITOCCO", "txtFotoritocco");
        row(true, 237, 1, 93, "ABITI", "txtAbiti");
        row(true, 237, 96, 93, "ACCESSORI", "txtAccessori");
        row(true, 251, 1, 93, "TRUCCO", "txtTrucco");
        row(true, 251, 96, 93, "GIUDIZIO", "txtGiudizio");
        row(true, 265, 1, 188, "NOTE", "txtNote", tight);
    }

    void labelledBoxesLieWhereTheCardsMeasureThem()
    {
        QFETCH(bool, book);
        QFETCH(qreal, barTop);
        QFETCH(qreal, left);
        QFETCH(qreal, width);
        QFETCH(QString, caption);
        QFETCH(QString, valueName);
        QFETCH(bool, tight);
        QFETCH(Qt::Alignment, alignment);
        const ReportLayout layout = book ? bookCardLayout() : registryCardLayout();

        const ReportObject* bar = rectangleAt(layout, QRectF(left, barTop, width, 4.8));
        QVERIFY(bar);
        QCOMPARE(bar->fill, barBlue);
        QCOMPARE(bar->outline, barBlue);

        const ReportObject* captionText = captionBox(layout, caption);
        QVERIFY(captionText);
        QVERIFY(sameBox(captionText->box, QRectF(left + 1, barTop + (tight ? 0.6 : 1.0), width - 2, 3.6)));
        QCOMPARE(captionText->font.family(), QStringLiteral("Arial"));
        QCOMPARE(captionText->font.pointSizeF(), 8.0);
        QVERIFY(captionText->font.bold());
        QCOMPARE(captionText->colour, QColor(Qt::white));
        QCOMPARE(captionText->alignment, Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(captionText->name == QLatin1String("titRaccomandazioni"), valueName == QLatin1String("txtNote"));

        const ReportObject* valueBox = rectangleAt(layout, QRectF(left, barTop + 5, width, 6));
        QVERIFY(valueBox);
        QVERIFY(!valueBox->fill.isValid());
        QVERIFY(!valueBox->outline.isValid());

        const ReportObject* value = layout.find(valueName);
        QVERIFY(value);
        QVERIFY(sameBox(value->box, QRectF(left + 1, barTop + 5 + (tight ? 1.0 : 1.4), width - 2, 4)));
        QCOMPARE(value->font.family(), QStringLiteral("Arial"));
        QCOMPARE(value->font.pointSizeF(), 8.0);
        QVERIFY(!value->font.bold());
        QCOMPARE(value->colour, QColor(Qt::black));
        QCOMPARE(value->alignment, alignment | Qt::AlignVCenter);
    }

    void headersAndPhotoBoxesLieWhereTheCardsMeasureThem()
    {
        const ReportLayout registry = registryCardLayout();
        QCOMPARE(registry.name, QStringLiteral("Scheda anagrafica"));
        QCOMPARE(registry.page.pageSize().id(), QPageSize::A4);
        QCOMPARE(registry.page.orientation(), QPageLayout::Portrait);
        QCOMPARE(registry.page.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
        QCOMPARE(registry.find(u"shpTitolo")->box, QRectF(1, 1, 188, 8));
        QCOMPARE(registry.find(u"shpTitolo")->fill, barBlue);
        QVERIFY(sameBox(registry.find(u"txtNome")->box, QRectF(2, 2.2, 186, 6)));
        QCOMPARE(registry.find(u"txtNome")->font.pointSizeF(), 12.0);
        QCOMPARE(registry.find(u"txtNome")->alignment, Qt::AlignCenter);
        QCOMPARE(registry.find(u"imgLogo")->kind, ObjectKind::Picture);
        QCOMPARE(registry.find(u"imgLogo")->box, QRectF(1, 11, 188, 140));
        // 25 boxes of four objects, the title bar, its text and the photo.
        QCOMPARE(registry.objects.size(), 25 * 4 + 3);

        const ReportLayout book = bookCardLayout();
        QCOMPARE(book.name, QStringLiteral("Scheda book fotografico"));
        QCOMPARE(book.page.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
        QVERIFY(sameBox(book.find(u"txtNome")->box, QRectF(1, 0.5, 151, 4)));
        QCOMPARE(book.find(u"txtNome")->font.pointSizeF(), 7.0);
        QVERIFY(book.find(u"txtNome")->alignment & Qt::AlignLeft);
        QVERIFY(sameBox(book.find(u"txtData")->box, QRectF(153, 0.5, 36, 4)));
        QVERIFY(book.find(u"txtData")->alignment & Qt::AlignRight);
        QCOMPARE(book.find(u"shpTitolo")->box, QRectF(1, 5, 188, 8));
        QVERIFY(sameBox(book.find(u"txtTitolo")->box, QRectF(2, 6.2, 186, 6)));
        QCOMPARE(book.find(u"txtTitolo")->colour, QColor(Qt::white));
        QCOMPARE(book.find(u"imgLogo")->box, QRectF(1, 16, 188, 177));
        QCOMPARE(book.objects.size(), 10 * 4 + 5);
    }

    void objectsAreFoundWhateverTheLetterCase()
    {
        ReportLayout layout = registryCardLayout();
        // The layout calls the languages box "txtlingue"; the program fills "txtLingue".
        QCOMPARE(layout.find(u"txtLingue")->name, QStringLiteral("txtlingue"));
        QVERIFY(layout.setText(u"TXTLINGUE", QStringLiteral("Inglese")));
        QCOMPARE(layout.find(u"txtlingue")->text, QStringLiteral("Inglese"));
        QVERIFY(!layout.setText(u"txtNessuno", QStringLiteral("x")));
        QVERIFY(!layout.setText(u"imgLogo", QStringLiteral("x")));
        QVERIFY(!layout.setPicture(u"txtNome", QImage(4, 4, QImage::Format_RGB32)));
    }

    void registryCardTakesEveryFieldTrimmed()
    {
        const CardValues card { registryFields(), QString(), QImage() };
        const std::optional<ReportLayout> layout = filledRegistryCard(card);
        QVERIFY(layout);
        for (int i = 0; i < layouts::registryEditFields; ++i) {
            const auto name = layouts::registry.field(i).name;
            const QString valueName = QStringLiteral("txt") + QString::fromLatin1(name.data(), name.size());
            QCOMPARE(layout->find(valueName)->text, QStringLiteral("valore %1").arg(i));
        }
        QCOMPARE(layout->page.orientation(), QPageLayout::Portrait);
    }

    void bookCardTakesBookNameDateAndFields()
    {
        QStringList fields = bookFields();
        CardValues card { fields, QStringLiteral("  Estate 2024 "), QImage() };
        std::optional<ReportLayout> layout = filledBookEntry(card);
        QVERIFY(layout);
        QCOMPARE(layout->find(u"txtNome")->text, QStringLiteral("Estate 2024"));
        QCOMPARE(layout->find(u"txtTitolo")->text, QStringLiteral("voce 0"));
        QCOMPARE(layout->find(u"txtData")->text, QStringLiteral("Data scatto: voce 2"));
        const char* sameNamed[] = { "Descrizione", "Location", "Fotografo", "Fotocamera", "Fotoritocco", "Abiti",
            "Accessori", "Trucco", "Giudizio", "Note" };
        for (const char* name : sameNamed)
            QCOMPARE(layout->find(QStringLiteral("txt") + QLatin1String(name))->text,
                QStringLiteral("voce %1").arg(layouts::book.indexOf(name)));

        // An entry without a date still says what the line is.
        fields[layouts::book.indexOf("Data")] = QStringLiteral("   ");
        card.fields = fields;
        layout = filledBookEntry(card);
        QCOMPARE(layout->find(u"txtData")->text, QStringLiteral("Data scatto: "));
    }

    void photoIsReducedToWhatItsBoxPrints()
    {
        // 4000 x 3000 pixels for a box of 188 x 140 mm: 300 dpi need about 2220 x 1654.
        QImage photo(4000, 3000, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        const std::optional<ReportLayout> layout
            = filledRegistryCard(CardValues { registryFields(), QString(), photo });
        QVERIFY(layout);
        const QImage printed = layout->find(u"imgLogo")->picture;
        QVERIFY(printed.width() <= std::ceil(188 * finestPictureDpi / 25.4));
        QVERIFY(printed.height() <= std::ceil(140 * finestPictureDpi / 25.4));
        QVERIFY(printed.width() > 2000);
        QVERIFY(qAbs(qreal(printed.width()) / printed.height() - 4.0 / 3.0) < 0.002);

        // A small picture is kept as it is; the painter enlarges it on paper.
        const QImage small(300, 200, QImage::Format_RGB32);
        QCOMPARE(printablePicture(small, QSizeF(188, 140), finestPictureDpi).size(), small.size());
    }
};

QTEST_MAIN(TestCardReport)
#include "tst_cardreport.moc"
