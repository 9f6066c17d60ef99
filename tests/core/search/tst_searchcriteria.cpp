#include "search/SearchCriteria.h"
#include "storage/Layouts.h"

#include <QtTest>

using namespace lumidex;

namespace {

constexpr int nomeIndex = layouts::registry.indexOf("Nome");
constexpr int luogoIndex = layouts::registry.indexOf("LuogoNasc");

QStringList criteriaCard(const QString& name, const QString& place)
{
    QStringList values(layouts::registry.fieldCount());
    values[nomeIndex] = name;
    values[luogoIndex] = place;
    return values;
}

} // namespace

class TestSearchCriteria : public QObject {
    Q_OBJECT

private slots:
    void countHoldsOnlyFilledCriteria_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("count");
        QTest::newRow("all empty") << QStringList(10) << 0;
        QTest::newRow("one word") << QStringList { QStringLiteral("ross"), QStringLiteral(""), QStringLiteral("") }
                                  << 1;
        QTest::newRow("blanks only") << QStringList { QStringLiteral("   "), QStringLiteral("") } << 0;
        QTest::newRow("control characters only") << QStringList { QStringLiteral("\t\r\n"), QString(QChar(31)) } << 0;
        QTest::newRow("word inside blanks") << QStringList { QStringLiteral("  ross  "), QStringLiteral("") } << 1;
        QTest::newRow("two words and a blank")
            << QStringList { QStringLiteral("ross"), QStringLiteral(" "), QStringLiteral("mi") } << 2;
        QTest::newRow("non-breaking space counts") << QStringList { QString(QChar(0xA0)) } << 1;
    }
    void countHoldsOnlyFilledCriteria()
    {
        QFETCH(QStringList, texts);
        QFETCH(int, count);
        QList<SearchCriteria::Criterion> criteria;
        for (int i = 0; i < texts.size(); ++i)
            criteria.append({ i, texts.at(i) });
        QCOMPARE(SearchCriteria(criteria).count(), count);
    }

    void scoreAndListing_data()
    {
        QTest::addColumn<QString>("nameCriterion");
        QTest::addColumn<QString>("placeCriterion");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("place");
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("listed");

        QTest::newRow("both occur") << "ross"
                                    << "mi"
                                    << "Mario Rossi"
                                    << "Milano" << 2 << true;
        QTest::newRow("either letter case") << "ROSS"
                                            << "Mi"
                                            << "mario rossi"
                                            << "MILANO" << 2 << true;
        QTest::newRow("one missing") << "ross"
                                     << "mi"
                                     << "Mario Rossi"
                                     << "Roma" << 1 << false;
        QTest::newRow("no criteria lists everything") << ""
                                                      << ""
                                                      << "Anna"
                                                      << "Roma" << 0 << true;
        QTest::newRow("empty criterion, empty field") << ""
                                                      << "mi"
                                                      << ""
                                                      << "Milano" << 1 << true;
        QTest::newRow("substring anywhere") << "ari"
                                            << ""
                                            << "Mario Rossi"
                                            << "" << 1 << true;
        QTest::newRow("trailing blank, word at the end") << "rossi "
                                                         << ""
                                                         << "Mario Rossi"
                                                         << "" << 0 << false;
        QTest::newRow("trailing blank, word followed by a blank") << "rossi "
                                                                  << ""
                                                                  << "Rossi Mario"
                                                                  << "" << 1 << true;
        QTest::newRow("leading blank kept") << " mario"
                                            << ""
                                            << "Mario Rossi"
                                            << "" << 0 << false;
        QTest::newRow("blanks only score where the run occurs") << "  "
                                                                << "mi"
                                                                << "Anna  Bianchi"
                                                                << "Roma" << 1 << true;
        QTest::newRow("blanks only, no such run") << "  "
                                                  << "mi"
                                                  << "Anna Bianchi"
                                                  << "Roma" << 0 << false;
        QTest::newRow("blanks only, both score") << " "
                                                 << "mi"
                                                 << "Anna Bianchi"
                                                 << "Milano" << 2 << true;
        QTest::newRow("accented capital finds only itself")
            << QString::fromUtf8("àlvaro") << "" << QString::fromUtf8("Àlvaro") << "" << 0 << false;
        QTest::newRow("accented letter as typed")
            << QString::fromUtf8("Àlv") << "" << QString::fromUtf8("Àlvaro") << "" << 1 << true;
        QTest::newRow("longer than the field") << "Mario Rossi e figli"
                                               << ""
                                               << "Mario Rossi"
                                               << "" << 0 << false;
    }
    void scoreAndListing()
    {
        QFETCH(QString, nameCriterion);
        QFETCH(QString, placeCriterion);
        QFETCH(QString, name);
        QFETCH(QString, place);
        QFETCH(int, score);
        QFETCH(bool, listed);
        const SearchCriteria criteria({ { nomeIndex, nameCriterion }, { luogoIndex, placeCriterion } });
        QCOMPARE(criteria.score(criteriaCard(name, place)), score);
        QCOMPARE(criteria.accepts(criteriaCard(name, place)), listed);
    }

    void tenCriteriaEachInItsOwnField()
    {
        // A word in one criterion is not looked for in another criterion's field.
        const SearchCriteria criteria({ { nomeIndex, QStringLiteral("milano") }, { luogoIndex, QStringLiteral("") } });
        QCOMPARE(criteria.score(criteriaCard(QStringLiteral("Anna"), QStringLiteral("Milano"))), 0);
        QVERIFY(!criteria.accepts(criteriaCard(QStringLiteral("Anna"), QStringLiteral("Milano"))));
    }
};

QTEST_GUILESS_MAIN(TestSearchCriteria)
#include "tst_searchcriteria.moc"
