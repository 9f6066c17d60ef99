#include "search/ArchiveSearch.h"
#include "search/ResultLineBuilders.h"
#include "search/ResultListModel.h"
#include "search/SearchCriteria.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/Layouts.h"
#include "support/TestRecords.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumidex;

namespace {

constexpr int nome = layouts::registry.indexOf("Nome");
constexpr int luogo = layouts::registry.indexOf("LuogoNasc");
constexpr int note = layouts::registry.indexOf("Note");

QStringList card(const QString& name, const QString& place = {}, const QString& notes = {})
{
    QStringList values(layouts::registry.fieldCount());
    values[nome] = name;
    values[layouts::registry.indexOf("Sesso")] = QStringLiteral("F");
    values[luogo] = place;
    values[note] = notes;
    return values;
}

QStringList namesOf(const QStringList& lines)
{
    QStringList names;
    for (const QString& line : lines)
        names << line.left(30).trimmed();
    return names;
}

// Visits the given records, then fails as a read error in the middle of the file would.
RecordSource failingAfter(QList<QStringList> records)
{
    return [records](int, const RecordVisit& visit) {
        for (int i = 0; i < records.size(); ++i)
            test::visitRecord(visit, layouts::registry, i + 1, records.at(i));
        throw ArchiveError(QStringLiteral("Short read"));
    };
}

} // namespace

class TestArchiveSearch : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;

    QString registryPath() const { return dir->filePath(QStringLiteral("Archivio_Anagrafico.pro")); }
    RecordSource registry() const { return archiveRecords(registryPath(), layouts::registry); }
    void seed(const QList<QStringList>& cards) const
    {
        const Archive archive(registryPath(), layouts::registry);
        for (const QStringList& values : cards)
            archive.append(values);
    }
    QStringList search(const QList<SearchCriteria::Criterion>& criteria = {}) const
    {
        return searchLines(registry(), SearchCriteria(criteria), &resultline::registry).texts();
    }

private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() { dir.reset(); }

    void listsTheLinesOfAcceptedCardsSorted()
    {
        seed({ card(QStringLiteral("Zeno Rossi"), QStringLiteral("Milano")),
            card(QStringLiteral("Bruno Verdi"), QStringLiteral("Roma")),
            card(QStringLiteral("Carla Rossi"), QStringLiteral("Milano Marittima")),
            card(QStringLiteral("Anna Rossi"), QStringLiteral("Rimini")) });
        const QStringList lines = search({ { nome, QStringLiteral("ross") }, { luogo, QStringLiteral("mi") } });
        QCOMPARE(namesOf(lines),
            (QStringList {
                QStringLiteral("Anna Rossi"), QStringLiteral("Carla Rossi"), QStringLiteral("Zeno Rossi") }));
        QCOMPARE(lines.first(), resultline::registry(card(QStringLiteral("Anna Rossi"), QStringLiteral("Rimini"))));
    }

    void noCriteriaListEveryCard()
    {
        seed({ card(QStringLiteral("B")), card(QStringLiteral("A")), card(QStringLiteral("A")),
            card(QStringLiteral("")) });
        QCOMPARE(namesOf(search()),
            (QStringList { QStringLiteral(""), QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("B") }));
    }

    void italianOrder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("accented among the plain letters")
            << QStringList { "Zoe", QString::fromUtf8("Àlvaro"), "Bruno", QStringLiteral("Alba"),
                   QStringLiteral("Ada") }
            << QStringList { QStringLiteral("Ada"), QStringLiteral("Alba"), QString::fromUtf8("Àlvaro"),
                   QStringLiteral("Bruno"), QStringLiteral("Zoe") };
        QTest::newRow("case does not split the alphabet")
            << QStringList { QStringLiteral("bruno"), QStringLiteral("Carla"), QStringLiteral("anna"),
                   QStringLiteral("Bea") }
            << QStringList { QStringLiteral("anna"), QStringLiteral("Bea"), QStringLiteral("bruno"),
                   QStringLiteral("Carla") };
        QTest::newRow("digits in alphabetical order")
            << QStringList { QStringLiteral("Scatto 2"), QStringLiteral("Scatto 10"), QStringLiteral("Scatto 1") }
            << QStringList { QStringLiteral("Scatto 1"), QStringLiteral("Scatto 10"), QStringLiteral("Scatto 2") };
        QTest::newRow("accents after the plain word")
            << QStringList { QString::fromUtf8("Nicolò"), "Nicolo", QStringLiteral("Nicola") }
            << QStringList { QStringLiteral("Nicola"), QStringLiteral("Nicolo"), QString::fromUtf8("Nicolò") };
    }
    void italianOrder()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, sorted);
        sortLines(names);
        QCOMPARE(names, sorted);
    }

    void emptyArchiveGivesNoLines()
    {
        seed({});
        QVERIFY(search().isEmpty());
    }

    void missingBookFileIsCreatedEmpty()
    {
        const QString book = dir->filePath(QStringLiteral("Estate 2024.men"));
        QVERIFY(searchLines(archiveRecords(book, layouts::book), SearchCriteria(), &resultline::book).isEmpty());
        QVERIFY(QFileInfo::exists(book));
        QCOMPARE(QFileInfo(book).size(), 0);
    }

    void damagedArchiveListsWhatCanBeRead()
    {
        seed({ card(QStringLiteral("Anna")), card(QStringLiteral("Bruno")), card(QStringLiteral("Carla")) });
        QFile file(registryPath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        // The second card's name claims more bytes than its field holds...
        QVERIFY(file.seek(layouts::registry.size() + layouts::registry.offset(nome)));
        file.write(QByteArray(1, char(255)));
        // ...and a partial card trails the last whole one.
        QVERIFY(file.seek(file.size()));
        file.write(QByteArray(1000, 'x'));
        file.close();

        const QStringList lines = search();
        QCOMPARE(lines.size(), 3);
        QCOMPARE(namesOf(lines).first(), QStringLiteral("Anna"));
        QVERIFY(namesOf(lines).contains(QStringLiteral("Carla")));
        QVERIFY(lines.at(1).startsWith(QLatin1String("Bruno")));
        QCOMPARE(lines.at(1).indexOf(QLatin1String("  Sesso: ")), 30);
    }

    void aFailureMidwayGivesNoLines()
    {
        QStringList lines { QStringLiteral("kept from before") };
        QVERIFY_THROWS_EXCEPTION(ArchiveError,
            lines = searchLines(failingAfter({ card(QStringLiteral("Anna")), card(QStringLiteral("Bruno")) }),
                SearchCriteria(), &resultline::registry)
                        .texts());
        QCOMPARE(lines, QStringList { QStringLiteral("kept from before") });
    }

    void anUnreadableArchiveFails()
    {
        // A folder where the archive should be cannot be opened as a file.
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Archivio_Anagrafico.pro")));
        QVERIFY_THROWS_EXCEPTION(ArchiveError, search());
    }

    // An archive large enough to be read in runs side by side lists as one, and
    // a line standing for cards in both runs finds the last of them.
    void aLargeArchiveReadInRunsListsAsOne()
    {
        if (Archive::partsForThisComputer() < 2)
            QSKIP("this computer reads an archive in one run");
        const int cards = 2 * Archive::recordsPerRun + 10;
        QByteArray bytes;
        QStringList expected;
        for (int n = 1; n <= cards; ++n) {
            // Names out of order, so the runs' lines must be merged by the sort.
            const bool twin = n == 5 || n == cards - 5;
            const QStringList values
                = card(twin ? QStringLiteral("Gemella") : QStringLiteral("Nome %1").arg(n * 7919 % cards),
                    twin ? QStringLiteral("Roma %1").arg(n) : QString(), twin ? QStringLiteral("doppia") : QString());
            bytes += layouts::registry.encode(values);
            expected << resultline::registry(values);
        }
        QFile file(registryPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();

        sortLines(expected);
        QCOMPARE(search(), expected);
        std::optional<Card> found;
        findLastRecordOfLine(registry(), &resultline::registry,
            resultline::registry(card(QStringLiteral("Gemella"), QStringLiteral(""), QStringLiteral("doppia"))), found);
        QVERIFY(found);
        QCOMPARE(found->position, cards - 5);
        QCOMPARE(found->values.at(luogo), QStringLiteral("Roma %1").arg(cards - 5));
    }

    void aChosenLineFindsItsLastCard()
    {
        seed({ card(QStringLiteral("Anna"), QStringLiteral("Roma"), QStringLiteral("prima")),
            card(QStringLiteral("Bruno")),
            card(QStringLiteral("Anna"), QStringLiteral("Milano"), QStringLiteral("prima")),
            card(QStringLiteral("Carla")) });
        std::optional<Card> found;
        findLastRecordOfLine(registry(), &resultline::registry,
            resultline::registry(card(QStringLiteral("Anna"), QStringLiteral(""), QStringLiteral("prima"))), found);
        QVERIFY(found);
        QCOMPARE(found->position, 3);
        QCOMPARE(found->values.at(luogo), QStringLiteral("Milano"));
        // Every field of the card, the attachments too.
        QCOMPARE(found->values.size(), 32);
    }

    void aChosenLineIsComparedTrimmed()
    {
        seed({ card(QStringLiteral("Anna")) });
        std::optional<Card> found;
        // A line with empty notes ends in the blank of its label.
        const QString line = resultline::registry(card(QStringLiteral("Anna")));
        QVERIFY(line.endsWith(QLatin1Char(' ')));
        findLastRecordOfLine(registry(), &resultline::registry, padded(line), found);
        QVERIFY(found);
        QCOMPARE(found->position, 1);
    }

    void aChosenLineWithLettersBeyondAsciiFindsItsCard()
    {
        seed({ card(QStringLiteral("Niccolò Forlì"), QStringLiteral("Cesena"), QStringLiteral("Però “sì”")),
            card(QStringLiteral("Niccolo Forli"), QStringLiteral("Cesena"), QStringLiteral("Pero \"si\"")) });
        std::optional<Card> found;
        findLastRecordOfLine(registry(), &resultline::registry,
            resultline::registry(
                card(QStringLiteral("Niccolò Forlì"), QStringLiteral(""), QStringLiteral("Però “sì”"))),
            found);
        QVERIFY(found);
        QCOMPARE(found->position, 1);
        // A line no card could hold (a letter the archive cannot store) is nobody's.
        std::optional<Card> none;
        findLastRecordOfLine(registry(), &resultline::registry,
            resultline::registry(
                card(QStringLiteral("Niccolo Forli"), QStringLiteral(""), QStringLiteral("Pero \"si\"")))
                .replace(QStringLiteral("Niccolo"), QStringLiteral("Niccołò")),
            none);
        QVERIFY(!none);
    }

    void aLineThatNoLongerMatchesFindsNothing()
    {
        seed({ card(QStringLiteral("Anna")), card(QStringLiteral("Bruno")) });
        std::optional<Card> found;
        findLastRecordOfLine(
            registry(), &resultline::registry, resultline::registry(card(QStringLiteral("Carla"))), found);
        QVERIFY(!found);
    }

    void aFailureAfterAMatchKeepsIt()
    {
        std::optional<Card> found;
        QVERIFY_THROWS_EXCEPTION(ArchiveError,
            findLastRecordOfLine(failingAfter({ card(QStringLiteral("Anna")), card(QStringLiteral("Bruno")) }),
                &resultline::registry, resultline::registry(card(QStringLiteral("Anna"))), found));
        QVERIFY(found);
        QCOMPARE(found->position, 1);
    }

    void resultModelShowsLinesAsGiven()
    {
        ResultListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setLines(ResultLines::fromTexts(
            { QStringLiteral("Anna  Note: a"), QString::fromUtf8("Bruno  Note: però “lunga”") }));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.lines().texts(),
            (QStringList { QStringLiteral("Anna  Note: a"), QString::fromUtf8("Bruno  Note: però “lunga”") }));
        QCOMPARE(model.longestLine(), 25);
        const QModelIndex second = model.index(1);
        QCOMPARE(second.data().toString(), QString::fromUtf8("Bruno  Note: però “lunga”"));
        const QFont font = second.data(Qt::FontRole).value<QFont>();
        QCOMPARE(font.family(), QStringLiteral("Courier New"));
        QCOMPARE(font.pointSize(), 12);
        QVERIFY(font.fixedPitch());
        QCOMPARE(second.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::black));
        model.setItemSize(QSize(1600, 20));
        QCOMPARE(second.data(Qt::SizeHintRole).toSize(), QSize(1600, 20));
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }

private:
    // The line as another list might hand it over: blanks added at either end.
    static QString padded(const QString& line) { return QStringLiteral("  ") + line.trimmed() + QStringLiteral("   "); }
};

QTEST_GUILESS_MAIN(TestArchiveSearch)
#include "tst_archivesearch.moc"
