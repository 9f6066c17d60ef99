#include "common/Text.h"
#include "search/FindInList.h"
#include "search/ResultLines.h"

#include <QtTest>

using namespace lumidex;

class TestFindInList : public QObject {
    Q_OBJECT

private slots:
    void oneTrovaPress_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("lastKey");
        QTest::addColumn<int>("found");

        const QStringList people { "Anna Rossi     Note: mare", QStringLiteral("Bruno Verdi    Note: "),
            QStringLiteral("Carla Rossi    Note: "), QStringLiteral("Dario Neri     Note: rossi") };
        QTest::newRow("new key starts from the top") << people << 2 << "rossi"
                                                     << "" << 0;
        QTest::newRow("new key tests the first line first") << people << 3 << "anna"
                                                            << "verdi" << 0;
        QTest::newRow("new key further down") << people << 3 << "verdi"
                                              << "" << 1;
        QTest::newRow("same key moves past the selection") << people << 0 << "rossi"
                                                           << "rossi" << 2;
        QTest::newRow("same key again") << people << 2 << "rossi"
                                        << "rossi" << 3;
        QTest::newRow("same key wraps to the top") << people << 3 << "rossi"
                                                   << "rossi" << 0;
        QTest::newRow("single match stays put") << people << 1 << "verdi"
                                                << "verdi" << 1;
        QTest::newRow("single match reached by wrapping") << people << 2 << "verdi"
                                                          << "verdi" << 1;
        QTest::newRow("found nowhere") << people << 1 << "zeta"
                                       << "" << -1;
        QTest::newRow("found nowhere, same key") << people << 1 << "zeta"
                                                 << "zeta" << -1;
        QTest::newRow("empty key, new") << people << 1 << ""
                                        << "rossi" << -1;
        QTest::newRow("empty key, same") << people << 1 << ""
                                         << "" << -1;
        QTest::newRow("labels are part of the line") << people << 1 << "note"
                                                     << "" << 0;
        QTest::newRow("blank kept in the key") << people << 0 << "a r"
                                               << "" << 0;
        QTest::newRow("upper-case letters in the line")
            << QStringList { QStringLiteral("x"), QStringLiteral("ANNA") } << 0 << QStringLiteral("anna") << "" << 1;
        QTest::newRow("one line, same key")
            << QStringList { QStringLiteral("Anna") } << 0 << QStringLiteral("anna") << "anna" << 0;
        // The lines are kept in the archive's code page and read back for the search.
        const QStringList accented { QString::fromUtf8("Niccolò Forlì   Note: “mare”"),
            QStringLiteral("Nicolo Forli") };
        QTest::newRow("accented letters read back") << accented << 1 << QString::fromUtf8("forlì") << "" << 0;
        QTest::newRow("quotes read back") << accented << 1 << QString::fromUtf8("“mare”") << "" << 0;
        QTest::newRow("accents keep their case") << accented << 1 << QString::fromUtf8("forlÌ") << "" << -1;
        QTest::newRow("empty list") << QStringList {} << 0 << "anna"
                                    << "" << -1;
    }
    void oneTrovaPress()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, selected);
        QFETCH(QString, key);
        QFETCH(QString, lastKey);
        QFETCH(int, found);
        QCOMPARE(findInList(ResultLines::fromTexts(lines), selected, key, lastKey), found);
    }

    void pressingAgainWalksEveryMatchInTurn()
    {
        const QStringList lines { QStringLiteral("rossi 1"), QStringLiteral("verdi"), QStringLiteral("rossi 2"),
            QStringLiteral("neri"), QStringLiteral("rossi 3") };
        int selected = 0;
        QString last;
        QList<int> visited;
        for (int press = 0; press < 5; ++press) {
            const int found = findInList(ResultLines::fromTexts(lines), selected, QStringLiteral("rossi"), last);
            if (found >= 0)
                selected = found;
            last = QStringLiteral("rossi");
            visited << selected;
        }
        QCOMPARE(visited, (QList<int> { 0, 2, 4, 0, 2 }));
    }

    // The finder that reads each line once against the plain definition: the
    // needle occurs in the line once both are lower-cased (A to Z only).
    void finderReadsEachLineOnce_data()
    {
        QTest::addColumn<QString>("haystack");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<bool>("found");
        QTest::newRow("near miss, then the match at the end")
            << QString(40, QLatin1Char('a')) + QLatin1Char('b') << QString(20, QLatin1Char('a')) + QLatin1Char('b')
            << true;
        QTest::newRow("near misses only")
            << QString(80, QLatin1Char('a')) << QString(29, QLatin1Char('a')) + QLatin1Char('b') << false;
        QTest::newRow("a failed match restarts inside itself") << "abaabab"
                                                               << "abab" << true;
        QTest::newRow("repeated prefix") << "aabaabaaab"
                                         << "aabaaab" << true;
        QTest::newRow("either case") << "Via GARIBALDI 3"
                                     << "garibaldi" << true;
        QTest::newRow("accented letters keep their case")
            << QString::fromUtf8("NICCOLÒ") << QString::fromUtf8("niccolò") << false;
        QTest::newRow("blanks as typed") << "Rossi Anna"
                                         << "rossi " << true;
        QTest::newRow("empty needle") << "Rossi"
                                      << "" << false;
        QTest::newRow("longer than the line") << "ab"
                                              << "abc" << false;
    }
    void finderReadsEachLineOnce()
    {
        QFETCH(QString, haystack);
        QFETCH(QString, needle);
        QFETCH(bool, found);
        QCOMPARE(text::AsciiCaseInsensitiveFinder(needle).foundIn(haystack), found);
        QCOMPARE(text::containsAsciiCaseInsensitive(haystack, needle), found);
    }

    // Every line of up to seven characters of "a", "b" and "A" against every
    // needle of up to four: the finder agrees with the plain definition.
    void finderAgreesOnEveryShortText()
    {
        const auto texts = [](int longest) {
            QStringList all { QString() };
            for (qsizetype from = 0; from < all.size(); ++from) {
                if (all.at(from).size() == longest)
                    continue;
                for (const char c : { 'a', 'b', 'A' })
                    all.append(all.at(from) + QLatin1Char(c));
            }
            return all;
        };
        const QStringList lines = texts(7);
        const QStringList needles = texts(4);
        for (const QString& needle : needles) {
            const text::AsciiCaseInsensitiveFinder finder(needle);
            const QString lowerNeedle = text::lowerAscii(needle);
            for (const QString& line : lines) {
                const bool expected = !needle.isEmpty() && text::lowerAscii(line).contains(lowerNeedle);
                if (finder.foundIn(line) != expected)
                    QFAIL(qPrintable(QStringLiteral("\"%1\" in \"%2\"").arg(needle, line)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestFindInList)
#include "tst_findinlist.moc"
