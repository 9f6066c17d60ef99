#include "find/FindFolding.h"
#include "find/FindQuery.h"
#include "find/FindWords.h"
#include "search/CollationLearner.h"
#include "search/CollationTable.h"
#include "storage/TextField.h"

#include <QtTest>
#include <algorithm>

using namespace lumidex;

namespace {

QByteArray codePage(const QString& text)
{
    return textfield::toWindows1252(text);
}

QString kindName(findfold::CharKind kind)
{
    switch (kind) {
    case findfold::CharKind::Other:
        return QStringLiteral("other");
    case findfold::CharKind::Letter:
        return QStringLiteral("letter");
    case findfold::CharKind::Digit:
        return QStringLiteral("digit");
    case findfold::CharKind::Apostrophe:
        return QStringLiteral("apostrophe");
    case findfold::CharKind::Blank:
        return QStringLiteral("blank");
    case findfold::CharKind::PhoneMark:
        return QStringLiteral("phone mark");
    }
    return {};
}

// Every word a field is found by, each once, in byte order.
QStringList fieldWords(const QString& text, bool phone)
{
    findwords::WordList words;
    words.read(codePage(text), '|');
    words.addTogether(phone);
    QStringList all = QString::fromLatin1(words.stream()).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    all.sort();
    all.removeDuplicates();
    return all;
}

// The same words as the index keeps them, each after a "|"; the field followed
// by more letters, as a field of a record is by the next, when `inRecord`.
QStringList indexWords(const QString& text, bool phone, bool inRecord)
{
    findwords::WordList words;
    findwords::ByteRow row;
    const QByteArray record = codePage(text) + QByteArray(16, 'x');
    findwords::appendFieldWords(QByteArrayView(record).first(record.size() - 16), phone, '|', words, row, inRecord);
    QStringList all = QString::fromLatin1(row.bytes()).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    all.sort();
    all.removeDuplicates();
    return all;
}

// A term of a query as "pieces | together", each list joined by commas.
QStringList termsOf(const QString& typed)
{
    QStringList terms;
    const FindQuery query(typed);
    for (const FindQuery::Term& term : query.terms()) {
        QStringList pieces;
        for (const QByteArray& piece : term.pieces)
            pieces << QString::fromLatin1(piece);
        QStringList together;
        for (const QByteArray& joined : term.together)
            together << QString::fromLatin1(joined);
        terms << pieces.join(QLatin1Char(',')) + QStringLiteral(" | ") + together.join(QLatin1Char(','));
    }
    return terms;
}

} // namespace

// How the find reads a character, a card field and what the user types.
class TestFindWords : public QObject {
    Q_OBJECT

private slots:
    void charactersReadAsTheirPlainLetters_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("plain");
        const auto row = [](const char* name, const char* character, const char* kind, const char* plain) {
            QTest::newRow(name) << QString::fromUtf8(character) << QString::fromLatin1(kind)
                                << QString::fromLatin1(plain);
        };
        row("capital A", "A", "letter", "a");
        row("z", "z", "letter", "z");
        row("grave o", "ò", "letter", "o");
        row("capital grave O", "Ò", "letter", "o");
        row("cedilla", "Ç", "letter", "c");
        row("tilde", "ñ", "letter", "n");
        row("caron", "Š", "letter", "s");
        row("diaeresis y", "Ÿ", "letter", "y");
        row("ring", "å", "letter", "a");
        row("stroke O", "Ø", "letter", "o");
        row("stroke o", "ø", "letter", "o");
        row("sharp s", "ß", "letter", "ss");
        row("AE", "Æ", "letter", "ae");
        row("oe", "œ", "letter", "oe");
        row("eth", "Ð", "letter", "d");
        row("thorn", "þ", "letter", "th");
        row("digit", "7", "digit", "7");
        row("apostrophe", "'", "apostrophe", "");
        row("right quote", "’", "apostrophe", "");
        row("acute accent", "´", "apostrophe", "");
        row("space", " ", "blank", "");
        row("no-break space", "\u00A0", "blank", "");
        row("tab", "\t", "blank", "");
        row("dot", ".", "phone mark", "");
        row("dash", "-", "phone mark", "");
        row("en dash", "–", "phone mark", "");
        row("plus", "+", "phone mark", "");
        row("parenthesis", "(", "phone mark", "");
        row("slash", "/", "phone mark", "");
        row("at", "@", "other", "");
        row("comma", ",", "other", "");
        row("euro", "€", "other", "");
        row("micro", "µ", "other", "");
        row("superscript two", "²", "other", "");
    }
    void charactersReadAsTheirPlainLetters()
    {
        QFETCH(QString, character);
        QFETCH(QString, kind);
        QFETCH(QString, plain);
        const QByteArray byte = codePage(character);
        QCOMPARE(byte.size(), 1);
        const findfold::FoldedChar& read = findfold::table()[uchar(byte.at(0))];
        QCOMPARE(kindName(read.kind), kind);
        QCOMPARE(QString::fromLatin1(read.plain.data(), read.size), plain);
    }

    // Case and accents do not matter exactly where the Italian order does not
    // tell texts apart by their letters: a letter weighs on the order's first
    // level as the plain letters it is read as.
    void lettersWeighAsTheirPlainLettersInTheItalianOrder()
    {
        const CollationTable* table = italianCollationTable();
        if (!table)
            QSKIP("The Italian order cannot be put into tables on this system.");
        // Þ is a letter of its own after z in the Italian order; it is read as
        // the "th" it is written as where there is no key for it.
        const QByteArray apart = codePage(QStringLiteral("Þþ"));
        int letters = 0;
        for (int byte = 0; byte < 256; ++byte) {
            const findfold::FoldedChar& read = findfold::table()[std::size_t(byte)];
            if (read.size == 0 || apart.contains(char(byte)))
                continue;
            ++letters;
            const char one = char(byte);
            QCOMPARE(table->primaryPrefix(QByteArrayView(&one, 1)),
                table->primaryPrefix(QByteArrayView(read.plain.data(), read.size)));
        }
        QVERIFY(letters > 120);
    }

    void typedLettersBeyondTheCodePageTakeTheirPlainForm_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("terms");
        QTest::newRow("Polish") << QStringLiteral("Łukasz") << QStringList { QStringLiteral("lukasz | ") };
        QTest::newRow("Romanian") << QStringLiteral("Ştefănescu") << QStringList { QStringLiteral("stefanescu | ") };
        QTest::newRow("decomposed") << QStringLiteral("Nicco\u006C\u006F\u0300")
                                    << QStringList { QStringLiteral("niccolo | ") };
        QTest::newRow("emoji between words") << QStringLiteral("anna\U0001F600rossi")
                                             << QStringList { QStringLiteral("anna | "), QStringLiteral("rossi | ") };
    }
    void typedLettersBeyondTheCodePageTakeTheirPlainForm()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, terms);
        QCOMPARE(termsOf(typed), terms);
    }

    void fieldsAreFoundByTheirWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("phone");
        QTest::addColumn<QStringList>("words");
        const auto words = [](const char* list) { return QString::fromLatin1(list).split(QLatin1Char(' ')); };
        QTest::newRow("accents and case") << QStringLiteral("NICCOLÒ Bianchi") << false << words("bianchi niccolo");
        QTest::newRow("elision") << QStringLiteral("Anna D'Angelo") << false << words("angelo anna d dangelo");
        QTest::newRow("elision with a typographic apostrophe")
            << QStringLiteral("Via dell’Acqua 3") << false << words("3 acqua dell dellacqua via");
        QTest::newRow("sharp s") << QStringLiteral("Hauptstraße 12") << false << words("12 hauptstrasse");
        QTest::newRow("e-mail") << QStringLiteral("karl.meier@example.de") << false << words("de example karl meier");
        QTest::newRow("tax code") << QStringLiteral("RSSNCC80A01F205X") << false << words("rssncc80a01f205x");
        QTest::newRow("a number outside a phone field")
            << QStringLiteral("+39 333 123") << false << words("123 333 39");
        QTest::newRow("spaced, with +39")
            << QStringLiteral("+39 333 123 4567") << true << words("123 1234567 333 3331234567 39 393331234567 4567");
        QTest::newRow("dotted, with 0039") << QStringLiteral("0039 333.123.4567") << true
                                           << words("0039 00393331234567 123 1234567 333 3331234567 4567");
        QTest::newRow("dashed") << QStringLiteral("333-123-4567") << true << words("123 1234567 333 3331234567 4567");
        QTest::newRow("parentheses") << QStringLiteral("(333) 1234567") << true << words("1234567 333 3331234567");
        QTest::newRow("written together with +39")
            << QStringLiteral("+393331234567") << true << words("3331234567 393331234567");
        QTest::newRow("39 without a plus stays") << QStringLiteral("393331234567") << true << words("393331234567");
        QTest::newRow("two numbers")
            << QStringLiteral("333 1234567 / 0541 123456") << true
            << words("0541 0541123456 123456 1234567 12345670541123456 333 33312345670541123456");
        QTest::newRow("phone with a word")
            << QStringLiteral("Casa: 0541 123456") << true << words("0541 0541123456 123456 casa");
        QTest::newRow("phone with a plus later")
            << QStringLiteral("333 123 +39") << true << words("123 12339 333 33312339 39");
        QTest::newRow("accents, quickly") << QStringLiteral("Forlì-Cesena") << false << words("cesena forli");
        QTest::newRow("two letters for one, quickly") << QStringLiteral("Œuvre") << false << words("oeuvre");
        QTest::newRow("long, in capitals, with digits")
            << QStringLiteral("VIA GARIBALDI 123, 20100 MILANO") << false << words("123 20100 garibaldi milano via");
        QTest::newRow("long, an accent after sixteen characters") << QStringLiteral(
            "Corso Vittorio Emanuele II, 44 – Forlì") << false << words("44 corso emanuele forli ii vittorio");
        QTest::newRow("long, an elision after thirty characters") << QStringLiteral(
            "Pinco Pallino e Tizio Caio dell'Orso") << false << words("caio dell dellorso e orso pallino pinco tizio");
        QTest::newRow("every plain letter and sign")
            << QStringLiteral("AbCdEfGhIjKlMnOpQrStUvWxYz0123456789!\"#$%&()*+,-./:;<=>?@[\\]^_{|}~") << false
            << words("abcdefghijklmnopqrstuvwxyz0123456789");
        QTest::newRow("a word ends a number")
            << QStringLiteral("333 1234567 casa 0541") << true << words("0541 1234567 333 3331234567 casa");
    }
    void fieldsAreFoundByTheirWords()
    {
        QFETCH(QString, text);
        QFETCH(bool, phone);
        QFETCH(QStringList, words);
        QCOMPARE(fieldWords(text, phone), words);
        QCOMPARE(indexWords(text, phone, false), words);
        QCOMPARE(indexWords(text, phone, true), words);
    }

    void typedWordsBecomeTerms_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("terms");
        QTest::newRow("one word") << QStringLiteral("Rossi") << QStringList { QStringLiteral("rossi | ") };
        QTest::newRow("two words") << QStringLiteral("  milano   ROSSI ")
                                   << QStringList { QStringLiteral("milano | "), QStringLiteral("rossi | ") };
        QTest::newRow("elision") << QStringLiteral("d'ang") << QStringList { QStringLiteral("d,ang | dang") };
        QTest::newRow("number in groups")
            << QStringLiteral("333 123 45") << QStringList { QStringLiteral("333,123,45 | 33312345") };
        QTest::newRow("number with +39") << QStringLiteral("+39 333-123")
                                         << QStringList { QStringLiteral("39,333,123 | 39333123,333123") };
        QTest::newRow("number with 0039 together")
            << QStringLiteral("00393331234567") << QStringList { QStringLiteral("00393331234567 | 3331234567") };
        QTest::newRow("+39 alone") << QStringLiteral("+39") << QStringList { QStringLiteral("39 | ") };
        QTest::newRow("a word between numbers")
            << QStringLiteral("12 via 20100")
            << QStringList { QStringLiteral("12 | "), QStringLiteral("via | "), QStringLiteral("20100 | ") };
        QTest::newRow("e-mail") << QStringLiteral("karl.meier@exa")
                                << QStringList { QStringLiteral("karl | "), QStringLiteral("meier | "),
                                       QStringLiteral("exa | ") };
        QTest::newRow("punctuation only") << QStringLiteral(" - @ ") << QStringList {};
        QTest::newRow("nothing") << QString() << QStringList {};
    }
    void typedWordsBecomeTerms()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, terms);
        QCOMPARE(termsOf(typed), terms);
        QCOMPARE(FindQuery(typed).isEmpty(), terms.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFindWords)
#include "tst_findwords.moc"
