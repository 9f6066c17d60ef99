// What an archive field keeps of the names an agency types from across Europe,
// and of the characters it cannot keep at all. The windows' part (typing,
// pasting, dropping, composing, the status line) is tested in tst_cardeditor,
// tst_allegacartella and tst_bookcatalogue.
#include "storage/StorableText.h"
#include "storage/TextField.h"

#include <QTest>

using namespace lumidex;

namespace {

// "Ş=S" for a letter written in its plain form, "李=" for a character left out.
QStringList changesOf(const storabletext::Result& result)
{
    QStringList changes;
    for (const storabletext::Change& change : result.changes)
        changes << change.character + QLatin1Char('=') + change.replacement;
    return changes;
}

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QStringList us(std::initializer_list<const char*> utf8)
{
    QStringList list;
    for (const char* text : utf8)
        list << QString::fromUtf8(text);
    return list;
}

} // namespace

class TestStorableText : public QObject {
    Q_OBJECT

private slots:
    void namesKeepTheirPlainLetters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QStringList>("changes");

        QTest::newRow("Italian as it is")
            << u("Città di Forlì, via dell'Àncora") << u("Città di Forlì, via dell'Àncora") << QStringList();
        QTest::newRow("code page's own signs")
            << u("€ “citazione” Œuvre ŠŽšžŸ ø ß Ð") << u("€ “citazione” Œuvre ŠŽšžŸ ø ß Ð") << QStringList();
        QTest::newRow("Romanian, cedilla") << u("Elena Ştefănescu") << u("Elena Stefanescu") << us({ "Ş=S", "ă=a" });
        QTest::newRow("Romanian, city") << u("Bucureşti") << u("Bucuresti") << us({ "ş=s" });
        QTest::newRow("Romanian, comma below")
            << u("Timișoara, Constanța") << u("Timisoara, Constanta") << us({ "ș=s", "ț=t" });
        QTest::newRow("Romanian, capitals") << u("ŞTEFĂNESCU Ioana") << u("STEFANESCU Ioana") << us({ "Ş=S", "Ă=A" });
        QTest::newRow("Turkish, dotted capital") << u("İstanbul") << u("Istanbul") << us({ "İ=I" });
        QTest::newRow("Turkish, dotless") << u("Işıl Yılmaz") << u("Isil Yilmaz") << us({ "ş=s", "ı=i", "ı=i" });
        QTest::newRow("Turkish, breve") << u("Çağla Güneş") << u("Çagla Günes") << us({ "ğ=g", "ş=s" });
        QTest::newRow("Polish, city") << u("Łódź") << u("Lódz") << us({ "Ł=L", "ź=z" });
        QTest::newRow("Polish, name") << u("Wojciech Żółkiewski") << u("Wojciech Zólkiewski") << us({ "Ż=Z", "ł=l" });
        QTest::newRow("Polish, ogonek") << u("Jolanta Kępińska, Gdańsk") << u("Jolanta Kepinska, Gdansk")
                                        << us({ "ę=e", "ń=n", "ń=n" });
        QTest::newRow("Czech, name") << u("Antonín Dvořák") << u("Antonín Dvorák") << us({ "ř=r" });
        QTest::newRow("Czech, places") << u("Jiří Mašek, Děčín, Žižkov, Ústí") << u("Jirí Mašek, Decín, Žižkov, Ústí")
                                       << us({ "ř=r", "ě=e", "č=c" });
        QTest::newRow("Czech, caron and ring") << u("Ťápal Ďurů") << u("Tápal Duru") << us({ "Ť=T", "Ď=D", "ů=u" });
        QTest::newRow("Croatian, stroke") << u("Đurđa Marković") << u("Durda Markovic") << us({ "Đ=D", "đ=d", "ć=c" });
        QTest::newRow("Croatian, caron") << u("Ivana Čačić") << u("Ivana Cacic") << us({ "Č=C", "č=c", "ć=c" });
        QTest::newRow("Hungarian, double acute")
            << u("Erdős Pál, Győr") << u("Erdos Pál, Gyor") << us({ "ő=o", "ő=o" });
        QTest::newRow("Hungarian, u") << u("Szűcs Lőrinc") << u("Szucs Lorinc") << us({ "ű=u", "ő=o" });
        QTest::newRow("Maltese") << u("Ħamrun") << u("Hamrun") << us({ "Ħ=H" });
        QTest::newRow("Latvian") << u("Jānis Bērziņš") << u("Janis Berzinš") << us({ "ā=a", "ē=e", "ņ=n" });
        // Only the marks the code page cannot hold go.
        QTest::newRow("Vietnamese keeps the circumflex") << u("Nguyễn") << u("Nguyên") << us({ "ễ=ê" });
        QTest::newRow("Pinyin keeps the diaeresis") << u("Lǘ") << u("Lü") << us({ "ǘ=ü" });
        // Text from a Mac or a web page may come decomposed.
        QTest::newRow("decomposed, code page letter")
            << u("Jose\u0301 Mari\u0301a") << u("José María") << QStringList();
        QTest::newRow("decomposed, plain form") << u("S\u0327tefan") << u("Stefan") << us({ "Ş=S" });
        QTest::newRow("emoji") << u("Anna 😀") << u("Anna ") << us({ "😀=" });
        QTest::newRow("emoji with skin tone") << u("ok 👍🏽!") << u("ok !") << us({ "👍🏽=" });
        QTest::newRow("emoji with presentation") << u("a❤️b") << u("ab") << us({ "❤️=" });
        QTest::newRow("keycap") << u("1️⃣") << u("1") << us({ "1️⃣=1" });
        QTest::newRow("emoji sequence is one character")
            << u("x👩‍👩‍👧y") << u("xy") << us({ "👩‍👩‍👧=" });
        QTest::newRow("flag") << u("🇮🇹 Roma") << u(" Roma") << us({ "🇮🇹=" });
        QTest::newRow("Chinese") << u("Li 李小龍") << u("Li ") << us({ "李=", "小=", "龍=" });
        QTest::newRow("Japanese") << u("Sato さとう") << u("Sato ") << us({ "さ=", "と=", "う=" });
        QTest::newRow("Korean syllable") << u("Kim 김") << u("Kim ") << us({ "김=" });
        QTest::newRow("Cyrillic") << u("Иван й") << u(" ") << us({ "И=", "в=", "а=", "н=", "й=" });
        QTest::newRow("Greek") << u("Σάκης") << u("") << us({ "Σ=", "ά=", "κ=", "η=", "ς=" });
        // Nothing the user sees is lost: invisible characters go silently.
        QTest::newRow("invisible characters")
            << u("Anna\u200B Maria\u200E, ©\uFE0F") << u("Anna Maria, ©") << QStringList();
        QTest::newRow("soft hyphen kept") << u("Ross\u00ADini") << u("Ross\u00ADini") << QStringList();
        QTest::newRow("empty") << QString() << QString() << QStringList();
    }
    void namesKeepTheirPlainLetters()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QStringList, changes);
        const storabletext::Result result = storabletext::storableText(typed);
        QCOMPARE(result.text, kept);
        QCOMPARE(changesOf(result), changes);
        QCOMPARE(storabletext::isStorable(typed), changes.isEmpty() && kept == typed);
        // The field stores exactly what is shown, and never more than arrived.
        QVERIFY(storabletext::isStorable(result.text));
        QCOMPARE(textfield::fromWindows1252(textfield::toWindows1252(result.text)), result.text);
        QVERIFY(result.text.size() <= typed.size());
    }

    // Each change says where in the kept text it happened, so that a window can
    // tell apart what went in and what the field's length cut off.
    void changesKnowWhereTheyStand()
    {
        const storabletext::Result result = storabletext::storableText(u("李 Ştefan ő"));
        QCOMPARE(result.text, u(" Stefan o"));
        QCOMPARE(result.changes.size(), 3);
        QCOMPARE(result.changes[0].at, 0);
        QVERIFY(result.changes[0].refused());
        QCOMPARE(result.changes[1].at, 1);
        QCOMPARE(result.changes[2].at, 8);
        QVERIFY(!result.changes[2].refused());
    }

    void theCursorStaysOnItsCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("kept");
        QTest::newRow("after an emoji") << u("a😀b") << 3 << 1;
        QTest::newRow("at the end") << u("a😀b") << 4 << 2;
        QTest::newRow("before a replaced letter") << u("xŞtefan") << 1 << 1;
        QTest::newRow("after a replaced letter") << u("xŞtefan") << 2 << 2;
        QTest::newRow("inside a decomposed letter") << u("S\u0327tefan") << 1 << 1;
        QTest::newRow("after a decomposed letter") << u("S\u0327tefan") << 2 << 1;
        QTest::newRow("before a refused character") << u("李b") << 0 << 0;
        QTest::newRow("past a refused character") << u("李b") << 1 << 0;
        QTest::newRow("code page text") << u("Città") << 3 << 3;
    }
    void theCursorStaysOnItsCharacter()
    {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(int, kept);
        QCOMPARE(storabletext::storableText(text, cursor).cursor, kept);
    }

    void plainFormOfOneCharacter_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("plain");
        QTest::newRow("cedilla") << u("Ş") << u("S");
        QTest::newRow("comma below") << u("ț") << u("t");
        QTest::newRow("dotted I") << u("İ") << u("I");
        QTest::newRow("dotless i") << u("ı") << u("i");
        QTest::newRow("stroke l") << u("ł") << u("l");
        QTest::newRow("stroke d") << u("đ") << u("d");
        QTest::newRow("Catalan middle dot l") << u("ŀ") << u("l");
        QTest::newRow("long s") << u("ſ") << u("s");
        QTest::newRow("ring") << u("ů") << u("u");
        QTest::newRow("Cyrillic short i") << u("й") << QString();
        QTest::newRow("ligature") << u("ﬁ") << QString();
        QTest::newRow("emoji") << u("😀") << QString();
        QTest::newRow("nothing") << QString() << QString();
    }
    void plainFormOfOneCharacter()
    {
        QFETCH(QString, character);
        QFETCH(QString, plain);
        QCOMPARE(storabletext::plainForm(character), plain);
    }
};

QTEST_GUILESS_MAIN(TestStorableText)
#include "tst_storabletext.moc"
