// The tables of the Italian collation against the Italian collator itself: the
// collator is the judge of every order the tables give.
#include "search/CollationLearner.h"
#include "search/CollationTable.h"
#include "search/LineOrder.h"
#include "search/ResultLineBuilders.h"
#include "search/ResultLines.h"
#include "storage/Layouts.h"
#include "storage/TextField.h"

#include <QCollator>
#include <QLocale>
#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

using namespace lumidex;

namespace {

int signOf(int value)
{
    return (value > 0) - (value < 0);
}

QCollator italian()
{
    return QCollator(QLocale(QLocale::Italian, QLocale::Italy));
}

QByteArray bytes(const char* utf8)
{
    return textfield::toWindows1252(QString::fromUtf8(utf8));
}

QString unicodeText(const QByteArray& bytes)
{
    return textfield::fromWindows1252(bytes);
}

// Each pair where the tables and the collator disagree, as readable lines; empty
// when they agree on all of them.
QStringList disagreements(const CollationTable& table, const QList<QByteArray>& texts, qsizetype most = 20)
{
    const QCollator collator = italian();
    QList<QString> decoded;
    for (const QByteArray& t : texts)
        decoded.append(unicodeText(t));
    QStringList found;
    for (qsizetype i = 0; i < texts.size() && found.size() < most; ++i) {
        for (qsizetype j = 0; j < texts.size() && found.size() < most; ++j) {
            const int expected = signOf(collator.compare(decoded.at(i), decoded.at(j)));
            const int got = signOf(table.compare(texts.at(i), texts.at(j)));
            if (got != expected)
                found.append(
                    QStringLiteral("%1 vs %2: collator %3, tables %4")
                        .arg(QString::fromLatin1(texts.at(i).toHex(' ')), QString::fromLatin1(texts.at(j).toHex(' ')))
                        .arg(expected)
                        .arg(got));
        }
    }
    return found;
}

QStringList sortedByCollator(QStringList lines)
{
    const QCollator collator = italian();
    std::stable_sort(
        lines.begin(), lines.end(), [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return lines;
}

// Result lines of registry cards and book entries whose names and titles differ
// only where the levels of the collation meet, each in several copies so that
// equal lines keep their order as the collator's sort keeps it.
QStringList searchLines()
{
    const char* const names[] = { "Rossi Anna", "rossi anna", "ROSSI ANNA", "Rossi Ànna", "Rossì Anna", "Rossi  Anna",
        "Rossi-Anna", "D'Angelo Sara", "D’Angelo Sara", "Dangelo Sara", "De Luca Irene", "Del Luca Irene",
        "Œuvre Chiara", "Oeuvre Chiara", "Strauß Eva", "Strauss Eva", "Niccolò Bruno", "Niccolo Bruno", "Nicolò Bruno",
        "Àlvaro Gallo", "Alvaro Gallo", "alvaro gallo", "Ada", "Ada ", "", "1 Anna", "10 Anna", "2 Anna", "Cœur Lia",
        "Coeur Lia", "Ælla", "Aella", "Ðana", "Dana", "Zoe", "Žoe", "Zoë",
        "Un nome di trenta caratteri circa e oltre" };
    const RecordLayout& registry = layouts::registry;
    const RecordLayout& book = layouts::book;
    QStringList lines;
    int n = 0;
    for (const char* name : names) {
        for (int copy = 0; copy < 3; ++copy, ++n) {
            QStringList card(registry.fieldCount());
            card[registry.indexOf("Nome")] = QString::fromUtf8(name);
            card[registry.indexOf("Sesso")] = n % 2 ? QStringLiteral("F") : QStringLiteral("M");
            card[registry.indexOf("Cittadinanza")]
                = copy == 1 ? QStringLiteral("italiana") : QStringLiteral("Italiana");
            card[registry.indexOf("Cellulare")] = QStringLiteral("333 %1").arg(n % 4);
            card[registry.indexOf("Note")] = copy == 2 ? QString::fromUtf8("Però sì") : QString();
            lines.append(resultline::registry(card));
            QStringList entry(book.fieldCount());
            entry[book.indexOf("Titolo")] = QString::fromUtf8(name);
            entry[book.indexOf("Data")] = QStringLiteral("0%1/01/2024").arg(copy + 1);
            entry[book.indexOf("Location")] = copy ? QString::fromUtf8("Forlì") : QStringLiteral("Forli");
            lines.append(resultline::book(entry));
        }
    }
    return lines;
}

// Lines whose letters agree for about as many characters as a sort looks at
// first, one fewer or one more, then differ by an accent, a case, a letter that
// sorts as two, a blank or a letter, there or further on.
QStringList sharedBeginnings()
{
    const QStringList bases { QStringLiteral("Alessandro De L"), QStringLiteral("Alessandro De Lu"),
        QStringLiteral("Alessandro De Luc"), QString::fromUtf8("Alessàndro De Lu"),
        QStringLiteral("ALESSANDRO DE LU") };
    const QString tails = QString::fromUtf8("aAàÀcC eèæÆœß·'-1l\t");
    QRandomGenerator random(16);
    QStringList lines;
    for (int i = 0; i < 2000; ++i) {
        QString line = bases.at(random.bounded(int(bases.size())));
        const int length = random.bounded(5);
        for (int k = 0; k < length; ++k)
            line.append(tails.at(random.bounded(int(tails.size()))));
        lines.append(line);
    }
    return lines;
}

} // namespace

class TestCollationTable : public QObject {
    Q_OBJECT

    const CollationTable* table = nullptr;

private slots:
    void initTestCase()
    {
        table = italianCollationTable();
        QVERIFY2(table, "the Italian collation could not be put into tables");
    }

    // Every one of the 256 characters against every other, alone and in a few
    // frames where the finer levels meet the letters around them.
    void everyCharacterAgainstEveryOther_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QByteArray>("otherAfter");
        QTest::newRow("alone") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("between letters") << QByteArray("b") << QByteArray("e") << QByteArray("e");
        QTest::newRow("after an l") << QByteArray("l") << QByteArray() << QByteArray();
        QTest::newRow("case after") << QByteArray() << QByteArray("a") << QByteArray("A");
        QTest::newRow("accent after") << QByteArray() << QByteArray("e") << bytes("è");
        QTest::newRow("letter after") << QByteArray() << QByteArray("a") << QByteArray("b");
        QTest::newRow("blank after") << QByteArray("x") << QByteArray(" z") << QByteArray("z");
    }
    void everyCharacterAgainstEveryOther()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(QByteArray, otherAfter);
        const QCollator collator = italian();
        QList<QByteArray> left;
        QList<QByteArray> right;
        QList<QString> leftText;
        QList<QString> rightText;
        for (int byte = 0; byte < 256; ++byte) {
            left.append(before + char(byte) + after);
            right.append(before + char(byte) + otherAfter);
            leftText.append(unicodeText(left.last()));
            rightText.append(unicodeText(right.last()));
        }
        QStringList wrong;
        for (int a = 0; a < 256 && wrong.size() < 20; ++a) {
            for (int b = 0; b < 256 && wrong.size() < 20; ++b) {
                const int expected = signOf(collator.compare(leftText.at(a), rightText.at(b)));
                if (signOf(table->compare(left.at(a), right.at(b))) != expected)
                    wrong.append(QStringLiteral("%1 vs %2 (collator %3)")
                                     .arg(QString::fromLatin1(left.at(a).toHex(' ')),
                                         QString::fromLatin1(right.at(b).toHex(' ')))
                                     .arg(expected));
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // Small sets where only one level tells the texts apart, or where a
    // character stands for two letters; each text against every other.
    void adversarialTexts_data()
    {
        QTest::addColumn<QList<QByteArray>>("texts");
        const auto list = [](std::initializer_list<const char*> utf8) {
            QList<QByteArray> out;
            for (const char* t : utf8)
                out.append(bytes(t));
            return out;
        };
        QTest::newRow("accents only") << list({ "e", "è", "é", "ê", "ë", "ee", "èe", "eè", "éè", "èé", "ê e", "Niccolò",
            "Niccolo", "Niccolò Rossi", "Niccolo Rossì", "cote", "coté", "côte", "côté" });
        QTest::newRow("case only") << list({ "a", "A", "aa", "aA", "Aa", "AA", "rossi", "Rossi", "ROSSI", "RoSsI",
            "rOSSI", "De Luca", "de luca", "De luca", "DE LUCA" });
        QTest::newRow("apostrophes and marks")
            << list({ "D'Angelo", "DAngelo", "D Angelo", "D’Angelo", "D`Angelo", "D-Angelo", "D.Angelo", "Dangelo",
                   "d'angelo", "'", "''", "-", "co-op", "coop", "co op", "l·l", "L·L", "ll", "l.l", "l·a", "l·" });
        QTest::newRow("blanks and controls") << list(
            { "", " ", "  ", "\t", "a", " a", "a ", "a  b", "a b", "ab", "a\tb", "a\x01", "\x01", "a\x7f", "\xc2\xa0",
                "a\xc2\xa0"
                "b",
                "\xc2\xad",
                "a\xc2\xad"
                "b" });
        QTest::newRow("digits") << list({ "0", "1", "10", "2", "02", "Scatto 1", "Scatto 10", "Scatto 2", "Scatto 02",
            "²", "¹", "³", "½", "¼", "1/2", "12", "1 2", "a1", "a10", "a2" });
        QTest::newRow("letters that sort as two") << list(
            { "Œ", "œ", "OE", "Oe", "oe", "oé", "Æ", "æ", "AE", "ae", "ß", "ss", "SS", "sß", "ßs", "sss", "Œuvre",
                "oeuvre", "Oeuvre", "Cæsar", "Caesar", "Strauß", "Strauss", "…", "...", "™", "TM", "tm", "ﬁ" });
        QTest::newRow("letters with their own weights")
            << list({ "d", "ð", "Ð", "dz", "th", "þ", "Þ", "o", "ø", "Ø", "oz", "ƒ", "f", "fz", "µ", "m", "mz", "ª",
                   "a", "º", "o", "Š", "š", "s", "Ž", "ž", "z", "Ÿ", "ÿ", "y", "yz" });
    }
    void adversarialTexts()
    {
        QFETCH(QList<QByteArray>, texts);
        const QStringList wrong = disagreements(*table, texts);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // Random texts over a small alphabet where accents, case, blanks and the
    // letters that sort as two meet in every arrangement.
    void randomTextsSortAsTheCollatorSortsThem()
    {
        const QByteArray alphabet = bytes("aAàÀeèéE lL·'-1æÆœŒßsSoOòð\t") + QByteArray(1, '\0');
        QRandomGenerator random(21);
        QList<QByteArray> texts;
        for (int i = 0; i < 3000; ++i) {
            QByteArray t;
            const int length = random.bounded(7);
            for (int k = 0; k < length; ++k)
                t.append(alphabet.at(random.bounded(int(alphabet.size()))));
            texts.append(t);
        }
        const QCollator collator = italian();
        QList<QByteArray> byTable = texts;
        std::stable_sort(byTable.begin(), byTable.end(),
            [&](const QByteArray& a, const QByteArray& b) { return table->compare(a, b) < 0; });
        QStringList byCollator;
        for (const QByteArray& t : texts)
            byCollator.append(unicodeText(t));
        std::stable_sort(byCollator.begin(), byCollator.end(),
            [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
        QStringList tableOrder;
        for (const QByteArray& t : byTable)
            tableOrder.append(unicodeText(t));
        QCOMPARE(tableOrder, byCollator);
    }

    void resultLinesSortAsTheCollatorSortsThem_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("search lines") << searchLines();
        QStringList reversed = searchLines();
        std::reverse(reversed.begin(), reversed.end());
        QTest::newRow("search lines backwards") << reversed;
        // A character the code page has not (never in a line of an archive): the
        // collator sorts the lines itself.
        QTest::newRow("a character beyond the code page") << (searchLines()
            << QString::fromUtf8("Łukasz") << QStringLiteral("Lukasz") << QString::fromUtf8("Ludwik 😀"));
        QTest::newRow("identical lines") << QStringList(
            500, QStringLiteral("Rossi Anna                      Sesso: F"));
        QTest::newRow("beginnings shared up to the first letters sorted and past them") << sharedBeginnings();
        // Enough lines for the sort to share the work between two threads and
        // merge their halves: short texts over an alphabet where many are equal,
        // or equal for the collator though written apart (byte 0 weighs nothing),
        // on both sides of the middle.
        QStringList many;
        const QString alphabet = QString::fromUtf8("aAàeE lL·'1æœß") + QChar(0);
        QRandomGenerator random(25);
        for (int i = 0; i < 25000; ++i) {
            QString line;
            for (int k = random.bounded(5); k > 0; --k)
                line.append(alphabet.at(random.bounded(int(alphabet.size()))));
            many.append(line);
        }
        QTest::newRow("more lines than one thread sorts") << many;
    }
    void resultLinesSortAsTheCollatorSortsThem()
    {
        QFETCH(QStringList, lines);
        const QStringList expected = sortedByCollator(lines);
        // The search keeps its lines as the archive keeps text, and sorts those.
        if (std::all_of(lines.cbegin(), lines.cend(), [&](const QString& line) { return table->holds(line); })) {
            ResultLines stored = ResultLines::fromTexts(lines);
            stored.sort();
            QCOMPARE(stored.texts(), expected);
        }
        sortLines(lines);
        QCOMPARE(lines, expected);
    }

    void everyByteReadsBackAsItself()
    {
        for (int byte = 0; byte < 256; ++byte) {
            const QByteArray one(1, char(byte));
            QCOMPARE(textfield::toWindows1252(unicodeText(one)), one);
        }
    }
};

QTEST_GUILESS_MAIN(TestCollationTable)
#include "tst_collationtable.moc"
