#include "search/ResultLineBuilders.h"
#include "storage/Layouts.h"

#include <QtTest>

using namespace lumidex;

namespace {

QStringList registryCard(const QString& name, const QString& sex, const QString& citizenship, const QString& phone,
    const QString& mobile, const QString& notes)
{
    QStringList values(layouts::registry.fieldCount());
    values[layouts::registry.indexOf("Nome")] = name;
    values[layouts::registry.indexOf("Sesso")] = sex;
    values[layouts::registry.indexOf("Cittadinanza")] = citizenship;
    values[layouts::registry.indexOf("Tel")] = phone;
    values[layouts::registry.indexOf("Cellulare")] = mobile;
    values[layouts::registry.indexOf("Note")] = notes;
    // Fields that are not part of the line change nothing in it.
    values[layouts::registry.indexOf("Indirizzo")] = QStringLiteral("Via Roma 1");
    return values;
}

QStringList bookEntry(const QString& title, const QString& date, const QString& location, const QString& notes)
{
    QStringList values(layouts::book.fieldCount());
    values[layouts::book.indexOf("Titolo")] = title;
    values[layouts::book.indexOf("Data")] = date;
    values[layouts::book.indexOf("Location")] = location;
    values[layouts::book.indexOf("Note")] = notes;
    values[layouts::book.indexOf("Fotografo")] = QStringLiteral("Luca");
    return values;
}

} // namespace

class TestResultLine : public QObject {
    Q_OBJECT

private slots:
    void column_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded") << "Anna" << 6 << "Anna  ";
        QTest::newRow("exact") << "Anna" << 4 << "Anna";
        QTest::newRow("cut") << "Annabella" << 4 << "Anna";
        QTest::newRow("trimmed first") << "\t Anna \r\n" << 6 << "Anna  ";
        QTest::newRow("empty") << "" << 3 << "   ";
        QTest::newRow("one character wide") << "Femmina" << 1 << "F";
        QTest::newRow("accented kept") << QString::fromUtf8("Forlì") << 6 << QString::fromUtf8("Forlì ");
    }
    void column()
    {
        QFETCH(QString, value);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(resultline::column(value, width), expected);
    }

    void registryLine_data()
    {
        QTest::addColumn<QStringList>("card");
        QTest::addColumn<QString>("line");
        QTest::newRow("typical")
            << registryCard(QStringLiteral("Anna Rossi"), QStringLiteral("F"), QStringLiteral("Italiana"),
                   QStringLiteral("0541 123456"), QStringLiteral("333 1234567"), QStringLiteral("Disponibile a Milano"))
            << "Anna Rossi                      Sesso: F  Cittadinanza: Italiana              Tel. "
               "0541 123456     Cel. 333 1234567     Note: Disponibile a Milano";
        QTest::newRow("empty card") << registryCard(QStringLiteral(""), QStringLiteral(""), QStringLiteral(""),
            QStringLiteral(""), QStringLiteral(""), QStringLiteral(""))
                                    << "                                Sesso:    Cittadinanza:                       "
                                       "Tel.                 Cel.                 Note: ";
        QTest::newRow("long values cut to their columns")
            << registryCard(QStringLiteral("Maria Francesca Alessandra Bianchi di Montefeltro"), QStringLiteral("F"),
                   QStringLiteral("Repubblica Dominicana del Sud"), "+39 0541 123456 int. 4", "", "")
            << "Maria Francesca Alessandra Bia  Sesso: F  Cittadinanza: Repubblica Dominican  Tel. +39 0541 12345  "
               "Cel.                 Note: ";
        QTest::newRow("blanks around values") << registryCard(QStringLiteral("  Anna Rossi "), QStringLiteral(" F"),
            QStringLiteral("Italiana  "), QStringLiteral(""), QStringLiteral(""), QStringLiteral("  nota  "))
                                              << "Anna Rossi                      Sesso: F  Cittadinanza: Italiana     "
                                                 "         Tel.                 Cel.                 Note: nota";
    }
    void registryLine()
    {
        QFETCH(QStringList, card);
        QFETCH(QString, line);
        QCOMPARE(resultline::registry(card), line);
        // Whatever the name, the sex label starts at the 31st character.
        QCOMPARE(resultline::registry(card).indexOf(QLatin1String("  Sesso: ")), 30);
    }

    void registryNotesAreShownWhole()
    {
        const QString notes = QString(240, QLatin1Char('n')) + QStringLiteral(" fine.");
        QVERIFY(resultline::registry(registryCard(QStringLiteral("Anna"), QStringLiteral("F"), QStringLiteral(""),
                                         QStringLiteral(""), QStringLiteral(""), notes))
                    .endsWith(QStringLiteral("  Note: ") + notes));
    }

    void bookLine_data()
    {
        QTest::addColumn<QStringList>("entry");
        QTest::addColumn<QString>("line");
        QTest::newRow("typical") << bookEntry(QStringLiteral("Tramonto"), QStringLiteral("12/06/2023"),
            QStringLiteral("Rimini"), QStringLiteral("Luce calda"))
                                 << "Tramonto                                            Data: 12/06/2023  Location: "
                                    "Rimini                          Note:  Luce calda";
        QTest::newRow("empty entry") << bookEntry(
            QStringLiteral(""), QStringLiteral(""), QStringLiteral(""), QStringLiteral(""))
                                     << "                                                    Data:             "
                                        "Location:                                 Note:  ";
        QTest::newRow("long values cut to their columns")
            << bookEntry(QStringLiteral("Ritratto in controluce sulla spiaggia all'alba di giugno"),
                   QStringLiteral("2023"), "Spiaggia libera di Punta Marina Terme", "")
            << "Ritratto in controluce sulla spiaggia all'alba di   Data: 2023        Location: Spiaggia libera di "
               "Punta Marin  Note:  ";
    }
    void bookLine()
    {
        QFETCH(QStringList, entry);
        QFETCH(QString, line);
        QCOMPARE(resultline::book(entry), line);
        QCOMPARE(resultline::book(entry).indexOf(QLatin1String("  Data: ")), 50);
        QCOMPARE(resultline::book(entry).indexOf(QLatin1String("  Location: ")), 68);
        QCOMPARE(resultline::book(entry).indexOf(QLatin1String("  Note:  ")), 110);
    }

    void bookNotesAreShownWhole()
    {
        const QString notes = QString(250, QLatin1Char('x'));
        QVERIFY(resultline::book(bookEntry(QStringLiteral("T"), QStringLiteral(""), QStringLiteral(""), notes))
                    .endsWith(QStringLiteral("  Note:  ") + notes));
    }
};

QTEST_GUILESS_MAIN(TestResultLine)
#include "tst_resultline.moc"
