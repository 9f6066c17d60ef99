#include "package/PackageCards.h"
#include "package/PackageFields.h"
#include "package/PackageReport.h"
#include "storage/Archive.h"
#include "storage/Layouts.h"

#include <QAbstractItemModelTester>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumidex;
using namespace lumidex::package;

namespace {

int registryIndex(std::string_view name)
{
    return layouts::registry.indexOf(name);
}

// A card with every field filled with its own name, so that any field that
// leaks shows which one it was.
QStringList fullRecord(const QString& name)
{
    QStringList record;
    for (int i = 0; i < layouts::registry.fieldCount(); ++i)
        record << QString::fromStdString(std::string(layouts::registry.field(i).name)) + QStringLiteral("-valore");
    record[registryIndex("Nome")] = name;
    return record;
}

QStringList captions(const QList<ShownField>& fields)
{
    QStringList list;
    for (const ShownField& f : fields)
        list << f.caption;
    return list;
}

const QStringList physical { QStringLiteral("Altezza"), QStringLiteral("Peso"), QStringLiteral("Vita"),
    QStringLiteral("Fianchi"), QStringLiteral("Taglia"), QStringLiteral("Scarpe"), QStringLiteral("Occhi"),
    QStringLiteral("Capelli") };

} // namespace

class TestPackageChoice : public QObject {
    Q_OBJECT

private slots:
    // A package leaves the agency: out of the box it shows the measures and the
    // physical fields and never a personal one.
    void defaultChoiceShowsNoPersonalData()
    {
        const FieldChoice choice;
        QVERIFY(choice.pictures());
        QCOMPARE(captions(choice.shownFields(fullRecord(QStringLiteral("Giulia")))), physical);
        for (const OfferedField& offered : offeredFields())
            QCOMPARE(choice.includes(offered.field), !offered.personal);
        const QStringList masked = choice.maskedRecord(fullRecord(QStringLiteral("Giulia")));
        for (const char* personal : { "CodFisc", "PartitaIva", "Iban", "Indirizzo", "Tel", "Cellulare", "Email",
                 "Estremi", "DataNasc", "LuogoNasc", "Note", "Esperienze" })
            QVERIFY2(masked.at(registryIndex(personal)).isEmpty(), personal);
        QCOMPARE(masked.at(registryIndex("Nome")), QStringLiteral("Giulia"));
        QCOMPARE(masked.at(registryIndex("Altezza")), QStringLiteral("Altezza-valore"));
        // The attached files stay: the pictures are chosen apart.
        QCOMPARE(masked.at(registryIndex("File01")), QStringLiteral("File01-valore"));
    }

    // Each personal field goes in alone, where the user ticks it.
    void personalFieldsGoInOneByOne_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("tax code") << "CodFisc"
                                  << "Codice fiscale";
        QTest::newRow("VAT number") << "PartitaIva"
                                    << "Partita IVA";
        QTest::newRow("IBAN") << "Iban"
                              << "IBAN";
        QTest::newRow("address") << "Indirizzo"
                                 << "Indirizzo";
        QTest::newRow("phone") << "Tel"
                               << "Tel. fisso";
        QTest::newRow("mobile") << "Cellulare"
                                << "Cellulare";
        QTest::newRow("e-mail") << "Email"
                                << "E-mail";
        QTest::newRow("identity document") << "Estremi"
                                           << "Documento di riconoscimento";
        QTest::newRow("date of birth") << "DataNasc"
                                       << "Data di nascita";
        QTest::newRow("place of birth") << "LuogoNasc"
                                        << "Luogo di nascita";
    }
    void personalFieldsGoInOneByOne()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        FieldChoice choice;
        choice.include(registryIndex(name.toStdString()), true);
        const QList<ShownField> shown = choice.shownFields(fullRecord(QStringLiteral("Giulia")));
        QCOMPARE(captions(shown), physical + QStringList { caption });
        QCOMPARE(shown.constLast().value, name + QStringLiteral("-valore"));
        QCOMPARE(choice.maskedRecord(fullRecord(QStringLiteral("Giulia"))).at(registryIndex(name.toStdString())),
            name + QStringLiteral("-valore"));
        choice.include(registryIndex(name.toStdString()), false);
        QCOMPARE(captions(choice.shownFields(fullRecord(QStringLiteral("Giulia")))), physical);
    }

    // A field the package does not offer cannot be put in; a physical field can
    // be left out; blank values are not shown.
    void choiceEdges()
    {
        FieldChoice choice;
        choice.include(registryIndex("Note"), true);
        choice.include(registryIndex("Peso"), false);
        QVERIFY(!choice.includes(registryIndex("Note")));
        QStringList record = fullRecord(QStringLiteral("Giulia"));
        record[registryIndex("Vita")] = QStringLiteral("   ");
        record[registryIndex("Altezza")] = QStringLiteral("  178 ");
        const QList<ShownField> shown = choice.shownFields(record);
        QCOMPARE(captions(shown),
            (QStringList { QStringLiteral("Altezza"), QStringLiteral("Fianchi"), QStringLiteral("Taglia"),
                QStringLiteral("Scarpe"), QStringLiteral("Occhi"), QStringLiteral("Capelli") }));
        QCOMPARE(shown.constFirst().value, QStringLiteral("178"));
        QVERIFY(choice.maskedRecord(record).at(registryIndex("Note")).isEmpty());
    }

    // The list is read in one visit, filtered by the search's rules over name,
    // sex, eyes, hair and availability, and ticks survive the filter.
    void cardListFiltersAndKeepsTicks_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QList<int>>("positions");
        QTest::newRow("nothing typed") << "" << QList<int> { 1, 2, 3 };
        QTest::newRow("blanks only") << "   " << QList<int> { 1, 2, 3 };
        QTest::newRow("name, any case") << "GIULIA" << QList<int> { 1 };
        QTest::newRow("sex") << "M" << QList<int> { 2, 3 };
        QTest::newRow("eyes") << "verd" << QList<int> { 1, 3 };
        QTest::newRow("hair") << "biondi" << QList<int> { 2 };
        QTest::newRow("availability") << "weekend" << QList<int> { 3 };
        QTest::newRow("blank inside counts") << "o r" << QList<int> { 2 };
        QTest::newRow("accents match as typed") << "Nicolò" << QList<int> { 3 };
        QTest::newRow("accented letters keep their case") << "NICOLÒ" << QList<int> {};
        QTest::newRow("no match") << "zzz" << QList<int> {};
    }
    void cardListFiltersAndKeepsTicks()
    {
        QFETCH(QString, filter);
        QFETCH(QList<int>, positions);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Archivio_Anagrafico.pro"));
        const Archive archive(path, layouts::registry);
        const auto card = [&](const QString& name, const QString& sex, const QString& eyes, const QString& hair,
                              const QString& availability) {
            QStringList values(layouts::registry.fieldCount());
            values[registryIndex("Nome")] = name;
            values[registryIndex("Sesso")] = sex;
            values[registryIndex("Occhi")] = eyes;
            values[registryIndex("Capelli")] = hair;
            values[registryIndex("Disponibilita")] = availability;
            archive.append(values);
        };
        card(QStringLiteral("Giulia Neri"), QStringLiteral("F"), QStringLiteral("verdi"), QStringLiteral("castani"),
            QStringLiteral("tutti i giorni"));
        card(QStringLiteral("Marco Rossi"), QStringLiteral("M"), QStringLiteral("azzurri"), QStringLiteral("biondi"),
            QStringLiteral("da lunedì"));
        card(QStringLiteral("Nicolò Bianchi"), QStringLiteral("M"), QStringLiteral("verdi"), QStringLiteral("neri"),
            QStringLiteral("nel weekend"));

        PackageCardModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setCards(readPackageCards(path));
        PackageCardFilter filtered;
        filtered.setSourceModel(&model);
        QAbstractItemModelTester filterTester(&filtered, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy counts(&model, &PackageCardModel::checkedCountChanged);
        model.setChecked({ 0, 1, 2 }, true);
        QCOMPARE(counts.constLast().constFirst().toInt(), 3);

        filtered.setFilterText(filter);
        QList<int> shown;
        for (int row = 0; row < filtered.rowCount(); ++row) {
            const QModelIndex index = filtered.mapToSource(filtered.index(row, 0));
            shown << model.card(index.row()).position;
            QCOMPARE(filtered.index(row, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        }
        QCOMPARE(shown, positions);
        // Clearing what the filter shows leaves the hidden cards ticked.
        QList<int> rows;
        for (int row = 0; row < filtered.rowCount(); ++row)
            rows << filtered.mapToSource(filtered.index(row, 0)).row();
        model.setChecked(rows, false);
        QCOMPARE(model.checkedCount(), 3 - int(positions.size()));
        if (!positions.isEmpty())
            QVERIFY(filtered.setData(filtered.index(0, 0), Qt::Checked, Qt::CheckStateRole));

        // The chosen records come back whole, in file order.
        const QList<Card> chosen = readChosenCards(path, { 3, 1 });
        QCOMPARE(chosen.size(), 2);
        QCOMPARE(chosen.at(0).position, 1);
        QCOMPARE(chosen.at(1).values.at(registryIndex("Disponibilita")), QStringLiteral("nel weekend"));
    }

    // The printed package: a cover naming every card, then a comp card per card
    // with only the chosen fields; the page step can stop the print.
    void printedPackage()
    {
        const FieldChoice choice;
        QStringList first = fullRecord(QStringLiteral("Giulia Neri"));
        QStringList second = fullRecord(QStringLiteral("Marco \"Rossi\" & C."));
        PackageReport report({ QStringLiteral("Studio Alfa"), QStringLiteral("Casting estate\nsecondo giro"),
                                 QStringLiteral("Agenzia Lumi"), QDate(2026, 12, 11) },
            { { choice.maskedRecord(first), QString(), {} }, { choice.maskedRecord(second), QString(), {} } },
            QImage(QSize(30, 40), QImage::Format_RGB32));
        QCOMPARE(report.pageCount(), 3);
        QCOMPARE(report.pageLayout().orientation(), QPageLayout::Landscape);

        const std::optional<report::ReportLayout> cover = report.pageLayoutOf(0);
        QVERIFY(cover);
        QCOMPARE(cover->find(u"txtCliente")->text, QStringLiteral("Studio Alfa"));
        QCOMPARE(cover->find(u"txtNota")->text, QStringLiteral("Casting estate\nsecondo giro"));
        QCOMPARE(cover->find(u"lstNomi1")->text, QStringLiteral("Giulia Neri\nMarco \"Rossi\" & C."));
        QCOMPARE(cover->find(u"txtData")->text, QStringLiteral("11/12/2026"));

        const std::optional<report::ReportLayout> card = report.pageLayoutOf(2);
        QVERIFY(card);
        QCOMPARE(card->find(u"txtNome")->text, QStringLiteral("Marco \"Rossi\" & C."));
        QCOMPARE(card->find(u"txtAltezza")->text, QStringLiteral("Altezza-valore"));
        for (const report::ReportObject& object : card->objects)
            QVERIFY2(!object.text.contains(QStringLiteral("CodFisc")), qPrintable(object.name));

        int asked = 0;
        report.setPageStep([&asked](int page) {
            asked = page;
            return page < 2;
        });
        QPdfWriter pdf(QDir::temp().filePath(QStringLiteral("tst_packagechoice.pdf")));
        QVERIFY(!paintReport(report, pdf));
        QCOMPARE(asked, 2);
        QFile::remove(QDir::temp().filePath(QStringLiteral("tst_packagechoice.pdf")));
    }

    // Many names: the cover says how many it could not list.
    void coverOfManyNames()
    {
        QStringList names;
        for (int i = 1; i <= 80; ++i)
            names << QStringLiteral("Modella %1").arg(i);
        const report::ReportLayout cover
            = packageCoverLayout({ QStringLiteral("X"), {}, {}, QDate(2026, 1, 2) }, names);
        QVERIFY(cover.find(u"titNomi")->text.endsWith(QStringLiteral("80 schede")));
        QVERIFY(cover.find(u"lstNomi3")->text.endsWith(QStringLiteral("... e altre 27")));
        QVERIFY(!cover.find(u"lstNomi4"));
    }
};

QTEST_MAIN(TestPackageChoice)
#include "tst_packagechoice.moc"
