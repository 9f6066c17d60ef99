#include "find/FindFields.h"
#include "find/FindIndex.h"
#include "find/FindQuery.h"
#include "find/FoundCardsModel.h"
#include "search/LineOrder.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "storage/RecordSource.h"
#include "support/TestRecords.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumidex;

namespace {

using Values = QList<std::pair<const char*, const char*>>;

QStringList cardOf(const RecordLayout& layout, const Values& values)
{
    QStringList card = test::blankRecord(layout);
    for (const auto& [field, value] : values) {
        const int index = layout.indexOf(field);
        Q_ASSERT(index >= 0);
        card[index] = QString::fromUtf8(value);
    }
    return card;
}

// A registry with accents, elisions, "ß", "Ø", and one phone number written
// five ways over the first five cards.
const QList<QStringList>& registryCards()
{
    static const QList<QStringList> cards {
        cardOf(layouts::registry,
            { { "Nome", "Niccolò Bianchi" }, { "LuogoNasc", "Forlì" }, { "Cellulare", "+39 333 123 4567" } }),
        cardOf(layouts::registry,
            { { "Nome", "Øyvind Hansen" }, { "LuogoNasc", "Bergen" }, { "Tel", "0039 333.123.4567" },
                { "Cittadinanza", "Norvegese" } }),
        cardOf(layouts::registry,
            { { "Nome", "Anna D'Angelo" }, { "Indirizzo", "Via dell'Acqua 3, Roma" },
                { "Cellulare", "333-123-4567" } }),
        cardOf(layouts::registry,
            { { "Nome", "Karl Meier" }, { "Indirizzo", "Lange Straße 12, München" }, { "Tel", "(333) 1234567" },
                { "Email", "karl.meier@example.de" } }),
        cardOf(layouts::registry,
            { { "Nome", "NICCOLÒ ROSSI" }, { "LuogoNasc", "Milano" }, { "Cellulare", "3331234567" },
                { "CodFisc", "RSSNCC80A01F205X" }, { "PartitaIva", "01234567890" } }),
        cardOf(layouts::registry,
            { { "Nome", "Bianca Rossi" }, { "LuogoNasc", "Milano" }, { "Note", "Sorella di Niccolò" },
                { "Cellulare", "347 765 4321" } }),
        cardOf(layouts::registry,
            { { "Nome", "Angela Romano" }, { "LuogoNasc", "Roma" }, { "Email", "angela.romano@example.it" },
                { "Studio", "Laurea in lettere" } }),
    };
    return cards;
}

const QList<QStringList>& bookCards()
{
    static const QList<QStringList> cards {
        cardOf(layouts::book,
            { { "Titolo", "Ritratto all'alba" }, { "Data", "12/05/2023" }, { "Location", "Cesenatico" },
                { "Fotografo", "Søren Nielsen" } }),
        cardOf(layouts::book,
            { { "Titolo", "Œuvre en noir" }, { "Descrizione", "Bianco e nero, luce dura" }, { "Data", "03/11/2022" },
                { "Location", "Parigi" }, { "Abiti", "Alba" } }),
        cardOf(layouts::book,
            { { "Titolo", "Alba sul porto" }, { "Data", "14/07/2023" }, { "Location", "Portofino" },
                { "Fotografo", "Anna Rossi" } }),
    };
    return cards;
}

RecordSource sourceOf(const RecordLayout& layout, const QList<QStringList>& cards)
{
    return [&layout, cards](int, const RecordVisit& visit) {
        for (qsizetype i = 0; i < cards.size(); ++i)
            test::visitRecord(visit, layout, int(i) + 1, cards.at(i));
    };
}

QList<int> positionsOf(const FindResult& found)
{
    QList<int> positions;
    for (const FoundCard& card : found.best)
        positions << card.position;
    return positions;
}

QString lineOf(const FoundCard& card)
{
    return card.shown[0] + QLatin1Char('|') + card.shown[1] + QLatin1Char('|') + card.shown[2];
}

// Writes `count` registry cards, `card(n)` each, straight into a new archive.
void writeArchive(const QString& path, int count, const std::function<QStringList(int)>& card)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int n = 1; n <= count; ++n)
        QCOMPARE(file.write(layouts::registry.encode(card(n))), qint64(layouts::registry.size()));
}

} // namespace

// The index of an archive's words and what it finds: every word typed begins a
// word of the card, in any order, whatever the case and the accents; digits
// whatever the marks between them; the cards whose name answers first.
class TestFindIndex : public QObject {
    Q_OBJECT

private slots:
    void queriesFindTheCardsThatAnswer_data()
    {
        QTest::addColumn<bool>("book");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("positions");
        const auto registry = [](const char* name, const char* typed, QList<int> positions) {
            QTest::addRow("registry: %s", name) << false << QString::fromUtf8(typed) << positions;
        };
        registry("plain letters find an accent", "niccolo", { 1, 5, 6 });
        registry("capitals with the accent", "NICCOLÒ", { 1, 5, 6 });
        registry("the first letters", "nic", { 1, 5, 6 });
        registry("Ø as o", "oyvind", { 2 });
        registry("ß as ss", "strasse", { 4 });
        registry("ß typed", "STRAßE", { 4 });
        registry("the word after an elision", "angelo", { 3 });
        registry("an elision typed", "d'angelo", { 3 });
        registry("an elision written together", "dangelo", { 3 });
        registry("an elision in the address", "dellacq", { 3 });
        registry("names first, in Italian order", "ang", { 7, 3 });
        registry("a name before an address", "roma", { 7, 3 });
        registry("two words", "rossi milano", { 6, 5 });
        registry("the same two words the other way round", "milano rossi", { 6, 5 });
        registry("a name with both words first", "niccolo rossi", { 5, 6 });
        registry("both words the other way round", "rossi niccolo", { 5, 6 });
        registry("a word that begins nothing", "zzz", {});
        registry("one word of two that begins nothing", "niccolo zzz", {});
        registry("a word inside another is no beginning", "colo", {});
        registry("phone together", "3331234567", { 3, 4, 1, 5, 2 });
        registry("phone with +39 and blanks", "+39 333 123 4567", { 3, 4, 1, 5, 2 });
        registry("phone with 0039 together", "00393331234567", { 3, 4, 1, 5, 2 });
        registry("phone with dots", "333.123.4567", { 3, 4, 1, 5, 2 });
        registry("phone begun", "333 12", { 3, 4, 1, 5, 2 });
        registry("phone from its second group", "1234567", { 3, 4, 1, 2 });
        registry("another phone", "347 765", { 6 });
        registry("e-mail", "karl.meier@exa", { 4 });
        registry("e-mail domain", "example", { 7, 4 });
        registry("tax code", "rssncc80", { 5 });
        registry("VAT number", "0123456", { 5 });
        registry("town without its accent", "forli", { 1 });
        registry("citizenship", "norveg", { 2 });
        registry("notes", "sorella", { 6 });
        registry("a field the find does not look in", "laurea", {});
        registry("punctuation only", " - ", {});
        const auto book = [](const char* name, const char* typed, QList<int> positions) {
            QTest::addRow("book: %s", name) << true << QString::fromUtf8(typed) << positions;
        };
        book("titles first, in Italian order", "alba", { 3, 1 });
        book("an elision written together", "allalba", { 1 });
        book("Œ as oe", "oeuvre", { 2 });
        book("ø as o", "soren", { 1 });
        book("description", "nero luce", { 2 });
        book("date", "12/05", { 1 });
        book("year", "2023", { 3, 1 });
        book("location", "porto", { 3 });
        book("photographer", "rossi", { 3 });
        book("a field the find does not look in", "abiti", {});
    }
    void queriesFindTheCardsThatAnswer()
    {
        QFETCH(bool, book);
        QFETCH(QString, typed);
        QFETCH(QList<int>, positions);
        const FindFields& fields = book ? findfields::book() : findfields::registry();
        const QList<QStringList>& cards = book ? bookCards() : registryCards();
        const FindIndex index = FindIndex::build(sourceOf(*fields.layout, cards), fields);
        QCOMPARE(index.cardCount(), cards.size());
        const FindQuery query(typed);
        const FindResult found = index.find(query, 50);
        QCOMPARE(positionsOf(found), positions);
        QCOMPARE(found.count, positions.size());
        // A card read on its own answers exactly when the index finds it.
        for (qsizetype i = 0; i < cards.size(); ++i)
            QVERIFY2(query.matches(fields, cards.at(i)) == positions.contains(int(i) + 1),
                qPrintable(QStringLiteral("card %1").arg(i + 1)));
    }

    void aLineShowsTheKindsThreeTexts()
    {
        const FindIndex registry
            = FindIndex::build(sourceOf(layouts::registry, registryCards()), findfields::registry());
        const FindResult person = registry.find(FindQuery(QStringLiteral("forli")), 50);
        QCOMPARE(person.best.size(), 1);
        QCOMPARE(lineOf(person.best.at(0)), QStringLiteral("Niccolò Bianchi|Forlì|+39 333 123 4567"));
        const FindIndex book = FindIndex::build(sourceOf(layouts::book, bookCards()), findfields::book());
        const FindResult photo = book.find(FindQuery(QStringLiteral("oeuvre")), 50);
        QCOMPARE(photo.best.size(), 1);
        QCOMPARE(lineOf(photo.best.at(0)), QStringLiteral("Œuvre en noir|03/11/2022|Parigi"));
    }

    // However many answer, the list holds the best; all are counted. Names
    // that answer come before any other card, even one of an earlier name.
    void theListKeepsTheBestAndCountsAll()
    {
        QList<QStringList> cards;
        for (int n = 1; n <= 130; ++n) {
            // Every third card has "Carla" only in its notes, and an earlier name.
            const bool noted = n % 3 == 0;
            cards << cardOf(layouts::registry,
                { { "Nome", noted ? "Ada Zeta" : "Carla Neri" }, { "Note", noted ? "Amica di Carla" : "" } });
        }
        const FindIndex index = FindIndex::build(sourceOf(layouts::registry, cards), findfields::registry());
        const FindResult found = index.find(FindQuery(QStringLiteral("carla")), 50);
        QCOMPARE(found.count, 130);
        QCOMPARE(found.best.size(), 50);
        QList<int> expected;
        for (int n = 1; expected.size() < 50; ++n)
            if (n % 3 != 0)
                expected << n;
        QCOMPARE(positionsOf(found), expected);

        const FindResult few = index.find(FindQuery(QStringLiteral("amica")), 5);
        QCOMPARE(few.count, 43);
        QCOMPARE(positionsOf(few), (QList<int> { 3, 6, 9, 12, 15 }));
        QCOMPARE(index.find(FindQuery(QStringLiteral("ada carla")), 50).count, 43);
        QCOMPARE(index.find(FindQuery(QStringLiteral("carla")), 0).best.size(), 0);
    }

    // A large archive is read in runs side by side: the words of every run
    // make one index, and a word met in several runs finds its cards in all.
    void theRunsOfALargeArchiveMakeOneIndex()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Archivio_Anagrafico.pro"));
        constexpr int cards = 3 * Archive::recordsPerRun + 17;
        writeArchive(path, cards, [](int n) {
            QStringList card = test::blankRecord(layouts::registry);
            card[layouts::registry.indexOf("Nome")] = n % 2 ? QStringLiteral("Alfa") : QStringLiteral("Beta");
            card[layouts::registry.indexOf("Cellulare")] = QStringLiteral("333 %1").arg(n, 7, 10, QLatin1Char('0'));
            card[layouts::registry.indexOf("Note")]
                = n > cards - 100 ? QStringLiteral("Ultima") : QStringLiteral("Prima");
            return card;
        });
        const FindIndex index
            = FindIndex::build(archiveRecords(Archive(path, layouts::registry)), findfields::registry());
        QCOMPARE(index.cardCount(), cards);

        const FindResult alfa = index.find(FindQuery(QStringLiteral("alfa")), 50);
        QCOMPARE(alfa.count, (cards + 1) / 2);
        // One name for all: the list keeps the order of the archive.
        QList<int> odd;
        for (int n = 1; odd.size() < 50; n += 2)
            odd << n;
        QCOMPARE(positionsOf(alfa), odd);

        const FindResult last = index.find(FindQuery(QStringLiteral("333%1").arg(cards, 7, 10, QLatin1Char('0'))), 50);
        QCOMPARE(positionsOf(last), QList<int> { cards });
        const FindResult ultima = index.find(FindQuery(QStringLiteral("ultima beta")), 50);
        QCOMPARE(ultima.count, 50);
        QCOMPARE(ultima.best.constFirst().position, cards - 99 + (cards - 99) % 2);
        QCOMPARE(index.find(FindQuery(QStringLiteral("prima ultima")), 50).count, 0);
        QCOMPARE(index.find(FindQuery(QStringLiteral("333")), 50).count, cards);
    }

    // The list's order is the search's: names as the search sorts its lines
    // (the Italian order: letters first, then accents, then case; "l·l" a
    // letter of its own), the same name by position; in a large archive too,
    // whose runs are sorted apart and merged.
    void theListIsInTheSearchsOrder_data()
    {
        QTest::addColumn<int>("cards");
        QTest::newRow("a few cards") << 40;
        QTest::newRow("runs side by side") << 3 * Archive::recordsPerRun + 17;
    }
    void theListIsInTheSearchsOrder()
    {
        QFETCH(int, cards);
        const QStringList names { QStringLiteral("ÀLVARO Neri"), QStringLiteral("alvaro neri"),
            QStringLiteral("Alvaro Neri"), QStringLiteral("Álvaro Neri"), QStringLiteral("Col·lecció"),
            QStringLiteral("Coll Anna"), QStringLiteral("Colz"), QStringLiteral("Zoë"), QStringLiteral("zoe"),
            QStringLiteral("Øyvind"), QStringLiteral("Oz"), QStringLiteral("Ada"), QStringLiteral("ADA"),
            QStringLiteral("Æsir"), QStringLiteral("Aesir"), QStringLiteral("Straße"), QStringLiteral("Strasse"),
            QStringLiteral("D'Angelo"), QStringLiteral("Dangelo"), QStringLiteral("D Angelo"),
            QStringLiteral("Alessandra Rossi Bianchi Verdi"), QStringLiteral("Alessandra Rossi Bianchi Verde"),
            QStringLiteral("10 Maggio"), QStringLiteral("9 Maggio"), QString(), QStringLiteral("ß") };
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Archivio_Anagrafico.pro"));
        // Some forty cards answer, spread over the whole archive, and the
        // names come round among them.
        const int every = qMax(1, cards / 45);
        QStringList answering;
        QHash<QString, QList<int>> positions;
        writeArchive(path, cards, [&](int n) {
            QStringList card = test::blankRecord(layouts::registry);
            const QString name = names.at((n / every * 7 + n % every) % names.size());
            card[layouts::registry.indexOf("Nome")] = name;
            if (n % every == 0) {
                card[layouts::registry.indexOf("Note")] = QStringLiteral("Scheda");
                answering << name;
                positions[name] << n;
            }
            return card;
        });
        const FindIndex index
            = FindIndex::build(archiveRecords(Archive(path, layouts::registry)), findfields::registry());
        const FindResult found = index.find(FindQuery(QStringLiteral("scheda")), 50);
        QCOMPARE(found.count, answering.size());

        // The search's order of the names; the cards of each name by position.
        QStringList sorted = answering;
        sortLines(sorted);
        QList<int> expected;
        for (qsizetype i = 0; i < sorted.size() && expected.size() < 50; ++i)
            expected << positions[sorted.at(i)].takeFirst();
        QCOMPARE(positionsOf(found), expected);
    }

    void anEmptyArchiveFindsNothing()
    {
        const FindIndex index = FindIndex::build(sourceOf(layouts::registry, {}), findfields::registry());
        QCOMPARE(index.cardCount(), 0);
        const FindResult found = index.find(FindQuery(QStringLiteral("a")), 50);
        QCOMPARE(found.count, 0);
        QVERIFY(found.best.isEmpty());
    }

    // A visit that fails part way gives no index at all.
    void aVisitThatFailsGivesNoIndex()
    {
        const RecordSource failing = [](int, const RecordVisit& visit) {
            for (int n = 1; n <= 3; ++n)
                test::visitRecord(visit, layouts::registry, n, registryCards().at(n - 1));
            throw ArchiveError(QStringLiteral("Short read"));
        };
        QVERIFY_THROWS_EXCEPTION(ArchiveError, FindIndex::build(failing, findfields::registry()));
    }

    void theListModelShowsACardARow()
    {
        const FindIndex index = FindIndex::build(sourceOf(layouts::registry, registryCards()), findfields::registry());
        FoundCardsModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setCards(index.find(FindQuery(QStringLiteral("bianc")), 50).best);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(0).data().toString(), QStringLiteral("Bianca Rossi · Milano · 347 765 4321"));
        QCOMPARE(model.index(0).data(FoundCardsModel::PositionRole).toInt(), 6);
        QCOMPARE(model.index(1).data().toString(), QStringLiteral("Niccolò Bianchi · Forlì · +39 333 123 4567"));
        model.setCards(index.find(FindQuery(QStringLiteral("oyvind")), 50).best);
        QCOMPARE(model.rowCount(), 1);
        // A card without a mobile shows the texts it has.
        QCOMPARE(model.index(0).data().toString(), QStringLiteral("Øyvind Hansen · Bergen"));
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFindIndex)
#include "tst_findindex.moc"
